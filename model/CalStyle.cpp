#include "model/CalStyle.h"

#include <cstdio>
#include <filesystem>

#include "platform/LinuxPlatform.h"
#include "platform/Platform.h"

bool IsEnglishLanguage(const std::string& Language) {
  static const char English[] = "english";
  if (Language.size() != 7) return false;
  for (size_t I = 0; I < 7; ++I) {
    char C = Language[I];
    if (C >= 'A' && C <= 'Z') C = static_cast<char>(C + 32);
    if (C != English[I]) return false;
  }
  return true;
}

namespace {
// The first character of a UTF-8 text (a whole sequence, not its lead byte).
std::string FirstCharacter(const std::string& S) {
  if (S.empty()) return S;
  size_t N = 1;
  while (N < S.size() && (static_cast<unsigned char>(S[N]) & 0xC0) == 0x80) ++N;
  return S.substr(0, N);
}

// A property written only when its value differs from Default.
TPropInfo DefaultedProperty(TPropInfo P, int64_t Default) {
  P.HasDefault = true;
  P.Default = Default;
  return P;
}

// WeekStart takes 1..7; any other stored value means Sunday.
TPropInfo WeekStartProperty() {
  TPropInfo P = OrdinalProperty("WeekStart", TPropKind::Integer, &TCalStyle::WeekStart);
  P.SetInt = [](TPersistent& O, int64_t V) {
    static_cast<TCalStyle&>(O).WeekStart = V >= 1 && V <= 7 ? static_cast<int32_t>(V) : 1;
  };
  return P;
}

void SetItem(TCalItemStyle& Item, TColor BGColor, int32_t FontSize, TFontStyles FontStyle,
             const char* Align) {
  Item.BGColor = BGColor;
  Item.FontName = "Arial";
  Item.FontSize = FontSize;
  Item.FontStyle = FontStyle;
  Item.FontColor = clWhite;
  Item.Align = Align;
}
}  // namespace

const TPropertyList& TCalItemStyle::Properties() const {
  using C = TCalItemStyle;
  static const TPropertyList List = {
      StringProperty("Align", &C::Align),
      OrdinalProperty("BGColor", TPropKind::Color, &C::BGColor),
      StringProperty("FontName", &C::FontName),
      OrdinalProperty("FontColor", TPropKind::Color, &C::FontColor),
      OrdinalProperty("FontSize", TPropKind::Integer, &C::FontSize),
      OrdinalProperty("FontStyle", TPropKind::FontStyles, &C::FontStyle),
  };
  return List;
}

TCalStyle::TCalStyle()
    : FCaption(std::make_unique<TCalItemStyle>()),
      FWeekDays(std::make_unique<TCalItemStyle>()),
      FDays(std::make_unique<TCalItemStyle>()),
      FEvents(std::make_unique<TCalItemStyle>()) {}

const TPropertyList& TCalStyle::Properties() const {
  using C = TCalStyle;
  TCalItemStyle& (C::*CaptionOf)() = &C::Caption;
  TCalItemStyle& (C::*WeekDaysOf)() = &C::WeekDays;
  TCalItemStyle& (C::*DaysOf)() = &C::Days;
  TCalItemStyle& (C::*EventsOf)() = &C::Events;
  static const TPropertyList List = {
      ObjectProperty("Caption", CaptionOf),
      ObjectProperty("WeekDays", WeekDaysOf),
      ObjectProperty("Days", DaysOf),
      ObjectProperty("Events", EventsOf),
      OrdinalProperty("BorderColor", TPropKind::Color, &C::BorderColor),
      OrdinalProperty("BorderWidth", TPropKind::Integer, &C::BorderWidth),
      OrdinalProperty("CellPadding", TPropKind::Integer, &C::CellPadding),
      OrdinalProperty("ShowYear", TPropKind::Boolean, &C::ShowYear),
      OrdinalProperty("ShowCaption", TPropKind::Boolean, &C::ShowCaption),
      OrdinalProperty("MonthAsString", TPropKind::Boolean, &C::MonthAsString),
      OrdinalProperty("CaptionBottomMargin", TPropKind::Integer, &C::CaptionBottomMargin),
      StringProperty("Language", &C::Language),
      StringProperty("Title", &C::Title),
      StringProperty("Width", &C::Width),
      OrdinalProperty("IsCellWidth", TPropKind::Boolean, &C::IsCellWidth),
      OrdinalProperty("IsCellHeight", TPropKind::Boolean, &C::IsCellHeight),
      OrdinalProperty("CellWidth", TPropKind::Integer, &C::CellWidth),
      OrdinalProperty("CellHeight", TPropKind::Integer, &C::CellHeight),
      OrdinalProperty("BGColor", TPropKind::Color, &C::BGColor),
      OrdinalProperty("WeekDaysLength", TPropKind::Integer, &C::WeekDaysLength),
      OrdinalProperty("WrapEvents", TPropKind::Boolean, &C::WrapEvents),
      StringProperty("BlankEventsText", &C::BlankEventsText),
      StringProperty("Header", &C::Header),
      StringProperty("Footer", &C::Footer),
      OrdinalProperty("HideBanner", TPropKind::Boolean, &C::HideBanner),
      DefaultedProperty(OrdinalProperty("ModernPage", TPropKind::Boolean, &C::ModernPage), false),
      DefaultedProperty(WeekStartProperty(), 1),
      DefaultedProperty(OrdinalProperty("EventsAsText", TPropKind::Boolean, &C::EventsAsText), false),
  };
  return List;
}

void TCalStyle::ResetToDefaults() {
  SetItem(Caption(), 0x643232, 16, fsBold, "center");
  SetItem(WeekDays(), 0x643232, 12, fsBold, "center");
  SetItem(Days(), 0x643232, 10, fsBold, "right");
  SetItem(Events(), 0x783232, 10, 0, "left");
  BorderColor = 0x904040;
  BorderWidth = 1;
  CellPadding = 3;
  ShowYear = true;
  ShowCaption = true;
  MonthAsString = true;
  CaptionBottomMargin = 6;
  Title = "Calendar";
  Width = "100%";
  IsCellWidth = false;
  IsCellHeight = false;
  CellWidth = 120;
  CellHeight = 90;
  WeekDaysLength = 0;
  BlankEventsText = "<br>";
  Header.clear();
  Footer.clear();
  HideBanner = false;
  ModernPage = false;
  WeekStart = 1;
  EventsAsText = false;
}

std::string TCalStyle::WeekDayName(uint16_t Index, const std::string& Language, int32_t Length) {
  if (Index > 7) Index = static_cast<uint16_t>(Index - 7);
  if (Index < 1 || Index > 7) return {};
  std::string Name;
  if (IsEnglishLanguage(Language)) {
    Name = EnglishDayNames[Index - 1];
    if (Length == 1) Name.resize(3);
  } else {
    Name = Length == 1 ? Platform().ShortDayName(Index) : Platform().LongDayName(Index);
  }
  if (Length == 2) return FirstCharacter(Name);
  return Name;
}

std::string TCalStyle::MonthName(uint16_t Index, const std::string& Language) {
  if (Index < 1 || Index > 12) return {};
  if (IsEnglishLanguage(Language)) return EnglishMonthNames[Index - 1];
  return Platform().LongMonthName(Index);
}

std::string ColorToHtml(TColor Color) {
  uint32_t Value = static_cast<uint32_t>(Color);
  if (Color < 0) Value = Platform().SystemColorRGB(static_cast<int>(Value & 0x7FFFFFFF)) & 0xFFFFFF;
  char Hex[16];
  std::snprintf(Hex, sizeof Hex, "%06X", Value);
  // BBGGRR (or more digits) to RRGGBB, taken from fixed positions.
  std::string S(Hex);
  return S.substr(4, 2) + S.substr(2, 2) + S.substr(0, 2);
}

std::string ItemStyleToCss(const TCalItemStyle& Style, bool WithBackground) {
  std::string Css = "font-family: " + Style.FontName + "; ";
  Css += "font-size: " + std::to_string(Style.FontSize) + "pt; ";
  if (Style.FontStyle & fsItalic) Css += "font-style: italic; ";
  if (Style.FontStyle & fsBold) Css += "font-weight: bold; ";
  if (Style.FontStyle & fsUnderline) Css += "text-decoration: underline; ";
  Css += "color: #" + ColorToHtml(Style.FontColor) + "; ";
  Css += "text-align: " + Style.Align + "; ";
  if (WithBackground) Css += "background-color: #" + ColorToHtml(Style.BGColor) + "; ";
  return Css;
}

// ---------------------------------------------------------------------------
// Gallery

TStyleGalleryItem::TStyleGalleryItem() : FStyle(std::make_unique<TCalStyle>()) {}

const TPropertyList& TStyleGalleryItem::Properties() const {
  using C = TStyleGalleryItem;
  TCalStyle& (C::*StyleOf)() = &C::Style;
  static const TPropertyList List = {
      StringProperty("Name", &C::Name),
      ObjectProperty("Style", StyleOf),
  };
  return List;
}

TCalStyleGallery::TCalStyleGallery() = default;

const TPropertyList& TCalStyleGallery::Properties() const {
  using C = TCalStyleGallery;
  TCollection<TStyleGalleryItem>& (C::*ItemsOf)() = &C::Items;
  static const TPropertyList List = {
      TagProperty(),
      CollectionProperty("Items", ItemsOf),
  };
  return List;
}

std::string TCalStyleGallery::GalleryFileName() {
  std::string Folder = Platform().DataFolder();
  if (Folder.empty()) return "styles.data";
  return Folder + "/styles.data";
}

void TCalStyleGallery::LoadGallery() {
  std::error_code Ec;
  const std::string FileName = GalleryFileName();
  if (std::filesystem::exists(FileName, Ec)) {
    LoadFromFile(FileName);
    return;
  }
  // A first start: the starter schemes shipped with the program, if any.
  const std::string Shared = Platform().SharedDataFolder();
  if (Shared.empty()) return;
  const std::string Starter = Shared + "/styles.data";
  if (std::filesystem::exists(Starter, Ec)) LoadFromFile(Starter);
}

void TCalStyleGallery::SaveGallery() {
  const std::string FileName = GalleryFileName();
  std::error_code Ec;
  const std::string Folder = Platform().DataFolder();
  if (!Folder.empty()) std::filesystem::create_directories(Folder, Ec);
  SaveToFile(FileName);
}

TStyleGalleryItem* TCalStyleGallery::FindStyle(const std::string& Name) const {
  for (int I = 0; I < FItems.Count(); ++I) {
    TStyleGalleryItem& Item = FItems.Item(I);
    if (Platform().CompareTextIgnoreCase(Item.Name, Name) == 0) return &Item;
  }
  return nullptr;
}

void TCalStyleGallery::ListNames(std::vector<std::string>& Names) const {
  Names.clear();
  for (int I = 0; I < FItems.Count(); ++I) Names.push_back(FItems.Item(I).Name);
}
