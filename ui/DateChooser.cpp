#include "ui/DateChooser.h"

#include <QPainter>
#include <QTextCharFormat>

#include <cmath>

#include "platform/Errors.h"
#include "platform/Platform.h"

namespace {

const QDate DayZero(1899, 12, 30);
const QDate FirstDay(1, 1, 1);
const QDate LastDay(9999, 12, 31);

}  // namespace

QDate DateTimeToQDate(TDateTime Date) {
  const double Day = DateOnly(Date);
  if (!std::isfinite(Day) || std::fabs(Day) > 4.0e6) return QDate();
  const QDate Result = DayZero.addDays(static_cast<qint64>(Day));
  if (Result < FirstDay || Result > LastDay) return QDate();
  return Result;
}

TDateTime QDateToDateTime(QDate Date) { return static_cast<TDateTime>(DayZero.daysTo(Date)); }

TDateChooser::TDateChooser(QWidget* Parent) : QCalendarWidget(Parent) {
  setSelectionMode(QCalendarWidget::SingleSelection);
  setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  setFirstDayOfWeek(locale().firstDayOfWeek());
  setDateRange(FirstDay, LastDay);
  // No day is ever marked: every day is painted plain.
  setDateTextFormat(QDate(), QTextCharFormat());
  const QDate Today = DateTimeToQDate(Platform().Now());
  if (Today.isValid()) setSelectedDate(Today);
  resize(191, 154);
  connect(this, &QCalendarWidget::selectionChanged, this, &TDateChooser::SelectionChanged);
  connect(this, &QCalendarWidget::currentPageChanged, this, &TDateChooser::PageChanged);
}

void TDateChooser::Reset() { FLastDate = 0; }

TDateTime TDateChooser::Date() const { return QDateToDateTime(selectedDate()); }

void TDateChooser::SelectDate(TDateTime Date) {
  Date = DateOnly(Date);
  if (Date == FLastDate) return;
  if (OnUnselect && FLastDate != 0) OnUnselect(*this, FLastDate);
  const QDate Day = DateTimeToQDate(Date);
  if (!Day.isValid()) throw EQuillbayError(TMessageId::DateOutsideCalendar);
  FSelecting = true;
  setSelectedDate(Day);
  FSelecting = false;
  if (OnSelect) OnSelect(*this, this->Date());
  FLastDate = Date;
}

void TDateChooser::SelectionChanged() {
  if (FSelecting) return;
  const TDateTime Current = Date();
  if (Current == FLastDate) return;
  if (OnUnselect && FLastDate != 0) OnUnselect(*this, FLastDate);
  if (OnSelect) OnSelect(*this, Current);
  FLastDate = Current;
}

// Scrolling to another month carries the selected day along, to the same day
// number or the last day of a shorter month.
void TDateChooser::PageChanged(int Year, int Month) {
  if (FSelecting) return;
  const QDate Selected = selectedDate();
  if (Selected.year() == Year && Selected.month() == Month) return;
  const QDate First(Year, Month, 1);
  if (!First.isValid()) return;
  setSelectedDate(QDate(Year, Month, std::min(Selected.day(), First.daysInMonth())));
}

void TDateChooser::SetTodayHighlight(bool Value) {
  FTodayHighlight = Value;
  updateCells();
}

QSize TDateChooser::sizeHint() const { return QCalendarWidget::sizeHint().expandedTo(QSize(191, 154)); }

void TDateChooser::paintCell(QPainter* Painter, const QRect& Rect, QDate CellDate) const {
  QCalendarWidget::paintCell(Painter, Rect, CellDate);
  if (!FTodayHighlight || CellDate != DateTimeToQDate(Platform().Now())) return;
  Painter->save();
  Painter->setRenderHint(QPainter::Antialiasing);
  Painter->setPen(QPen(QColor(200, 0, 0), 1.5));
  Painter->setBrush(Qt::NoBrush);
  Painter->drawEllipse(QRectF(Rect).adjusted(1.5, 1.5, -1.5, -1.5));
  Painter->restore();
}
