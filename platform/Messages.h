#pragma once
// The program's messages by identity. Every message that the layers below the
// windows raise or ask with has an identity (TMessageId) and one entry in the
// table of Messages.cpp: its English form, with %1, %2 ... where its
// arguments go (a file's name, a line, a value). A TMessage keeps the
// identity, the arguments and, for a message about a place in a file, that
// file and line; the command-line tool prints the English form
// (EnglishText), the windows translate the identity and put the same
// arguments in (file names and values are never translated). Adding a
// message means adding its identity and its one table entry.

#include <string>
#include <utility>
#include <vector>

enum class TMessageId {
  Text,  // a text from outside the program (a library's), shown as it is
  // Documents, pages and the gallery.
  FileNotValid,
  FileNotValidAtLine,
  FileNotValidTooLarge,
  CannotOpenFile,
  CannotCreateFile,
  StreamWriteError,
  ListIndexOutOfBounds,
  InvalidDate,
  DateOutsideCalendar,
  // The browser preview.
  PreviewFolderIsLink,
  PreviewFolderNotFolder,
  PreviewFolderOfOtherUser,
  PreviewFolderOpenToOthers,
  // Settings.
  SettingsInvalidType,
  SettingsCannotGet,
  SettingsCannotSet,
  SettingsDamagedRenamed,
  SettingsUnreadableRenamed,
  SettingsDamagedKept,
  SettingsUnreadableKept,
  // iCalendar files: what is wrong at a place.
  ICalNotICalendar,
  ICalLineUnreadable,
  ICalValueUnreadable,
  ICalNotEnded,
  ICalDateNotValid,
  ICalTimeZoneUnusable,
  ICalRepeatRuleUnusable,
  ICalRepeatRuleUnreadable,
  ICalRepeatsTooOften,
  ICalFileTooLarge,
  RangeEndsBeforeBegins,
  RangeNotValid,
  RangeTooLong,
  // Calendars fetched from an address.
  NotAWebAddress,
  ServerNotFound,
  ServerRefused,
  ServerTimedOut,
  SecureConnectionFailed,
  ServerAnswered,
  FetchedCalendarTooLarge,
  ConnectionBrokeOff,
  TooManyRedirects,
  RedirectNotFollowed,
  AddressNotICalendar,
  DownloadCancelled,
  CannotFetch,
  CannotFetchOutOfMemory,
  CannotComputeDigest,
  // Uploading.
  CannotStartNetworkLibrary,
  CannotMakeRandomSalt,
  UploadAddressServerHoldsUser,
  UploadAddressHostNotValid,
  UploadAddressNoProtocol,
  UploadAddressHasQuery,
  UploadAddressNoUser,
  UploadAddressHasPassword,
  UploadAddressUserNotValid,
  UploadAddressPortNotValid,
  UploadAddressFolderNotValid,
  UploadAddressFolderHasDots,
  PasswordFileNotRegular,
  PasswordFileNotYours,
  PasswordFileOpenToOthers,
  PasswordFileUnreadable,
  KeyringUnusable,
  SiteFileNotUploadable,
  SiteNotPublishedToEnd,
  // The connection of an upload: the host's key, the certificate, the login,
  // and each step that the network or the server may fail.
  HostKeyUnknown,
  HostKeyRevoked,
  HostKeyChanged,
  HostKeyNotAccepted,
  CertificateNotTrusted,
  ServerOffersNoTls,
  LoginRefused,
  NoKeyAgentOrPassword,
  NoPassword,
  ConnectionFailedLogin,
  ConnectionFailedListing,
  ConnectionFailedFile,
  ConnectionFailedRenaming,
  ConnectionFailedRemoving,
  ServerRefusedLogin,
  ServerRefusedListing,
  ServerRefusedFile,
  ServerRefusedRenaming,
  ServerRefusedRemoving,
  // The remote folder's manifest and files.
  RemoteManifestNamesForeignFile,
  RemoteManifestNotValid,
  RemoteManifestNotValidAtLine,
  ForeignFileInTheWay,
  // The site.
  SiteManifestNotValid,
  SiteAddressNotUsable,
  PublishAlreadyRunning,
  CannotReplaceNotRegular,
  CannotRemoveFile,
  MonthRangeNotValid,
  SiteNumbersNotValid,
  FeedTooLargeForServices,
  // Questions and the program's own troubles.
  NoProgramToOpen,
  Confirm,
  NoDialogs,
  UnexpectedError,
  // The place before another message: file, line, what.
  AtFileLine,
  AtFile,
};

struct TMessage {
  TMessage(TMessageId AnId = TMessageId::Text, std::vector<std::string> SomeArgs = {})
      : Id(AnId), Args(std::move(SomeArgs)) {}

  TMessageId Id;
  std::vector<std::string> Args;  // %1, %2 ... of the English form
  std::string File;               // the file the message is about, or empty
  int Line = 0;                   // its line, 0 for the file as a whole

  // Places the message in File at Line (0: no line).
  TMessage& At(const std::string& InFile, int AtLine);
};

// The English form of Id, as the catalogues know it (context "Core").
const char* MessageFormat(TMessageId Id);
// Every identity with its English form, in the order of TMessageId.
const std::vector<const char*>& MessageFormats();
// Format with each "%1" ... "%9" replaced by its argument, in one pass (an
// argument that holds "%2" stays as it is); a number without an argument stays.
std::string FillMessage(const std::string& Format, const std::vector<std::string>& Args);
// The whole message in English, its place first ("club.ics, line 12: ...").
std::string EnglishText(const TMessage& Message);
