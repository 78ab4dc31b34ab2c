#include "net/SiteUpload.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "platform/FileIO.h"

namespace {

constexpr char kTempSuffix[] = ".quillbay-tmp";

// Pages first, then the feed, then index.html, which links to them.
int SendRank(const std::string& Name) {
  if (Name == "index.html") return 2;
  if (Name.ends_with(".ics")) return 1;
  return 0;
}

using TListing = std::map<std::string, TSiteFile>;

TListing ToListing(const std::vector<TSiteFile>& Files) {
  TListing Result;
  for (const TSiteFile& File : Files) {
    if (!IsSafeSiteName(File.Name))
      throw EUploadError(TUploadFailure::Refused, {TMessageId::RemoteManifestNamesForeignFile, {File.Name}});
    Result[File.Name] = File;
  }
  return Result;
}

bool SameContent(const TSiteFile& A, const TSiteFile& B) { return A.Sha256 == B.Sha256 && A.Size == B.Size; }

}  // namespace

bool IsSafeSiteName(const std::string& Name) {
  if (Name.empty() || Name.size() > 255 || Name[0] == '.') return false;
  // Spaces and UTF-8 are fine (a feed may be "Chor Sankt Jürgen.ics");
  // quotes and backslashes would end a path in an SFTP command.
  return std::none_of(Name.begin(), Name.end(), [](char C) {
    auto U = static_cast<unsigned char>(C);
    return U < 32 || U == 127 || C == '/' || C == '"' || C == '\'' || C == '\\';
  });
}

std::string UploadTempName(const std::string& Name) { return Name + kTempSuffix; }

uint64_t TUploadPlan::BytesToSend() const {
  uint64_t Total = 0;
  for (const TSiteFile& File : Send) Total += File.Size;
  return Total;
}

std::string UploadSummary(const TUploadResult& Result) {
  std::string Text = (Result.Cancelled ? "Cancelled after uploading " : "Uploaded ") +
                     std::to_string(Result.Sent) + (Result.Sent == 1 ? " file, " : " files, ") +
                     std::to_string(Result.Unchanged) + " unchanged, " + std::to_string(Result.Removed) +
                     " removed";
  return Text;
}

TSiteUpload::TSiteUpload(TRemoteFolder& Remote, std::string LocalFolder, std::vector<TSiteFile> Files,
                         TManifestReader Reader)
    : FRemote(Remote),
      FLocalFolder(std::move(LocalFolder)),
      FFiles(std::move(Files)),
      FReader(std::move(Reader)) {
  if (!FLocalFolder.empty() && FLocalFolder.back() != '/') FLocalFolder += '/';
  std::erase_if(FFiles, [](const TSiteFile& File) { return File.Name == kSiteManifestName; });
  for (const TSiteFile& File : FFiles)
    if (!IsSafeSiteName(File.Name)) throw EQuillbayError(TMessageId::SiteFileNotUploadable, {File.Name});
}

TUploadPlan TSiteUpload::Plan() {
  std::vector<std::string> Names = FRemote.List();
  std::set<std::string> Present(Names.begin(), Names.end());

  std::string OldText, PendingText;
  TListing Old, Pending;
  bool HasOld = FRemote.Read(kSiteManifestName, OldText);
  if (HasOld) {
    try {
      Old = ToListing(FReader(OldText));
    } catch (const EUploadError&) {
      throw;
    } catch (const EQuillbayError& Error) {
      // The manifest's own fault is said as one message; another reader's
      // text is put in as it is.
      const TMessage& Why = Error.Message();
      if (Why.Id == TMessageId::SiteManifestNotValid && Why.File.empty())
        throw EUploadError(TUploadFailure::Refused, {TMessageId::RemoteManifestNotValidAtLine, Why.Args});
      throw EUploadError(TUploadFailure::Refused, {TMessageId::RemoteManifestNotValid, {Error.what()}});
    }
  }
  TUploadPlan Plan;
  // A broken upload's manifest may have been cut short; one that cannot be
  // read vouches for nothing, and the old manifest still holds.
  if (FRemote.Read(kSiteManifestTempName, PendingText)) {
    try {
      Pending = ToListing(FReader(PendingText));
      Plan.Recovering = true;
    } catch (const EQuillbayError&) {
      Pending.clear();
    }
  }
  std::set<std::string> Ours;
  for (const auto& [Name, File] : Old) Ours.insert(Name);
  for (const auto& [Name, File] : Pending) Ours.insert(Name);

  std::set<std::string> Local;
  for (const TSiteFile& File : FFiles) {
    Local.insert(File.Name);
    if (!Present.count(File.Name)) {
      Plan.Send.push_back(File);
      continue;
    }
    if (!Ours.count(File.Name))
      throw EUploadError(TUploadFailure::Foreign, {TMessageId::ForeignFileInTheWay, {File.Name}});
    // After a broken upload the remote file is the old manifest's version or
    // the broken upload's: unchanged only when both agree with ours.
    auto InOld = Old.find(File.Name);
    auto InPending = Pending.find(File.Name);
    bool Same = (InOld == Old.end() || SameContent(InOld->second, File)) &&
                (InPending == Pending.end() || SameContent(InPending->second, File));
    if (Same)
      ++Plan.Unchanged;
    else
      Plan.Send.push_back(File);
  }
  std::stable_sort(Plan.Send.begin(), Plan.Send.end(), [](const TSiteFile& A, const TSiteFile& B) {
    return SendRank(A.Name) != SendRank(B.Name) ? SendRank(A.Name) < SendRank(B.Name) : A.Name < B.Name;
  });
  // Files that only a broken upload wrote are removed before its manifest is
  // replaced by ours, which no longer lists them.
  for (const std::string& Name : Ours) {
    if (Local.count(Name) || !Present.count(Name)) continue;
    (Old.count(Name) ? Plan.Remove : Plan.RemoveFirst).push_back(Name);
  }
  for (const std::string& Name : Names) {
    if (!Name.ends_with(kTempSuffix)) continue;
    std::string Base = Name.substr(0, Name.size() - std::size(kTempSuffix) + 1);
    if (Ours.count(Base) || Local.count(Base)) Plan.LeftOver.push_back(Name);
  }

  std::string LocalManifest;
  if (TryReadFile(FLocalFolder + kSiteManifestName, LocalManifest) != TReadStatus::Read)
    throw EQuillbayError(TMessageId::CannotOpenFile, {FLocalFolder + kSiteManifestName});
  Plan.ManifestChanged = !HasOld || OldText != LocalManifest || Plan.Recovering || !Plan.Send.empty() ||
                         !Plan.Remove.empty() || !Plan.RemoveFirst.empty();
  return Plan;
}

TUploadResult TSiteUpload::Run(const TUploadPlan& Plan, const TUploadCallbacks& Callbacks) {
  TUploadResult Result;
  Result.Unchanged = Plan.Unchanged;
  if (Plan.NothingToDo()) return Result;
  TUploadProgress Progress;
  Progress.FilesTotal = Plan.Send.size() + Plan.Remove.size() + Plan.RemoveFirst.size();
  Progress.BytesTotal = Plan.BytesToSend();
  auto Report = [&] {
    if (Callbacks.Progress) Callbacks.Progress(Progress);
  };
  auto Cancelled = [&] { return Callbacks.Cancel && Callbacks.Cancel->load(); };

  auto RemoveAll = [&](const std::vector<std::string>& Names) {
    for (const std::string& Name : Names) {
      if (Cancelled()) return false;
      Progress.Name = Name;
      FRemote.Remove(Name);
      ++Progress.FilesDone;
      ++Result.Removed;
      Report();
      if (Callbacks.FileDone) Callbacks.FileDone(TUploadStep::Removed, Name, 0);
    }
    return true;
  };

  if (!RemoveAll(Plan.RemoveFirst)) {
    Result.Cancelled = true;
    return Result;
  }
  // What is about to be written is recorded first.
  FRemote.Write(kSiteManifestTempName, FLocalFolder + kSiteManifestName, {});
  for (const TSiteFile& File : Plan.Send) {
    if (Cancelled()) {
      Result.Cancelled = true;
      return Result;
    }
    Progress.Name = File.Name;
    Report();
    uint64_t Before = Progress.BytesDone;
    FRemote.Replace(File.Name, UploadTempName(File.Name), FLocalFolder + File.Name, [&](uint64_t Sent) {
      Progress.BytesDone = Before + Sent;
      Report();
    });
    Progress.BytesDone = Before + File.Size;
    ++Progress.FilesDone;
    ++Result.Sent;
    Result.BytesSent += File.Size;
    Report();
    if (Callbacks.FileDone) Callbacks.FileDone(TUploadStep::Sent, File.Name, File.Size);
  }
  if (!RemoveAll(Plan.Remove)) {
    Result.Cancelled = true;
    return Result;
  }
  for (const std::string& Name : Plan.LeftOver)
    if (std::find_if(Plan.Send.begin(), Plan.Send.end(), [&](const TSiteFile& File) {
          return UploadTempName(File.Name) == Name;
        }) == Plan.Send.end())
      FRemote.Remove(Name);
  FRemote.Rename(kSiteManifestTempName, kSiteManifestName);
  return Result;
}
