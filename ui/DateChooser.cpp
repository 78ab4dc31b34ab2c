#include "ui/DateChooser.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>
#include <QTextCharFormat>

#include <cmath>

#include "platform/Errors.h"
#include "platform/Platform.h"
#include "ui/Contrast.h"

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
  setDateTextFormat(QDate(), QTextCharFormat());
  ApplyPaletteColors();
  const QDate Today = DateTimeToQDate(Platform().Now());
  if (Today.isValid()) setSelectedDate(Today);
  resize(191, 154);
  connect(this, &QCalendarWidget::selectionChanged, this, &TDateChooser::SelectionChanged);
  connect(this, &QCalendarWidget::currentPageChanged, this, &TDateChooser::PageChanged);
  connect(this, &QCalendarWidget::currentPageChanged, this, [this] { RefreshMarks(); });
}

void TDateChooser::Reset() { FLastDate = 0; }

TDateTime TDateChooser::Date() const { return QDateToDateTime(selectedDate()); }

void TDateChooser::SelectDate(TDateTime Date) {
  Date = DateOnly(Date);
  if (Date == FLastDate) return;
  if (OnUnselect && FLastDate != 0) OnUnselect(*this, FLastDate);
  const QDate Day = DateTimeToQDate(Date);
  if (!Day.isValid()) throw EQuillbayError("Date is outside the calendar's range");
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

void TDateChooser::SetMarkDays(bool Value) {
  FMarkDays = Value;
  RefreshMarks();
}

bool TDateChooser::IsMarked(QDate Day) const {
  return FMarkDays && HasEvents && Day.isValid() && HasEvents(QDateToDateTime(Day));
}

// Only the weeks on show carry a format (the six weeks from the one that holds
// the first of the month, and the week before, which Qt shows when the month
// starts a week): a page change or a change of the document rewrites them.
void TDateChooser::RefreshMarks() {
  setDateTextFormat(QDate(), QTextCharFormat());
  const QDate First(yearShown(), monthShown(), 1);
  if (!First.isValid()) return;
  QTextCharFormat Marked;
  Marked.setFontWeight(QFont::Bold);
  Marked.setToolTip(tr("Has events"));
  const int Lead = (First.dayOfWeek() - firstDayOfWeek() + 7) % 7;
  const QDate Start = First.addDays(-Lead - 7);
  for (QDate Day = Start; Day < Start.addDays(49); Day = Day.addDays(1))
    if (IsMarked(Day)) setDateTextFormat(Day, Marked);
  updateCells();
}

void TDateChooser::changeEvent(QEvent* Event) {
  QCalendarWidget::changeEvent(Event);
  if (Event->type() == QEvent::PaletteChange && !FApplyingPalette) ApplyPaletteColors();
}

void TDateChooser::ApplyPaletteColors() {
  FApplyingPalette = true;
  const QPalette Pal = palette();
  const QColor Base = Pal.color(QPalette::Base);
  // The week-day row: the palette's text on its alternate base, or on the
  // window colour where a dark palette keeps a light alternate base.
  const bool Dark = IsDarkPalette(Pal);
  const QColor Header = (Pal.color(QPalette::AlternateBase).lightness() < 128) == Dark
                            ? Pal.color(QPalette::AlternateBase)
                            : Pal.color(QPalette::Window);
  QTextCharFormat HeaderFormat;
  HeaderFormat.setBackground(Header);
  HeaderFormat.setForeground(ReadableOn(Pal.color(QPalette::Text), {Header}));
  setHeaderTextFormat(HeaderFormat);
  // Weekends in red, lighter on a dark palette, darker on a light one.
  QTextCharFormat Weekend;
  Weekend.setForeground(ReadableOn(QColor(220, 0, 0), {Base, Header}));
  QTextCharFormat Weekday;
  Weekday.setForeground(ReadableOn(Pal.color(QPalette::Text), {Base, Header}));
  for (int Day = Qt::Monday; Day <= Qt::Sunday; ++Day) {
    const auto D = static_cast<Qt::DayOfWeek>(Day);
    setWeekdayTextFormat(D, D == Qt::Saturday || D == Qt::Sunday ? Weekend : Weekday);
  }
  // Days of the neighbouring months are shown in the disabled text colour,
  // which must still be readable.
  if (auto* View = findChild<QAbstractItemView*>()) {
    QPalette ViewPalette = Pal;
    ViewPalette.setColor(QPalette::Disabled, QPalette::Text,
                         ReadableOn(Pal.color(QPalette::Disabled, QPalette::Text), {Base}));
    View->setPalette(ViewPalette);
  }
  // The navigation bar: the palette's highlight, deepened where its text
  // would not stand out.
  if (auto* Bar = findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"))) {
    QPalette BarPalette = Bar->palette();
    const QColor Text = Pal.color(QPalette::HighlightedText);
    const QColor Background = BackgroundFor(Text, Pal.color(QPalette::Highlight));
    BarPalette.setColor(Bar->backgroundRole(), Background);
    for (QPalette::ColorRole Role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
      BarPalette.setColor(Role, Text);
    Bar->setPalette(BarPalette);
    for (QWidget* Child : Bar->findChildren<QWidget*>()) {
      QPalette ChildPalette = Child->palette();
      for (QPalette::ColorRole Role : {QPalette::WindowText, QPalette::ButtonText})
        ChildPalette.setColor(Role, Text);
      ChildPalette.setColor(QPalette::Window, Background);
      ChildPalette.setColor(QPalette::Button, Background);
      Child->setPalette(ChildPalette);
    }
  }
  FApplyingPalette = false;
}

void TDateChooser::paintCell(QPainter* Painter, const QRect& Rect, QDate CellDate) const {
  QCalendarWidget::paintCell(Painter, Rect, CellDate);
  if (IsMarked(CellDate)) {
    // A filled corner in the colour of the cell's text: a shape, not a colour alone.
    const int Size = std::max(4, std::min(Rect.width(), Rect.height()) / 3);
    const QColor Ink = CellDate == selectedDate() ? palette().color(QPalette::HighlightedText)
                                                  : palette().color(QPalette::Text);
    const QPointF Corner(Rect.right() + 1, Rect.top());
    const QPointF Triangle[] = {Corner, Corner - QPointF(Size, 0), Corner + QPointF(0, Size)};
    Painter->save();
    Painter->setRenderHint(QPainter::Antialiasing);
    Painter->setPen(Qt::NoPen);
    Painter->setBrush(Ink);
    Painter->drawPolygon(Triangle, 3);
    Painter->restore();
  }
  if (!FTodayHighlight || CellDate != DateTimeToQDate(Platform().Now())) return;
  Painter->save();
  Painter->setRenderHint(QPainter::Antialiasing);
  Painter->setPen(QPen(QColor(200, 0, 0), 1.5));
  Painter->setBrush(Qt::NoBrush);
  Painter->drawEllipse(QRectF(Rect).adjusted(1.5, 1.5, -1.5, -1.5));
  Painter->restore();
}
