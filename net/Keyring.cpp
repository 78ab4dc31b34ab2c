#include "net/Keyring.h"

#include <libsecret/secret.h>

#include "platform/Errors.h"

namespace {

const SecretSchema* UploadSchema() {
  static const SecretSchema Schema = {
      "org.quillbay.Upload",
      SECRET_SCHEMA_NONE,
      {{"target", SECRET_SCHEMA_ATTRIBUTE_STRING}, {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
      0,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr};
  return &Schema;
}

// Raises the keyring's own error text, and frees it.
void ThrowIfFailed(GError* Error) {
  if (!Error) return;
  const std::string Detail = Error->message;
  g_error_free(Error);
  throw EQuillbayError(TMessageId::KeyringUnusable, {Detail});
}

}  // namespace

void StoreUploadPassword(const std::string& Target, const std::string& Password) {
  GError* Error = nullptr;
  std::string Label = "Quillbay upload to " + Target;
  secret_password_store_sync(UploadSchema(), SECRET_COLLECTION_DEFAULT, Label.c_str(), Password.c_str(),
                             nullptr, &Error, "target", Target.c_str(), nullptr);
  ThrowIfFailed(Error);
}

std::optional<std::string> FindUploadPassword(const std::string& Target) {
  GError* Error = nullptr;
  gchar* Found =
      secret_password_lookup_sync(UploadSchema(), nullptr, &Error, "target", Target.c_str(), nullptr);
  ThrowIfFailed(Error);
  if (!Found) return std::nullopt;
  std::string Password(Found);
  secret_password_free(Found);  // wipes the keyring's copy
  return Password;
}

bool ForgetUploadPassword(const std::string& Target) {
  GError* Error = nullptr;
  gboolean Removed =
      secret_password_clear_sync(UploadSchema(), nullptr, &Error, "target", Target.c_str(), nullptr);
  ThrowIfFailed(Error);
  return Removed;
}
