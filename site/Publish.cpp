// How a publish goes: the names of the new site are listed first and each is
// looked up in one reading of the folder (a link or anything but a regular
// file is refused) and in the manifest; a name the folder holds that the
// manifest neither lists nor had pending is foreign, and without Replace the
// publish stops there. Then each file is considered: one whose input hash
// (the program's version, the style, the locale's names, the links to its
// neighbours, the days it shows; for the first page also today, for the feed
// its window) equals the manifest's, and which the folder still holds, is not
// even made. The days' part of those hashes comes from one pass over the
// document's events, summed per month, feed window and "Coming up". Any other
// file is made and its bytes hashed; one whose hash equals the manifest's is
// left alone, the others go to temporary files beside their targets.
//
// Committing: when new names appear, the manifest is first rewritten with
// them as pending; one syncfs makes every temporary file durable, the pending
// manifest is renamed into place and the folder synced, then the pages are
// renamed (index.html last), the files the site no longer has are removed,
// and the final manifest is renamed and the folder synced once more. A
// failure before the renames removes the temporary files and leaves every
// file as it was; a failure during them leaves each file old or new, and the
// manifest's pending names let the next publish finish the site.

#include "site/Publish.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <set>
#include <unordered_map>

#include "Version.h"
#include "ical/FeedWriter.h"
#include "model/EventList.h"
#include "model/ObjectText.h"
#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"
#include "site/Manifest.h"
#include "site/Sha256.h"
#include "site/SitePages.h"
#include "text/Html.h"

namespace {
enum class TEntry { Missing, Regular, Other };

// The site's folder, locked against a second publish while this one runs.
// Temporary files it made are removed unless they were renamed into place.
class TSiteFolder {
 public:
  explicit TSiteFolder(const std::string& Path) : FPath(Path) {
    std::error_code Ec;
    std::filesystem::create_directory(Path, Ec);
    FFd = ::open(Path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (FFd < 0) throw EQuillbayError(TMessageId::CannotCreateFile, {Path});
    if (::flock(FFd, LOCK_EX | LOCK_NB) != 0) throw EQuillbayError(TMessageId::PublishAlreadyRunning, {Path});
  }
  ~TSiteFolder() {
    for (const std::string& Temp : FTemps) ::unlinkat(FFd, Temp.c_str(), 0);
    ::close(FFd);
  }
  TSiteFolder(const TSiteFolder&) = delete;
  TSiteFolder& operator=(const TSiteFolder&) = delete;

  std::string PathOf(const std::string& Name) const { return FPath + "/" + Name; }

  TEntry Stat(const std::string& Name, struct stat& St) const {
    if (::fstatat(FFd, Name.c_str(), &St, AT_SYMLINK_NOFOLLOW) != 0) return TEntry::Missing;
    return S_ISREG(St.st_mode) ? TEntry::Regular : TEntry::Other;
  }

  // Every entry of the folder by name, from one reading of the folder.
  std::unordered_map<std::string, TEntry> Entries() const {
    std::unordered_map<std::string, TEntry> List;
    DIR* Dir = ::fdopendir(::dup(FFd));
    if (!Dir) throw EQuillbayError(TMessageId::CannotOpenFile, {FPath});
    ::rewinddir(Dir);
    while (const dirent* D = ::readdir(Dir)) {
      const std::string Name = D->d_name;
      struct stat St {};
      List[Name] = D->d_type == DT_REG       ? TEntry::Regular
                   : D->d_type != DT_UNKNOWN ? TEntry::Other
                                             : Stat(Name, St);
    }
    ::closedir(Dir);
    return List;
  }

  // The whole file, or "" when it is missing; a link is refused.
  std::string Read(const std::string& Name) const {
    const int Fd = ::openat(FFd, Name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (Fd < 0) {
      if (errno == ENOENT) return {};
      if (errno == ELOOP) RefuseEntry(Name);
      throw EQuillbayError(TMessageId::CannotOpenFile, {PathOf(Name)});
    }
    std::string Data;
    const TReadStatus Status = ReadPieces(Fd, Data);
    ::close(Fd);
    if (Status != TReadStatus::Read) throw EQuillbayError(TMessageId::CannotOpenFile, {PathOf(Name)});
    return Data;
  }

  [[noreturn]] void RefuseEntry(const std::string& Name) const {
    throw EQuillbayError(TMessageId::CannotReplaceNotRegular, {PathOf(Name)});
  }

  // Writes Bytes to the temporary file of Name (Tag tells two of one name
  // apart; one left by a crashed run is overwritten), with Mode, the
  // permissions of the file it will replace.
  void WriteTemp(const std::string& Name, const std::string& Bytes, mode_t Mode = 0666,
                 const char* Tag = "") {
    const std::string Temp = TempName(Name, Tag);
    const EQuillbayError Failed(TMessageId::CannotCreateFile, {PathOf(Name)});
    const int Fd = ::openat(FFd, Temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, Mode);
    if (Fd < 0) throw EQuillbayError(Failed);
    FTemps.push_back(Temp);
    if (Mode != 0666) ::fchmod(Fd, Mode);
    if (!WriteAll(Fd, Bytes.data(), Bytes.size())) {
      ::close(Fd);
      throw EQuillbayError(Failed);
    }
    if (::close(Fd) != 0) throw EQuillbayError(Failed);
  }

  // Every temporary file on the disk at once.
  void SyncFiles() {
    if (::syncfs(FFd) != 0) throw EQuillbayError(TMessageId::CannotCreateFile, {FPath});
  }
  void SyncFolder() { ::fsync(FFd); }

  void Commit(const std::string& Name, const char* Tag = "") {
    const std::string Temp = TempName(Name, Tag);
    if (::renameat(FFd, Temp.c_str(), FFd, Name.c_str()) != 0)
      throw EQuillbayError(TMessageId::CannotCreateFile, {PathOf(Name)});
    FTemps.erase(std::find(FTemps.begin(), FTemps.end(), Temp));
  }

  void Remove(const std::string& Name) {
    if (::unlinkat(FFd, Name.c_str(), 0) != 0 && errno != ENOENT)
      throw EQuillbayError(TMessageId::CannotRemoveFile, {PathOf(Name)});
  }

  // What a crashed run may have left of Name's temporary file.
  void RemoveTemp(const std::string& Name) { ::unlinkat(FFd, TempName(Name, "").c_str(), 0); }

 private:
  static std::string TempName(const std::string& Name, const char* Tag) {
    return "." + Name + ".quillbay" + Tag + "-tmp";
  }
  std::string FPath;
  int FFd = -1;
  std::vector<std::string> FTemps;
};

std::string MonthPageName(TMonthIndex M) { return SiteMonthPageName(M / 12, M % 12 + 1); }

// The feed's name that the program proposes for a document; one that would
// be hidden (a document named ".qby") is "calendar.ics", a name of the site.
std::string FeedNameOf(const std::string& DocumentFileName) {
  const std::string Name = ICalFeedFileName(DocumentFileName);
  return Name[0] == '.' ? "calendar.ics" : Name;
}

std::string FeedText(const std::string& Plain) { return TrimControls(FeedTextValue(Plain)); }

// The hash of a page's inputs: only told whether anything changed, so a fast
// 128-bit mix (two multiply-rotate lanes over 8-byte words) rather than a
// cryptographic digest, which would cost a republish more than the pages it
// skips. Texts are added with their lengths, so that no two sequences of
// texts add the same bytes.
class TInputHash {
 public:
  void Add(std::string_view Text) {
    Word(Text.size());
    size_t I = 0;
    for (; I + 8 <= Text.size(); I += 8) {
      uint64_t W;
      std::memcpy(&W, Text.data() + I, 8);
      Word(W);
    }
    uint64_t Tail = 0;
    std::memcpy(&Tail, Text.data() + I, Text.size() - I);
    Word(Tail);
  }
  void Add(int64_t Number) { Word(static_cast<uint64_t>(Number)); }
  std::pair<uint64_t, uint64_t> Finish() const { return {Mix(FA ^ FB), Mix(FB + Mix(FA))}; }
  std::string FinishHex() const {
    const auto [A, B] = Finish();
    char Text[33];
    std::snprintf(Text, sizeof Text, "%016llx%016llx", static_cast<unsigned long long>(A),
                  static_cast<unsigned long long>(B));
    return Text;
  }

 private:
  static uint64_t Rotl(uint64_t X, int N) { return (X << N) | (X >> (64 - N)); }
  static uint64_t Mix(uint64_t X) {
    X ^= X >> 33;
    X *= 0xFF51AFD7ED558CCDull;
    X ^= X >> 33;
    X *= 0xC4CEB9FE1A85EC53ull;
    return X ^ (X >> 33);
  }
  void Word(uint64_t W) {
    FA = Rotl(FA ^ W, 29) * 0x9E3779B97F4A7C15ull;
    FB = Rotl(FB + W, 31) * 0xC2B2AE3D27D4EB4Full + FA;
  }
  uint64_t FA = 0x243F6A8885A308D3ull, FB = 0x13198A2E03707344ull;
};

// The sum of the hashes of days and their texts: the same in whatever order
// they are added, so that one pass over the document's events serves every
// page instead of a look-up for each day of each page.
struct TDaySum {
  uint64_t A = 0, B = 0;
  void Add(int64_t Day, const std::string& Text) {
    TInputHash H;
    H.Add(Day);
    H.Add(Text);
    const auto [X, Y] = H.Finish();
    A += X;
    B += Y;
  }
  void AddTo(TInputHash& H) const {
    H.Add(static_cast<int64_t>(A));
    H.Add(static_cast<int64_t>(B));
  }
};

// What every page of the site is made from besides its days and links.
std::string CommonInputs(const TEventList& Doc, const TPublishOptions& O, const std::string& FeedName) {
  TInputHash H;
  H.Add(QUILLBAY_VERSION);
  H.Add(WriteObjectText(Doc.Style(), "TCalStyle"));
  for (int64_t N : {Doc.ExportCols, Doc.ColSpacing, Doc.RowSpacing}) H.Add(N);
  const TLocaleInfo& Locale = Platform();
  for (int M = 1; M <= 12; ++M) H.Add(Locale.LongMonthName(M));
  for (int D = 1; D <= 7; ++D) {
    H.Add(Locale.LongDayName(D));
    H.Add(Locale.ShortDayName(D));
  }
  H.Add(Locale.LanguageTag());
  H.Add(O.Address);
  H.Add(FeedName);
  return H.FinishHex();
}

void AddLinks(TInputHash& H, const TSiteLinks& L) {
  for (const std::string* S : {&L.Prev, &L.Next, &L.Year, &L.PrevYear, &L.NextYear, &L.Index, &L.Subscribe})
    H.Add(*S);
}

// sitemap.xml (sitemaps.org 0.9): the first page and every month and year
// page under the site's address.
std::string Sitemap(std::string Address, const std::vector<std::string>& Pages) {
  if (Address.back() != '/') Address += '/';
  std::string Out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
  Out += "  <url><loc>" + EscapeHtmlContent(Address) + "</loc></url>\n";
  for (const std::string& Page : Pages)
    Out += "  <url><loc>" + EscapeHtmlContent(Address + Page) + "</loc></url>\n";
  return Out + "</urlset>\n";
}

// Thrown through the page loop when the progress callback cancels.
struct TCancelled {};

int64_t Day64(TDateTime D) { return static_cast<int64_t>(DateOnly(D)); }

// The feed of the days From..To, and their states in New (from Old: a day
// whose text changed gets SEQUENCE + 1 and LAST-MODIFIED Now).
std::string MakeFeed(const TEventList& Doc, TDateTime From, TDateTime To, int64_t Now, const TManifest& Old,
                     TManifest& New) {
  const bool Html = !Doc.Style().EventsAsText;
  TFeed Feed;
  Feed.Name = FirstVisibleLine(FeedText(Html ? HtmlToPlainText(Doc.Style().Title) : Doc.Style().Title));
  static const std::string NoText = Sha256Hex("");
  New.Days.clear();
  for (TDateTime Day = From; Day <= To; Day += 1) {
    const TEvent* E = Doc.Items().Find(Day);
    const std::string Plain = E ? FeedText(Html ? HtmlToPlainText(E->Text) : E->Text) : std::string();
    const std::string Summary = FirstVisibleLine(Plain);
    const auto Was = Old.Days.find(Day64(Day));
    if (Summary.empty() && Was == Old.Days.end()) continue;
    const std::string Hash = Summary.empty() ? NoText : Sha256Hex(Plain);
    TManifestDay State{Hash, 0, Now};
    if (Was != Old.Days.end()) {
      State = Was->second;
      if (State.TextHash != Hash) State = {Hash, State.Sequence + 1, Now};
    }
    New.Days[Day64(Day)] = State;
    if (Summary.empty()) continue;
    int Y, M, D;
    DecodeDate(Day, Y, M, D);
    Feed.Events.push_back(
        {Y, M, D, FeedUid(Y, M, D, New.UidKey), Summary, Plain, State.Sequence, State.LastModified});
  }
  return WriteFeed(Feed);
}
}  // namespace

bool ParseSiteMonth(const std::string& Text, TMonthIndex& Month) {
  if (Text.size() != 7 || Text[4] != '-') return false;
  for (size_t I : {0u, 1u, 2u, 3u, 5u, 6u})
    if (Text[I] < '0' || Text[I] > '9') return false;
  const int Y = std::stoi(Text.substr(0, 4)), M = std::stoi(Text.substr(5, 2));
  if (Y < 1 || M < 1 || M > 12) return false;
  Month = MonthIndex(Y, M);
  return true;
}

std::string SiteMonthText(TMonthIndex Month) {
  char Text[16];
  std::snprintf(Text, sizeof Text, "%04d-%02d", Month / 12, Month % 12 + 1);
  return Text;
}

TPublishOptions SiteOptionsOf(const TEventList& Doc) {
  TPublishOptions O;
  O.Folder = Doc.SiteFolder;
  O.Address = Doc.SiteAddress;
  if (!ParseSiteMonth(Doc.SiteFrom, O.From)) O.From = 0;
  if (!ParseSiteMonth(Doc.SiteTo, O.To)) O.To = 0;
  O.UpcomingDays = Doc.SiteUpcomingDays;
  O.FeedMonthsBack = Doc.SiteFeedMonthsBack;
  O.FeedMonthsAhead = Doc.SiteFeedMonthsAhead;
  return O;
}

void DefaultSiteMonths(const TEventList& Doc, int ThisYear, TMonthIndex& From, TMonthIndex& To) {
  From = MonthIndex(ThisYear, 1);
  To = MonthIndex(ThisYear, 12);
  for (int I = 0; I < Doc.Count(); ++I) {
    const TEvent& E = Doc.Events(I);
    if (IsBlank(E.Text) || !IsCalendarDay(E.Date())) continue;
    int Y, M, D;
    DecodeDate(E.Date(), Y, M, D);
    From = std::min(From, MonthIndex(Y, M));
    To = std::max(To, MonthIndex(Y, M));
  }
}

TPublishResult PublishSite(const TEventList& Doc, const std::string& DocumentFileName,
                           const TPublishOptions& O) {
  TPublishResult R;
  const TDateTime Today = DateOnly(O.Today != 0 ? O.Today : Platform().Now());
  const int64_t Now = O.Now != 0 ? O.Now : static_cast<int64_t>(std::time(nullptr));
  int TodayYear, TodayMonth, TodayDay;
  DecodeDate(Today, TodayYear, TodayMonth, TodayDay);
  TMonthIndex From = O.From, To = O.To;
  if (From == 0 || To == 0) {
    TMonthIndex DefaultFrom, DefaultTo;
    DefaultSiteMonths(Doc, TodayYear, DefaultFrom, DefaultTo);
    From = From ? From : DefaultFrom;
    To = To ? To : DefaultTo;
  }
  if (To < From || From < MonthIndex(1, 1) || To > MonthIndex(9999, 12))
    throw EQuillbayError(TMessageId::MonthRangeNotValid);
  if (O.UpcomingDays < 0 || O.UpcomingDays > MaxUpcomingDays || O.FeedMonthsBack < 0 ||
      O.FeedMonthsBack > MaxFeedMonths || O.FeedMonthsAhead < 0 || O.FeedMonthsAhead > MaxFeedMonths)
    throw EQuillbayError(TMessageId::SiteNumbersNotValid);

  TSiteFolder Folder(O.Folder);
  struct stat St {};
  if (Folder.Stat(ManifestFileName, St) == TEntry::Other) Folder.RefuseEntry(ManifestFileName);
  const std::string OldText = Folder.Read(ManifestFileName);
  const TManifest Old = OldText.empty() ? TManifest() : ReadManifest(OldText);
  TManifest New;
  New.FeedName = Old.FeedName.empty() ? FeedNameOf(DocumentFileName) : Old.FeedName;
  New.UidKey = Old.UidKey.empty() ? ICalDocumentKey(DocumentFileName) : Old.UidKey;
  R.FeedName = New.FeedName;

  // The names of the new site, in the order they are renamed into place.
  std::vector<std::string> Names, Pages;
  std::vector<int> Years;
  for (TMonthIndex M = From; M <= To; ++M) {
    Pages.push_back(MonthPageName(M));
    if (Years.empty() || Years.back() != M / 12) Years.push_back(M / 12);
  }
  for (int Y : Years) Pages.push_back(SiteYearPageName(Y));
  Names = Pages;
  Names.push_back(New.FeedName);
  if (!O.Address.empty()) Names.push_back("sitemap.xml");
  Names.push_back("index.html");

  const auto Listing = Folder.Entries();
  std::set<std::string> Found;  // the site's names that the folder holds
  for (const std::string& Name : Names) {
    const auto Entry = Listing.find(Name);
    if (Entry == Listing.end()) continue;
    if (Entry->second != TEntry::Regular) Folder.RefuseEntry(Name);
    Found.insert(Name);
    if (!Old.Files.count(Name) && !Old.Pending.count(Name)) R.Foreign.push_back(Name);
  }
  if (!R.Foreign.empty() && !O.Replace) return R;
  for (const std::string& Name : Old.Pending) Folder.RemoveTemp(Name);

  const std::string Common = CommonInputs(Doc, O, New.FeedName);
  const TDateTime FeedFrom = EncodeDate(TodayYear, TodayMonth, 1);
  const TDateTime FeedFirst = IncMonth(FeedFrom, -O.FeedMonthsBack);
  const TDateTime FeedLast = IncMonth(FeedFrom, O.FeedMonthsAhead + 1) - 1;
  // One pass over the events: the days of each month of the site's years,
  // of the feed's window, of "Coming up" and of the days after it.
  const TMonthIndex FirstMonth = MonthIndex(Years.front(), 1);
  std::vector<TDaySum> MonthSums(Years.size() * 12);
  TDaySum FeedSum, UpcomingSum, LaterSum;
  bool Listed = false;  // "Coming up" shows a day
  for (int I = 0; I < Doc.Count(); ++I) {
    const TEvent& E = Doc.Events(I);
    if (!IsCalendarDay(E.Date())) continue;
    const TDateTime Day = DateOnly(E.Date());
    int Y, M, D;
    DecodeDate(Day, Y, M, D);
    const size_t Slot = static_cast<size_t>(MonthIndex(Y, M) - FirstMonth);
    if (MonthIndex(Y, M) >= FirstMonth && Slot < MonthSums.size()) MonthSums[Slot].Add(Day64(Day), E.Text);
    if (Day >= FeedFirst && Day <= FeedLast) FeedSum.Add(Day64(Day), E.Text);
    if (Day >= Today + O.UpcomingDays) {
      LaterSum.Add(Day64(Day), E.Text);
    } else if (Day >= Today) {
      UpcomingSum.Add(Day64(Day), E.Text);
      Listed = Listed || !IsBlank(E.Text);  // as ComingUp decides
    }
  }
  std::vector<std::string> ToCommit;
  const int Total = static_cast<int>(Names.size());
  int Done = 0;
  // Makes the file Name unless its inputs are known unchanged, and writes it
  // aside unless its bytes are.
  const auto Consider = [&](const std::string& Name, const std::string& Inputs, const auto& Make) {
    const auto Known = Old.Files.find(Name);
    const bool OnDisk = Found.count(Name) > 0;
    const bool Intact = Known != Old.Files.end() && OnDisk;
    if (Intact && !Inputs.empty() && Known->second.Inputs == Inputs) {
      New.Files[Name] = Known->second;
      R.Unchanged.push_back(Name);
    } else {
      const std::string Bytes = Make();
      const TManifestFile File{Sha256Hex(Bytes), Bytes.size(), Inputs};
      New.Files[Name] = File;
      if (Intact && Known->second.Sha256 == File.Sha256) {
        R.Unchanged.push_back(Name);
      } else {
        struct stat Replaced {};
        const bool Keep = OnDisk && Folder.Stat(Name, Replaced) == TEntry::Regular;
        Folder.WriteTemp(Name, Bytes, Keep ? Replaced.st_mode & 0777 : 0666);
        ToCommit.push_back(Name);
        R.Written.push_back(Name);
      }
    }
    if (O.Progress && !O.Progress(++Done, Total)) throw TCancelled{};
  };

  try {
    // The first page first: it refuses an address that is not acceptable
    // before anything else is made.
    TSiteIndex Index;
    Index.Today = Today;
    Index.UpcomingDays = O.UpcomingDays;
    Index.Address = O.Address;
    Index.FeedName = New.FeedName;
    for (TMonthIndex M = From; M <= To; ++M) Index.Months.emplace_back(M / 12, M % 12 + 1);
    Index.Years = Years;
    {
      // "Coming up", or the next day with text when it lists none.
      TInputHash H;
      H.Add(Common);
      H.Add("index");
      for (int64_t N : {int64_t{From}, int64_t{To}, Day64(Today), int64_t{O.UpcomingDays}}) H.Add(N);
      UpcomingSum.AddTo(H);
      if (!Listed) LaterSum.AddTo(H);
      Consider("index.html", H.FinishHex(), [&] { return SiteIndexPage(Doc, Index); });
    }
    {
      const TDateTime First = FeedFirst, Last = FeedLast;
      TInputHash H;
      H.Add("feed");
      H.Add(QUILLBAY_VERSION);
      H.Add(New.UidKey);
      H.Add(Doc.Style().Title);
      for (int64_t N : {int64_t{Doc.Style().EventsAsText}, Day64(First), Day64(Last)}) H.Add(N);
      FeedSum.AddTo(H);
      // Unchanged inputs keep every day's state; a feed made anew sets them.
      New.Days = Old.Days;
      Consider(New.FeedName, H.FinishHex(), [&] { return MakeFeed(Doc, First, Last, Now, Old, New); });
      if (New.Files[New.FeedName].Size > FeedWarningSize)
        R.Warnings.push_back({TMessageId::FeedTooLargeForServices, {New.FeedName}});
    }
    if (!O.Address.empty()) {
      TInputHash H;
      H.Add("sitemap");
      H.Add(O.Address);
      for (const std::string& Page : Pages) H.Add(Page);
      Consider("sitemap.xml", H.FinishHex(), [&] { return Sitemap(O.Address, Pages); });
    }

    for (TMonthIndex M = From; M <= To; ++M) {
      const int Y = M / 12, Month = M % 12 + 1;
      TSiteLinks Links;
      if (M > From) Links.Prev = MonthPageName(M - 1);
      if (M < To) Links.Next = MonthPageName(M + 1);
      Links.Year = SiteYearPageName(Y);
      TInputHash H;
      H.Add(Common);
      H.Add("month");
      AddLinks(H, Links);
      MonthSums[static_cast<size_t>(M - FirstMonth)].AddTo(H);
      Consider(MonthPageName(M), H.FinishHex(), [&] { return SiteMonthPage(Doc, Y, Month, Links); });
    }
    for (size_t I = 0; I < Years.size(); ++I) {
      TSiteLinks Links;
      if (I > 0) Links.PrevYear = SiteYearPageName(Years[I - 1]);
      if (I + 1 < Years.size()) Links.NextYear = SiteYearPageName(Years[I + 1]);
      TInputHash H;
      H.Add(Common);
      H.Add("year");
      AddLinks(H, Links);
      for (int Month = 1; Month <= 12; ++Month)
        MonthSums[static_cast<size_t>(MonthIndex(Years[I], Month) - FirstMonth)].AddTo(H);
      Consider(SiteYearPageName(Years[I]), H.FinishHex(), [&] { return SiteYearPage(Doc, Years[I], Links); });
    }
  } catch (const TCancelled&) {
    TPublishResult Cancelled;
    Cancelled.Cancelled = true;
    Cancelled.FeedName = R.FeedName;
    return Cancelled;
  }

  // What the site no longer has: files of the manifest, and pending names a
  // failed publish may have renamed into place.
  std::set<std::string> Present(Names.begin(), Names.end()), Gone;
  for (const auto& [Name, File] : Old.Files)
    if (!Present.count(Name)) Gone.insert(Name);
  for (const std::string& Name : Old.Pending)
    if (!Present.count(Name)) Gone.insert(Name);
  for (const std::string& Name : Gone) {
    const TEntry Entry = Folder.Stat(Name, St);
    if (Entry == TEntry::Other) Folder.RefuseEntry(Name);
    if (Entry == TEntry::Regular) R.Removed.push_back(Name);
  }

  // The manifest reads back as it was written, so an equal one has equal
  // bytes.
  if (ToCommit.empty() && R.Removed.empty() && !OldText.empty() && New == Old) return R;
  const std::string NewText = WriteManifest(New);

  TManifest Pending = Old;
  for (const std::string& Name : ToCommit)
    if (!Old.Files.count(Name)) Pending.Pending.insert(Name);
  const bool RecordPending = Pending.Pending != Old.Pending;
  if (RecordPending) Folder.WriteTemp(ManifestFileName, WriteManifest(Pending), 0666, "-pending");
  Folder.WriteTemp(ManifestFileName, NewText);
  Folder.SyncFiles();
  if (RecordPending) {
    Folder.Commit(ManifestFileName, "-pending");
    Folder.SyncFolder();
  }
  // index.html is the last of ToCommit: it was made first, so move it.
  std::stable_partition(ToCommit.begin(), ToCommit.end(),
                        [](const std::string& N) { return N != "index.html"; });
  for (const std::string& Name : ToCommit) Folder.Commit(Name);
  for (const std::string& Name : R.Removed) Folder.Remove(Name);
  Folder.Commit(ManifestFileName);
  Folder.SyncFolder();
  return R;
}

std::string PublishSummary(const TPublishResult& R) {
  return "Site published: " + std::to_string(R.Written.size()) +
         (R.Written.size() == 1 ? " page" : " pages") + " written, " + std::to_string(R.Unchanged.size()) +
         " unchanged, " + std::to_string(R.Removed.size()) + " removed";
}
