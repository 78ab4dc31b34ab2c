#include "net/UploadCommand.h"

#include <algorithm>
#include <ostream>

#include "net/CurlRemote.h"
#include "platform/FileIO.h"
#include "site/Manifest.h"

namespace {

std::string FilesText(size_t Count) { return std::to_string(Count) + (Count == 1 ? " file" : " files"); }

}  // namespace

int RunUploadCommand(const TUploadCommand& Command, const std::vector<TSiteFile>& Files,
                     const TManifestReader& Reader, std::ostream& Out, std::ostream& Err) {
  try {
    TUploadTarget Target = ParseUploadAddress(Command.Address);
    if (Target.PlainFtpAsked && Command.InsecureFtp)
      Err << "Warning: with --insecure-ftp, a server without TLS gets your password and your files "
             "unencrypted; "
             "anyone on the way can read them.\n";
    TUploadOptions Options;
    if (!Command.PasswordFile.empty()) Options.Password = ReadPasswordFile(Command.PasswordFile);
    Options.AcceptedHostKey = Command.AcceptedHostKey;
    Options.CaFile = Command.CaFile;
    Options.SshFolder = Command.SshFolder;
    Options.InsecureFtp = Command.InsecureFtp;
    TCurlRemote Remote(Target, Options);
    TSiteUpload Upload(Remote, Command.SiteFolder, Files, Reader);
    TUploadPlan Plan = Upload.Plan();
    if (Remote.KnownHostsProblem())
      Err << "Warning: the host's key was accepted for this upload but not kept: "
          << EnglishText(*Remote.KnownHostsProblem()) << "\n";
    if (Command.DryRun) {
      if (Command.Verbose) {
        for (const TSiteFile& File : Plan.Send)
          Out << "would send " << File.Name << " (" << File.Size << " bytes)\n";
        for (const auto* List : {&Plan.RemoveFirst, &Plan.Remove})
          for (const std::string& Name : *List) Out << "would remove " << Name << "\n";
      }
      Out << "Would upload " << FilesText(Plan.Send.size()) << " (" << Plan.BytesToSend() << " bytes), "
          << Plan.Unchanged << " unchanged, " << Plan.Remove.size() + Plan.RemoveFirst.size() << " removed\n";
      return 0;
    }
    TUploadCallbacks Callbacks;
    if (Command.Verbose)
      Callbacks.FileDone = [&](TUploadStep Step, const std::string& Name, uint64_t Bytes) {
        if (Step == TUploadStep::Sent)
          Out << "sent " << Name << " (" << Bytes << " bytes)\n";
        else
          Out << "removed " << Name << "\n";
      };
    Out << UploadSummary(Upload.Run(Plan, Callbacks)) << "\n";
    return 0;
  } catch (const EUploadError& Error) {
    Err << "quillbay-export: " << Error.what() << "\n";
    if (!Error.Fingerprint().empty())
      Err << "If the fingerprint is the host's, run again with --accept-host-key " << Error.Fingerprint()
          << "\n";
    return UploadExitCode(Error.Kind());
  } catch (const EQuillbayError& Error) {
    Err << "quillbay-export: " << Error.what() << "\n";
    return 1;
  }
}

std::vector<TSiteFile> SiteManifestFiles(const std::string& Text) {
  TManifest Manifest = ReadManifest(Text);
  std::vector<TSiteFile> Files;
  for (const auto& [Name, File] : Manifest.Files) Files.push_back({Name, File.Sha256, File.Size});
  for (const std::string& Name : Manifest.Pending)
    if (!Manifest.Files.count(Name)) Files.push_back({Name, "", 0});
  return Files;
}

std::vector<TSiteFile> PublishedSiteFiles(const std::string& SiteFolder) {
  std::vector<TSiteFile> Files = SiteManifestFiles(ReadFileToString(SiteFolder + "/" + ManifestFileName));
  // A publish that did not end leaves names without files: the site is not
  // whole, and only a whole site goes up.
  if (std::any_of(Files.begin(), Files.end(), [](const TSiteFile& File) { return File.Sha256.empty(); }))
    throw EQuillbayError(TMessageId::SiteNotPublishedToEnd, {SiteFolder});
  return Files;
}

int RunUploadCommand(const TUploadCommand& Command, std::ostream& Out, std::ostream& Err) {
  std::vector<TSiteFile> Files;
  try {
    Files = PublishedSiteFiles(Command.SiteFolder);
  } catch (const EQuillbayError& Error) {
    Err << "quillbay-export: " << Error.what() << "\n";
    return 1;
  }
  return RunUploadCommand(Command, Files, SiteManifestFiles, Out, Err);
}
