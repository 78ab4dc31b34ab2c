#pragma once
// Upload passwords kept in the desktop's keyring (the Secret Service, through
// libsecret), one per upload target, found by the target's address (without
// any secret: "sftp://user@host:22/folder/"). The password goes only between
// the caller and the keyring: it is never written to a file or a log here.
// Every call blocks until the keyring answers; failures (no keyring running,
// a locked one the user will not open) raise EQuillbayError.

#include <optional>
#include <string>

// Stores Password for Target, replacing one stored before.
void StoreUploadPassword(const std::string& Target, const std::string& Password);
// The password stored for Target; none when there is none.
std::optional<std::string> FindUploadPassword(const std::string& Target);
// Forgets the password stored for Target; false when there was none.
bool ForgetUploadPassword(const std::string& Target);
