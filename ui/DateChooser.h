#pragma once
// The month calendar on the left of the main window. Every change of the
// selected day, made by the user (click, keyboard, scrolling to another month)
// or by the program (SelectDate), is announced as OnUnselect with the day left
// and then OnSelect with the new day. The first announcement after creation or
// Reset is an OnSelect alone. The chooser keeps no document: the owner's
// handlers move the day's text, and the owner's HasEvents answers, from the
// document's day index, which days carry text. Those days are marked (bold
// and a corner mark, so that colour is not the only sign); only the cells on
// show get a text format, with an accessible hint. Its colours come from the
// palette and follow it, light or dark.

#include <QCalendarWidget>

#include <functional>

#include "model/CalDate.h"

class TDateChooser;
using TDateChangeEvent = std::function<void(TDateChooser& Sender, TDateTime Date)>;

// Day numbers and QDate; a day number outside the years 1..9999 gives an invalid QDate.
QDate DateTimeToQDate(TDateTime Date);
TDateTime QDateToDateTime(QDate Date);

class TDateChooser : public QCalendarWidget {
  Q_OBJECT
 public:
  // Starts on today's date (the platform's clock); announces nothing.
  explicit TDateChooser(QWidget* Parent = nullptr);

  // Forgets the day last announced: the next announcement is an OnSelect alone.
  void Reset();
  // Moves the selection from the program's side. Nothing happens for the day
  // last announced. A day outside the calendar's range raises an error after
  // OnUnselect ran; the last announced day stays.
  void SelectDate(TDateTime Date);
  // The selected day.
  TDateTime Date() const;
  // The day last announced through OnSelect; 0 when none.
  TDateTime LastDate() const { return FLastDate; }

  // Today's cell is framed unless the owner switches it off.
  void SetTodayHighlight(bool Value);
  bool TodayHighlight() const { return FTodayHighlight; }

  TDateChangeEvent OnUnselect;
  TDateChangeEvent OnSelect;

  // Whether a day has events; unset marks nothing.
  std::function<bool(TDateTime Date)> HasEvents;
  // Days with events are marked unless the owner switches it off.
  void SetMarkDays(bool Value);
  bool MarkDays() const { return FMarkDays; }
  // Reads the marks of the cells on show again (after the document changed).
  void RefreshMarks();
  // Whether a cell carries a mark.
  bool IsMarked(QDate Day) const;

  QSize sizeHint() const override;

 protected:
  void paintCell(QPainter* Painter, const QRect& Rect, QDate CellDate) const override;
  void changeEvent(QEvent* Event) override;

 private:
  void SelectionChanged();
  void PageChanged(int Year, int Month);

  // The week-day row, weekends, days of other months and the navigation bar
  // in colours of the palette that keep text readable.
  void ApplyPaletteColors();

  TDateTime FLastDate = 0;
  bool FTodayHighlight = true;
  bool FMarkDays = true;
  bool FApplyingPalette = false;
  bool FSelecting = false;
};
