#include "generator/Globals.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "generator/CalGen.h"
#include "model/EventList.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"

namespace {
constexpr mode_t PrivateFolderMode = 0700;

bool FolderExists(const std::string& Path) {
  struct stat St;
  return stat(Path.c_str(), &St) == 0 && S_ISDIR(St.st_mode);
}

std::string JoinPath(const std::string& Folder, const std::string& Name) {
  if (!Folder.empty() && Folder.back() == '/') return Folder + Name;
  return Folder + "/" + Name;
}

// Creates Folder and its missing parents, private to the user. A failure is
// not reported here: it surfaces when the page cannot be written.
void CreateFolders(const std::string& Folder) {
  for (size_t Pos = Folder.find('/', 1);; Pos = Folder.find('/', Pos + 1)) {
    const std::string Part = Folder.substr(0, Pos);
    if (!Part.empty() && mkdir(Part.c_str(), PrivateFolderMode) == 0) chmod(Part.c_str(), PrivateFolderMode);
    if (Pos == std::string::npos) break;
  }
}

// Raises when an existing preview folder is not a private folder of this user;
// a folder of ours that others may read is made private. A missing folder
// passes: writing into it then fails with the usual message.
void CheckPreviewFolder(const std::string& Folder) {
  struct stat St;
  if (lstat(Folder.c_str(), &St) != 0) return;
  if (S_ISLNK(St.st_mode)) throw EQuillbayError(TMessageId::PreviewFolderIsLink, {Folder});
  if (!S_ISDIR(St.st_mode)) throw EQuillbayError(TMessageId::PreviewFolderNotFolder, {Folder});
  if (St.st_uid != geteuid()) throw EQuillbayError(TMessageId::PreviewFolderOfOtherUser, {Folder});
  if (St.st_mode & (S_IWGRP | S_IWOTH)) throw EQuillbayError(TMessageId::PreviewFolderOpenToOthers, {Folder});
  if ((St.st_mode & 07777) != PrivateFolderMode) chmod(Folder.c_str(), PrivateFolderMode);
}

bool IsSymbolicLink(const std::string& Path) {
  struct stat St;
  return lstat(Path.c_str(), &St) == 0 && S_ISLNK(St.st_mode);
}
}  // namespace

std::string GetTempFolder() { return Platform().TempFolder(); }

std::string GetWorkFolder() {
  const std::string Temp = GetTempFolder();
  if (IsBlank(Temp) || !FolderExists(Temp)) return JoinPath(Platform().ProgramFolder(), "tmp");
  return Temp;
}

std::string GetPreviewFolder() { return JoinPath(GetWorkFolder(), "Quillbay"); }

std::string GetPreviewFileName() { return JoinPath(GetPreviewFolder(), "calendar.html"); }

void PreviewMonth(const TEventList& EventList, const TCalStyle& Style, TDateTime Date) {
  int Year, Month, Day;
  DecodeDate(Date, Year, Month, Day);
  TCalGen Gen(EventList, Style);
  Gen.BuildMonthPage(static_cast<uint16_t>(Month), static_cast<uint16_t>(Year));
  const std::string Folder = GetPreviewFolder();
  CreateFolders(Folder);
  CheckPreviewFolder(Folder);
  // The page replaces whatever is there; a link is replaced, never followed.
  const std::string FileName = JoinPath(Folder, "calendar.html");
  if (IsSymbolicLink(FileName)) unlink(FileName.c_str());
  WriteStringToFile(FileName, Gen.PageText());
  ShellOpen(FileName);
}

void DeletePreviewFile() {
  const std::string Folder = GetPreviewFolder();
  try {
    CheckPreviewFolder(Folder);
  } catch (const EQuillbayError&) {
    return;  // never clean up in a folder that is not ours alone
  }
  unlink(JoinPath(Folder, "calendar.html").c_str());
}
