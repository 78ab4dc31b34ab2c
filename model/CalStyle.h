#pragma once
// The calendar style: fonts, colours and alignment of the four areas of a page
// (caption, week-day row, day numbers, event texts), the table geometry, the
// caption and name forms, the page texts; and the routines that turn a style
// into CSS and day and month names. Also the gallery of named colour schemes
// kept in styles.data. A style is never copied as a whole: the style dialog
// moves values between a style and its controls.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/DataLib.h"

// 0x00BBGGRR; 0x80000000 + index names a system colour; 0x1FFFFFFF is clNone.
using TColor = int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clBtnShadow = static_cast<TColor>(0x80000010u);
constexpr TColor clWindow = static_cast<TColor>(0x80000005u);

// Bits of TFontStyles.
enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

// The paragraph style of one area. A new item style holds zero everywhere.
class TCalItemStyle : public TPersistent {
 public:
  std::string Align;
  TColor BGColor = 0;
  std::string FontName;
  TColor FontColor = 0;
  int32_t FontSize = 0;
  TFontStyles FontStyle = 0;

  const TPropertyList& Properties() const override;
};

// The whole style; owns its four item styles for its whole life. The
// constructor leaves the properties zero, false or empty, except the three
// opt-in ones at the end, which start at their defaults so that a file
// without them reads as before: ResetToDefaults gives the defaults of a new
// document.
class TCalStyle : public TPersistent {
 public:
  TCalStyle();
  TCalStyle(const TCalStyle&) = delete;
  TCalStyle& operator=(const TCalStyle&) = delete;

  // Owned; never replaced.
  TCalItemStyle& Caption() { return *FCaption; }
  TCalItemStyle& WeekDays() { return *FWeekDays; }
  TCalItemStyle& Days() { return *FDays; }
  TCalItemStyle& Events() { return *FEvents; }
  const TCalItemStyle& Caption() const { return *FCaption; }
  const TCalItemStyle& WeekDays() const { return *FWeekDays; }
  const TCalItemStyle& Days() const { return *FDays; }
  const TCalItemStyle& Events() const { return *FEvents; }

  TColor BorderColor = 0;
  int32_t BorderWidth = 0;
  int32_t CellPadding = 0;
  bool ShowYear = false;
  bool ShowCaption = false;
  bool MonthAsString = false;
  int32_t CaptionBottomMargin = 0;
  std::string Language;
  std::string Title;
  std::string Width;
  bool IsCellWidth = false;
  bool IsCellHeight = false;
  int32_t CellWidth = 0;
  int32_t CellHeight = 0;
  TColor BGColor = 0;
  int32_t WeekDaysLength = 0;
  bool WrapEvents = false;
  std::string BlankEventsText;
  std::string Header;
  std::string Footer;
  bool HideBanner = false;
  // Opt-in properties, written to a file only when they differ from these
  // defaults. ModernPage: write the HTML5 page form instead of the classic one.
  bool ModernPage = false;
  // The first column of every month: 1 Sunday .. 7 Saturday; any other value
  // is taken as 1 when it is set through the property list (files, gallery).
  int32_t WeekStart = 1;
  // Event texts are plain text (shown as typed, line breaks kept, web
  // addresses as links) instead of HTML.
  bool EventsAsText = false;

  // Sets every default of a new document's style; leaves BGColor, Language and
  // WrapEvents as they are.
  void ResetToDefaults();
  // WeekStart when it is 1..7, else 1 (Sunday).
  int FirstWeekDay() const { return WeekStart >= 1 && WeekStart <= 7 ? WeekStart : 1; }

  // Day Index 1 (Sunday) .. 7, 8..14 name the same days again. Length 0 full,
  // 1 short, 2 one character; any other value gives the full name. "English"
  // (ASCII letter case ignored) gives the built-in names, anything else the
  // locale's.
  static std::string WeekDayName(uint16_t Index, const std::string& Language, int32_t Length);
  // Month Index 1..12.
  static std::string MonthName(uint16_t Index, const std::string& Language);

  const TPropertyList& Properties() const override;

 private:
  std::unique_ptr<TCalItemStyle> FCaption, FWeekDays, FDays, FEvents;
};

// True for "English" in any ASCII letter case: the built-in names are used.
bool IsEnglishLanguage(const std::string& Language);

// Six upper-case hexadecimal digits RRGGBB, no "#"; system colours resolved to
// their current value through the platform.
std::string ColorToHtml(TColor Color);
// The CSS declarations of one area, each ending in "; ".
std::string ItemStyleToCss(const TCalItemStyle& Style, bool WithBackground);

// One named colour scheme of the gallery.
class TStyleGalleryItem : public TCollectionItem {
 public:
  TStyleGalleryItem();
  std::string Name;
  TCalStyle& Style() { return *FStyle; }
  const TCalStyle& Style() const { return *FStyle; }

  const TPropertyList& Properties() const override;

 private:
  std::unique_ptr<TCalStyle> FStyle;
};

// The gallery of colour schemes, stored in styles.data in the user's data
// folder. Only the style dialog uses it.
class TCalStyleGallery : public TDataStore {
 public:
  TCalStyleGallery();

  TCollection<TStyleGalleryItem>& Items() { return FItems; }
  const TCollection<TStyleGalleryItem>& Items() const { return FItems; }
  int Count() const { return FItems.Count(); }
  TStyleGalleryItem& Item(int Index) const { return FItems.Item(Index); }

  // $XDG_DATA_HOME/Quillbay/styles.data (default ~/.local/share/Quillbay).
  static std::string GalleryFileName();
  // Reads the gallery when the file exists; does nothing otherwise.
  void LoadGallery();
  // Writes the gallery, also when empty; creates the folder when missing.
  void SaveGallery();
  // The first scheme whose name equals Name, letter case ignored by the locale.
  TStyleGalleryItem* FindStyle(const std::string& Name) const;
  void ListNames(std::vector<std::string>& Names) const;

  std::string ClassName() const override { return "TCalStyleGallery"; }
  const TPropertyList& Properties() const override;

 private:
  TCollection<TStyleGalleryItem> FItems;
};
