#include "platform/Messages.h"

#include <cstddef>

// lupdate gathers the texts marked so into the catalogues' context "Core";
// here they are plain strings.
#define QT_TRANSLATE_NOOP(Context, Text) Text

namespace {
struct TEntry {
  TMessageId Id;
  const char* English;
};

// One entry per identity, in the order of TMessageId.
constexpr TEntry Entries[] = {
    {TMessageId::Text, "%1"},
    {TMessageId::FileNotValid, QT_TRANSLATE_NOOP("Core", "The file is not valid")},
    {TMessageId::FileNotValidAtLine, QT_TRANSLATE_NOOP("Core", "The file is not valid\n%1, line %2")},
    {TMessageId::FileNotValidTooLarge,
     QT_TRANSLATE_NOOP("Core", "The file is not valid\n%1, larger than %2 MB")},
    {TMessageId::CannotOpenFile, QT_TRANSLATE_NOOP("Core", "Cannot open file %1")},
    {TMessageId::CannotCreateFile, QT_TRANSLATE_NOOP("Core", "Cannot create file %1")},
    {TMessageId::StreamWriteError, QT_TRANSLATE_NOOP("Core", "Stream write error")},
    {TMessageId::ListIndexOutOfBounds, QT_TRANSLATE_NOOP("Core", "List index out of bounds (%1)")},
    {TMessageId::InvalidDate, QT_TRANSLATE_NOOP("Core", "Invalid argument to date encode")},
    {TMessageId::DateOutsideCalendar, QT_TRANSLATE_NOOP("Core", "Date is outside the calendar's range")},
    {TMessageId::PreviewFolderIsLink,
     QT_TRANSLATE_NOOP("Core", "The preview folder %1 is a symbolic link; remove it and try again")},
    {TMessageId::PreviewFolderNotFolder,
     QT_TRANSLATE_NOOP("Core", "The preview folder %1 is not a folder; remove it and try again")},
    {TMessageId::PreviewFolderOfOtherUser,
     QT_TRANSLATE_NOOP("Core", "The preview folder %1 belongs to another user")},
    {TMessageId::PreviewFolderOpenToOthers,
     QT_TRANSLATE_NOOP("Core", "The preview folder %1 can be changed by other users")},
    {TMessageId::SettingsInvalidType, QT_TRANSLATE_NOOP("Core", "Invalid data type for '%1'")},
    {TMessageId::SettingsCannotGet, QT_TRANSLATE_NOOP("Core", "Failed to get data for '%1'")},
    {TMessageId::SettingsCannotSet, QT_TRANSLATE_NOOP("Core", "Failed to set data for '%1'")},
    {TMessageId::SettingsDamagedRenamed,
     QT_TRANSLATE_NOOP(
         "Core",
         "The settings file %1 is damaged. It was renamed to %2, and Quillbay starts with fresh "
         "settings.")},
    {TMessageId::SettingsUnreadableRenamed,
     QT_TRANSLATE_NOOP(
         "Core",
         "The settings file %1 could not be read. It was renamed to %2, and Quillbay starts with "
         "fresh settings.")},
    {TMessageId::SettingsDamagedKept,
     QT_TRANSLATE_NOOP("Core",
                       "The settings file %1 is damaged and cannot be set aside. Recently used calendars and "
                       "window positions will not be kept in this session.")},
    {TMessageId::SettingsUnreadableKept,
     QT_TRANSLATE_NOOP(
         "Core",
         "The settings file %1 could not be read and cannot be set aside. Recently used calendars "
         "and window positions will not be kept in this session.")},
    {TMessageId::ICalNotICalendar, QT_TRANSLATE_NOOP("Core", "this is not an iCalendar file")},
    {TMessageId::ICalLineUnreadable, QT_TRANSLATE_NOOP("Core", "this line cannot be read")},
    {TMessageId::ICalValueUnreadable, QT_TRANSLATE_NOOP("Core", "the value of %1 cannot be read")},
    {TMessageId::ICalNotEnded, QT_TRANSLATE_NOOP("Core", "%1 is not ended")},
    {TMessageId::ICalDateNotValid, QT_TRANSLATE_NOOP("Core", "a date of this event is not valid")},
    {TMessageId::ICalTimeZoneUnusable, QT_TRANSLATE_NOOP("Core", "the time zone cannot be used")},
    {TMessageId::ICalRepeatRuleUnusable,
     QT_TRANSLATE_NOOP("Core", "the repeat rule of this event cannot be used")},
    {TMessageId::ICalRepeatRuleUnreadable,
     QT_TRANSLATE_NOOP("Core", "the repeat rule of this event cannot be read")},
    {TMessageId::ICalRepeatsTooOften,
     QT_TRANSLATE_NOOP("Core", "this event repeats too often to be imported")},
    {TMessageId::ICalFileTooLarge, QT_TRANSLATE_NOOP("Core", "the file is too large")},
    {TMessageId::RangeEndsBeforeBegins, QT_TRANSLATE_NOOP("Core", "The range of days ends before it begins")},
    {TMessageId::RangeNotValid, QT_TRANSLATE_NOOP("Core", "The range of days is not valid")},
    {TMessageId::RangeTooLong, QT_TRANSLATE_NOOP("Core", "A range of more than %1 years cannot be imported")},
    {TMessageId::NotAWebAddress,
     QT_TRANSLATE_NOOP("Core",
                       "Not a web address: a calendar's address begins with https://, http:// or webcal://")},
    {TMessageId::ServerNotFound, QT_TRANSLATE_NOOP("Core", "Cannot find the server %1")},
    {TMessageId::ServerRefused, QT_TRANSLATE_NOOP("Core", "The server %1 refused the connection")},
    {TMessageId::ServerTimedOut,
     QT_TRANSLATE_NOOP("Core", "Timed out: the server %1 sent nothing for %2 seconds")},
    {TMessageId::SecureConnectionFailed, QT_TRANSLATE_NOOP("Core", "The secure connection to %1 failed: %2")},
    {TMessageId::ServerAnswered, QT_TRANSLATE_NOOP("Core", "The server of %1 answered %2")},
    {TMessageId::FetchedCalendarTooLarge,
     QT_TRANSLATE_NOOP("Core", "The calendar at %1 is larger than %2 MB")},
    {TMessageId::ConnectionBrokeOff,
     QT_TRANSLATE_NOOP("Core", "The connection to %1 broke off before the calendar was complete")},
    {TMessageId::TooManyRedirects,
     QT_TRANSLATE_NOOP("Core", "The address %1 is redirected more than %2 times")},
    {TMessageId::RedirectNotFollowed,
     QT_TRANSLATE_NOOP("Core", "The address %1 is redirected to one that is not followed")},
    {TMessageId::AddressNotICalendar,
     QT_TRANSLATE_NOOP("Core", "The address %1 does not give an iCalendar file")},
    {TMessageId::DownloadCancelled, QT_TRANSLATE_NOOP("Core", "The download was cancelled")},
    {TMessageId::CannotFetch, QT_TRANSLATE_NOOP("Core", "Cannot fetch %1: %2")},
    {TMessageId::CannotFetchOutOfMemory, QT_TRANSLATE_NOOP("Core", "Cannot fetch %1: out of memory")},
    {TMessageId::CannotComputeDigest, QT_TRANSLATE_NOOP("Core", "Cannot compute a SHA-256 digest")},
    {TMessageId::CannotStartNetworkLibrary, QT_TRANSLATE_NOOP("Core", "Cannot start the network library")},
    {TMessageId::CannotMakeRandomSalt, QT_TRANSLATE_NOOP("Core", "Cannot make a random salt")},
    {TMessageId::UploadAddressServerHoldsUser,
     QT_TRANSLATE_NOOP("Core",
                       "The upload address %1 is not valid: the server must not hold a user or a password")},
    {TMessageId::UploadAddressHostNotValid,
     QT_TRANSLATE_NOOP("Core", "The upload address %1 is not valid: the host is not valid")},
    {TMessageId::UploadAddressNoProtocol,
     QT_TRANSLATE_NOOP("Core",
                       "The upload address %1 is not valid: it must start with sftp://, ftps:// or ftp://")},
    {TMessageId::UploadAddressHasQuery,
     QT_TRANSLATE_NOOP("Core", "The upload address %1 is not valid: it holds a query or a fragment")},
    {TMessageId::UploadAddressNoUser,
     QT_TRANSLATE_NOOP("Core", "The upload address %1 is not valid: it names no user (user@host)")},
    {TMessageId::UploadAddressHasPassword,
     QT_TRANSLATE_NOOP("Core",
                       "The upload address %1 is not valid: it holds a password; give the password another "
                       "way, never in the address")},
    {TMessageId::UploadAddressUserNotValid,
     QT_TRANSLATE_NOOP("Core", "The upload address %1 is not valid: the user name is not valid")},
    {TMessageId::UploadAddressPortNotValid,
     QT_TRANSLATE_NOOP("Core", "The upload address %1 is not valid: the port is not valid")},
    {TMessageId::UploadAddressFolderNotValid,
     QT_TRANSLATE_NOOP("Core", "The upload address %1 is not valid: the folder is not valid")},
    {TMessageId::UploadAddressFolderHasDots,
     QT_TRANSLATE_NOOP("Core",
                       "The upload address %1 is not valid: the folder must not contain \".\" or \"..\"")},
    {TMessageId::PasswordFileNotRegular,
     QT_TRANSLATE_NOOP("Core", "The password file %1 is refused: it is not a regular file")},
    {TMessageId::PasswordFileNotYours,
     QT_TRANSLATE_NOOP("Core", "The password file %1 is refused: it does not belong to you")},
    {TMessageId::PasswordFileOpenToOthers,
     QT_TRANSLATE_NOOP("Core", "The password file %1 is refused: others may read or change it (chmod 600)")},
    {TMessageId::PasswordFileUnreadable,
     QT_TRANSLATE_NOOP("Core", "The password file %1 is refused: it cannot be read")},
    {TMessageId::KeyringUnusable, QT_TRANSLATE_NOOP("Core", "The keyring cannot be used: %1")},
    {TMessageId::SiteFileNotUploadable,
     QT_TRANSLATE_NOOP("Core", "The site holds a file that cannot be uploaded: %1")},
    {TMessageId::SiteNotPublishedToEnd,
     QT_TRANSLATE_NOOP("Core",
                       "The site in %1 was not published to the end; publish it again before uploading.")},
    {TMessageId::HostKeyUnknown,
     QT_TRANSLATE_NOOP("Core",
                       "The host %1 is not known. Its key's fingerprint is %2. Compare it with the one your "
                       "host's administrator gives, then accept it.")},
    {TMessageId::HostKeyRevoked,
     QT_TRANSLATE_NOOP(
         "Core", "The key of host %1 (%2) is marked as revoked in known_hosts; the upload is refused.")},
    {TMessageId::HostKeyChanged,
     QT_TRANSLATE_NOOP("Core",
                       "WARNING: the key of host %1 has changed (it now shows %2). Someone may be "
                       "intercepting the connection, so the upload is refused. If the host's administrator "
                       "confirms the new key, remove the old one from %3.")},
    {TMessageId::HostKeyNotAccepted,
     QT_TRANSLATE_NOOP("Core", "The key of host %1 is not the one accepted: %2")},
    {TMessageId::CertificateNotTrusted,
     QT_TRANSLATE_NOOP("Core", "The certificate of %1 cannot be trusted: %2")},
    {TMessageId::ServerOffersNoTls,
     QT_TRANSLATE_NOOP("Core",
                       "The server %1 does not offer encryption (TLS), so the password would be sent in the "
                       "clear; the upload is refused. Ask your host for FTPS or SFTP.")},
    {TMessageId::LoginRefused, QT_TRANSLATE_NOOP("Core", "The server %1 refused the login of %2: %3")},
    {TMessageId::NoKeyAgentOrPassword,
     QT_TRANSLATE_NOOP("Core", "No key in %1, no SSH agent and no password to log in to %2")},
    {TMessageId::NoPassword, QT_TRANSLATE_NOOP("Core", "No password to log in to %1")},
    {TMessageId::ConnectionFailedLogin,
     QT_TRANSLATE_NOOP("Core", "The connection to %1 failed (the login): %2")},
    {TMessageId::ConnectionFailedListing,
     QT_TRANSLATE_NOOP("Core", "The connection to %1 failed (the listing of %2): %3")},
    {TMessageId::ConnectionFailedFile,
     QT_TRANSLATE_NOOP("Core", "The connection to %1 failed (the file %2): %3")},
    {TMessageId::ConnectionFailedRenaming,
     QT_TRANSLATE_NOOP("Core", "The connection to %1 failed (renaming %2 to %3): %4")},
    {TMessageId::ConnectionFailedRemoving,
     QT_TRANSLATE_NOOP("Core", "The connection to %1 failed (removing %2): %3")},
    {TMessageId::ServerRefusedLogin, QT_TRANSLATE_NOOP("Core", "The server refused the login: %1")},
    {TMessageId::ServerRefusedListing, QT_TRANSLATE_NOOP("Core", "The server refused the listing of %1: %2")},
    {TMessageId::ServerRefusedFile, QT_TRANSLATE_NOOP("Core", "The server refused the file %1: %2")},
    {TMessageId::ServerRefusedRenaming,
     QT_TRANSLATE_NOOP("Core", "The server refused renaming %1 to %2: %3")},
    {TMessageId::ServerRefusedRemoving, QT_TRANSLATE_NOOP("Core", "The server refused removing %1: %2")},
    {TMessageId::RemoteManifestNamesForeignFile,
     QT_TRANSLATE_NOOP("Core", "The manifest on the server names a file that Quillbay never writes: %1")},
    {TMessageId::RemoteManifestNotValid,
     QT_TRANSLATE_NOOP("Core", "The manifest on the server is not valid: %1")},
    {TMessageId::RemoteManifestNotValidAtLine,
     QT_TRANSLATE_NOOP(
         "Core", "The manifest on the server is not valid: The site's manifest is not valid (line %1)")},
    {TMessageId::ForeignFileInTheWay,
     QT_TRANSLATE_NOOP("Core",
                       "The file %1 on the server was not written by Quillbay and is in the way; move it "
                       "away or remove it, then upload again.")},
    {TMessageId::SiteManifestNotValid,
     QT_TRANSLATE_NOOP("Core", "The site's manifest is not valid (line %1)")},
    {TMessageId::SiteAddressNotUsable, QT_TRANSLATE_NOOP("Core", "The site address %1 is not usable: %2")},
    {TMessageId::PublishAlreadyRunning,
     QT_TRANSLATE_NOOP("Core", "Another publish of the site in %1 is running")},
    {TMessageId::CannotReplaceNotRegular,
     QT_TRANSLATE_NOOP("Core", "Cannot replace %1: it is a symbolic link or not a regular file")},
    {TMessageId::CannotRemoveFile, QT_TRANSLATE_NOOP("Core", "Cannot remove file %1")},
    {TMessageId::MonthRangeNotValid, QT_TRANSLATE_NOOP("Core", "The range of months is not valid")},
    {TMessageId::SiteNumbersNotValid,
     QT_TRANSLATE_NOOP("Core", "The Coming-up days or the feed's months are not valid")},
    {TMessageId::FeedTooLargeForServices,
     QT_TRANSLATE_NOOP(
         "Core",
         "The feed %1 is larger than 1 MB; some calendar services (Google Calendar) ignore such feeds")},
    {TMessageId::NoProgramToOpen, QT_TRANSLATE_NOOP("Core", "No program could be started to open %1")},
    {TMessageId::Confirm, QT_TRANSLATE_NOOP("Core", "Confirm")},
    {TMessageId::NoDialogs, QT_TRANSLATE_NOOP("Core", "No dialogs are available to ask the user")},
    {TMessageId::UnexpectedError, QT_TRANSLATE_NOOP("Core", "An unexpected error occurred")},
    {TMessageId::AtFileLine, QT_TRANSLATE_NOOP("Core", "%1, line %2: %3")},
    {TMessageId::AtFile, QT_TRANSLATE_NOOP("Core", "%1: %2")},
};

constexpr bool InIdentityOrder() {
  for (size_t I = 0; I < std::size(Entries); ++I)
    if (static_cast<size_t>(Entries[I].Id) != I) return false;
  return true;
}
static_assert(InIdentityOrder(), "one entry per message identity, in the order of TMessageId");
static_assert(static_cast<size_t>(TMessageId::AtFile) + 1 == std::size(Entries),
              "an entry for the last identity");
}  // namespace

TMessage& TMessage::At(const std::string& InFile, int AtLine) {
  File = InFile;
  Line = AtLine;
  return *this;
}

const char* MessageFormat(TMessageId Id) {
  const auto Index = static_cast<size_t>(Id);
  return Index < std::size(Entries) ? Entries[Index].English : "%1";
}

const std::vector<const char*>& MessageFormats() {
  static const std::vector<const char*> Formats = [] {
    std::vector<const char*> All;
    for (const TEntry& Entry : Entries) All.push_back(Entry.English);
    return All;
  }();
  return Formats;
}

std::string FillMessage(const std::string& Format, const std::vector<std::string>& Args) {
  std::string Result;
  Result.reserve(Format.size());
  for (size_t I = 0; I < Format.size(); ++I) {
    const size_t Number = I + 1 < Format.size() ? static_cast<size_t>(Format[I + 1] - '0') : 0;
    if (Format[I] == '%' && Number >= 1 && Number <= 9 && Number <= Args.size()) {
      Result += Args[Number - 1];
      ++I;
    } else {
      Result += Format[I];
    }
  }
  return Result;
}

std::string EnglishText(const TMessage& Message) {
  const std::string What = FillMessage(MessageFormat(Message.Id), Message.Args);
  if (Message.File.empty()) return What;
  if (Message.Line > 0)
    return FillMessage(MessageFormat(TMessageId::AtFileLine),
                       {Message.File, std::to_string(Message.Line), What});
  return FillMessage(MessageFormat(TMessageId::AtFile), {Message.File, What});
}
