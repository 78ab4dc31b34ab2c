#pragma once
// Where a site goes: the upload address ("sftp://user@host[:port]/folder/",
// "ftps://..." or "ftp://...") taken apart and checked, and the password file
// of scheduled runs. An address never holds a secret: one with a password in
// it is refused, and messages name the address without it. The password file
// must be a regular file of the user's own that no one else may read.

#include <string>

enum class TUploadProtocol {
  Sftp,
  FtpExplicitTls,  // "ftps://" on any port but 990, and "ftp://": AUTH TLS, required
  FtpImplicitTls,  // "ftps://" on port 990
};

struct TUploadTarget {
  TUploadProtocol Protocol = TUploadProtocol::Sftp;
  bool PlainFtpAsked = false;  // written "ftp://": plain FTP is allowed only by an explicit option
  std::string User;
  std::string Host;  // without brackets for an IPv6 address
  int Port = 22;
  std::string Folder;  // decoded, starting and ending with "/"; "/~/..." is under the login folder

  // "sftp://user@host:port/folder/" as the user wrote it, for messages.
  std::string Display() const;
  // The host as an address writes it: an IPv6 address in brackets.
  std::string HostInAddress() const;
};

// Raises EQuillbayError ("The upload address %s is not valid: ...") for an
// unknown scheme, a password in the address, a missing user or host, a bad
// port, or a folder with control characters, quotes or "..".
TUploadTarget ParseUploadAddress(const std::string& Address);

// The ways to upload that the window offers.
enum class TUploadScheme { Sftp, Ftps, Ftp };

// The target given by its parts as a user types them: Server is "host",
// "host:port" or "[address]:port"; Folder is absolute, or relative to the
// login folder (empty: the login folder itself). Raises as ParseUploadAddress.
TUploadTarget UploadTargetOf(TUploadScheme Scheme, const std::string& Server, const std::string& User,
                             const std::string& Folder);
// The address that ParseUploadAddress reads back as Target: Display() with
// the user and the folder percent-encoded where they need it.
std::string UploadAddressText(const TUploadTarget& Target);

// The password in FileName: its first line, without the line end. Raises
// EQuillbayError when the file is a symbolic link, not a regular file, not
// the user's own, or readable or writable by the group or others.
std::string ReadPasswordFile(const std::string& FileName);
