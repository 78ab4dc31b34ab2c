#pragma once
// The worked example of a saved document, shared by the tests of the writer
// and of the command-line tool: two events in March 2026 (Spring fair on the
// 5th, a two-line text with an apostrophe on the 17th), the style of a new
// document, C:\Calendars as the export folder and the export settings of a
// fresh document in 2026. 58 lines, each ended by CR LF.

#include <string>

inline const std::string& WorkedExampleText() {
  static const std::string Text = [] {
    std::string T;
    for (const char* Line : {
             "object TEventList",
             "  Items = <",
             "    item",
             "      Date = 46086",
             "      Text = 'Spring fair'",
             "    end",
             "    item",
             "      Date = 46098",
             "      Text = 'Doctor'#39's visit'#13#10'10 am'",
             "    end>",
             "  Style.Caption.Align = 'center'",
             "  Style.Caption.BGColor = 6566450",
             "  Style.Caption.FontName = 'Arial'",
             "  Style.Caption.FontColor = clWhite",
             "  Style.Caption.FontSize = 16",
             "  Style.Caption.FontStyle = [fsBold]",
             "  Style.WeekDays.Align = 'center'",
             "  Style.WeekDays.BGColor = 6566450",
             "  Style.WeekDays.FontName = 'Arial'",
             "  Style.WeekDays.FontColor = clWhite",
             "  Style.WeekDays.FontSize = 12",
             "  Style.WeekDays.FontStyle = [fsBold]",
             "  Style.Days.Align = 'right'",
             "  Style.Days.BGColor = 6566450",
             "  Style.Days.FontName = 'Arial'",
             "  Style.Days.FontColor = clWhite",
             "  Style.Days.FontSize = 10",
             "  Style.Days.FontStyle = [fsBold]",
             "  Style.Events.Align = 'left'",
             "  Style.Events.BGColor = 7877170",
             "  Style.Events.FontName = 'Arial'",
             "  Style.Events.FontColor = clWhite",
             "  Style.Events.FontSize = 10",
             "  Style.Events.FontStyle = []",
             "  Style.BorderColor = 9453632",
             "  Style.BorderWidth = 1",
             "  Style.CellPadding = 3",
             "  Style.ShowYear = True",
             "  Style.ShowCaption = True",
             "  Style.MonthAsString = True",
             "  Style.CaptionBottomMargin = 6",
             "  Style.Title = 'Calendar'",
             "  Style.Width = '100%'",
             "  Style.IsCellWidth = False",
             "  Style.IsCellHeight = False",
             "  Style.CellWidth = 120",
             "  Style.CellHeight = 90",
             "  Style.BGColor = clBlack",
             "  Style.WeekDaysLength = 0",
             "  Style.WrapEvents = False",
             "  Style.BlankEventsText = '<br>'",
             "  Style.HideBanner = False",
             "  DefaultFolder = 'C:\\Calendars'",
             "  ExportYear = 2026",
             "  ExportCols = 1",
             "  ColSpacing = 30",
             "  RowSpacing = 15",
             "end",
         })
      T += std::string(Line) + "\r\n";
    return T;
  }();
  return Text;
}
