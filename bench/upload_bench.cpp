// Uploading a calendar site over SFTP on the loopback, to a private OpenSSH
// server started for the run: files and bytes sent by a first upload, by one
// with nothing changed and by one after a day's change, each upload's time,
// and the time of `scp -r` of the same folder to the same server.
//
//   build-bench/bench/upload_bench [SITE_FOLDER]
//
// SITE_FOLDER is a site that quillbay-export published (with its
// .quillbay-manifest); without it, a site of the same shape as a 30-year
// calendar is made: 360 month pages, 30 year pages, index.html, sitemap.xml
// and a feed. A day's change rewrites one month page, its year page, the feed
// and index.html.
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <map>

#include "net/CurlRemote.h"
#include "net/SiteUpload.h"
#include "net/UploadCommand.h"
#include "platform/FileIO.h"
#include "site/Manifest.h"
#include "tests/net/NetTestSupport.h"

namespace {

void WriteSite(const std::string& Folder, const std::map<std::string, std::string>& Files) {
  TManifest Manifest;
  for (const auto& [Name, Data] : Files) {
    WriteFileBytes(Folder + "/" + Name, Data);
    Manifest.Files[Name] = {Sha256Hex(Data), Data.size(), ""};
  }
  WriteFileBytes(Folder + "/" + ManifestFileName, WriteManifest(Manifest));
}

std::string Filler(const std::string& Seed, size_t Size) {
  std::string Text;
  while (Text.size() < Size)
    Text += "<tr><td>" + Seed + "</td><td>Choir practice 19:30, parish hall</td></tr>\n";
  return Text.substr(0, Size);
}

std::map<std::string, std::string> ThirtyYearSite() {
  std::map<std::string, std::string> Files;
  for (int Year = 2000; Year < 2030; ++Year) {
    for (int Month = 1; Month <= 12; ++Month) {
      std::string Name = std::to_string(Month) + "_" + std::to_string(Year) + ".html";
      Files[Name] = Filler(Name, 9000);
    }
    Files[std::to_string(Year) + ".html"] = Filler(std::to_string(Year), 60000);
  }
  Files["index.html"] = Filler("index", 8000);
  Files["sitemap.xml"] = Filler("sitemap", 30000);
  Files["calendar.ics"] = Filler("feed", 400000);
  return Files;
}

struct TMeasure {
  TUploadResult Result;
  double Seconds = 0;
};

TMeasure Upload(const TSshServer& Server, const std::string& SiteFolder, const TUploadOptions& Options) {
  auto Start = std::chrono::steady_clock::now();
  TCurlRemote Remote(ParseUploadAddress(Server.Address("site")), Options);
  std::string Manifest = ReadFileBytes(SiteFolder + "/" + ManifestFileName);
  TSiteUpload Upload(Remote, SiteFolder, SiteManifestFiles(Manifest), SiteManifestFiles);
  TMeasure Measure;
  Measure.Result = Upload.Run(Upload.Plan());
  Measure.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
  return Measure;
}

void Print(const char* Name, const TMeasure& Measure) {
  std::printf("%-22s %5zu files %10llu bytes sent, %4zu unchanged, %3zu removed  %7.3f s\n", Name,
              Measure.Result.Sent, static_cast<unsigned long long>(Measure.Result.BytesSent),
              Measure.Result.Unchanged, Measure.Result.Removed, Measure.Seconds);
}

}  // namespace

int main(int Argc, char** Argv) {
  TSshServer Server;
  TTempFolder Work;
  std::string Site = Argc > 1 ? Argv[1] : Work / "site";
  if (Argc <= 1) {
    mkdir(Site.c_str(), 0755);
    WriteSite(Site, ThirtyYearSite());
  }
  std::string KnownHosts = Work / "known_hosts";
  WriteFileBytes(KnownHosts, "[127.0.0.1]:" + std::to_string(Server.Port()) + " " +
                                 ReadFileBytes(Server.HostKeyFile() + ".pub"));
  TUploadOptions Options;
  Options.SshFolder = Server.ClientSshFolder();
  Options.KnownHostsFile = KnownHosts;

  Print("first upload", Upload(Server, Site, Options));
  Print("nothing changed", Upload(Server, Site, Options));

  // A day's change: its month page, its year page, the feed and index.html.
  std::vector<TSiteFile> Files = SiteManifestFiles(ReadFileBytes(Site + "/" + ManifestFileName));
  std::map<std::string, std::string> Changed;
  for (const TSiteFile& File : Files) {
    bool Month = File.Name.find('_') != std::string::npos;
    bool Year = !Month && File.Name.size() == 9 && File.Name.ends_with(".html");
    bool Pick = File.Name == "index.html" || File.Name.ends_with(".ics") ||
                (Month && File.Name == Files[Files.size() / 2].Name) || (Year && Changed.count("year") == 0);
    if (!Pick) continue;
    if (Year) Changed["year"] = File.Name;
    Changed[File.Name] = ReadFileBytes(Site + "/" + File.Name) + "<!-- one day changed -->\n";
  }
  Changed.erase("year");
  std::map<std::string, std::string> All;
  for (const TSiteFile& File : Files) All[File.Name] = ReadFileBytes(Site + "/" + File.Name);
  for (const auto& [Name, Data] : Changed) All[Name] = Data;
  std::string Copy = Work / "changed";
  mkdir(Copy.c_str(), 0755);
  WriteSite(Copy, All);
  Print("one day changed", Upload(Server, Copy, Options));

  // scp -r of the same folder, into a fresh folder of the same server.
  auto Start = std::chrono::steady_clock::now();
  std::string Output;
  int Status = RunProgram(
      {"scp", "-q", "-r", "-P", std::to_string(Server.Port()), "-i", Server.ClientSshFolder() + "/id_ed25519",
       "-o", "UserKnownHostsFile=" + KnownHosts, "-o", "StrictHostKeyChecking=yes", "-o", "BatchMode=yes",
       Site, CurrentUserName() + "@127.0.0.1:" + Server.Root() + "/scp"},
      &Output);
  double Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
  std::printf("%-22s %5zu files (scp exit %d)                                        %7.3f s\n%s",
              "scp -r, same folder", ReadFolder(Server.Root() + "/scp").size(), Status, Seconds,
              Output.c_str());
  return 0;
}
