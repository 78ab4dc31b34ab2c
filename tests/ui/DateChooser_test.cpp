#include "ui/DateChooser.h"

#include <gtest/gtest.h>
#include <QSet>
#include <QTableView>
#include <QTest>
#include <QTextCharFormat>
#include <QToolButton>

#include <string>
#include <vector>

#include "model/CalDate.h"
#include "platform/Errors.h"
#include "tests/support/FakePlatform.h"
#include "tests/ui/DarkPalette.h"
#include "ui/Contrast.h"

namespace {

// The fake clock says 5 March 2026; every announcement is logged as
// "U 2026-03-05" or "S 2026-03-06".
class DateChooserTest : public ::testing::Test {
 protected:
  DateChooserTest() : Scope(Fake) {
    Chooser = std::make_unique<TDateChooser>();
    Chooser->resize(260, 200);
    Chooser->show();
    Chooser->OnUnselect = [this](TDateChooser& Sender, TDateTime Date) { Record(Sender, "U", Date); };
    Chooser->OnSelect = [this](TDateChooser& Sender, TDateTime Date) { Record(Sender, "S", Date); };
  }

  void Record(TDateChooser& Sender, const char* Kind, TDateTime Date) {
    EXPECT_EQ(&Sender, Chooser.get());
    Log.push_back(std::string(Kind) + " " + DateTimeToQDate(Date).toString(Qt::ISODate).toStdString());
  }

  QTableView* View() const { return Chooser->findChild<QTableView*>(); }

  // Clicks the cell of Day in the month on show (Day 1..14: its first occurrence).
  void ClickDay(int Day) {
    QTableView* Table = View();
    ASSERT_NE(Table, nullptr);
    for (int Row = 0; Row < Table->model()->rowCount(); ++Row)
      for (int Col = 0; Col < Table->model()->columnCount(); ++Col) {
        const QModelIndex Index = Table->model()->index(Row, Col);
        if (Table->model()->data(Index).toString() != QString::number(Day)) continue;
        QTest::mouseClick(Table->viewport(), Qt::LeftButton, {}, Table->visualRect(Index).center());
        return;
      }
    FAIL() << "no cell for day " << Day;
  }

  TFakePlatform Fake;
  TScopedPlatform Scope;
  std::unique_ptr<TDateChooser> Chooser;
  std::vector<std::string> Log;
};

using Strings = std::vector<std::string>;

TEST_F(DateChooserTest, StartsOnTodayWithoutAnnouncing) {
  EXPECT_EQ(Chooser->selectedDate(), QDate(2026, 3, 5));
  EXPECT_EQ(Chooser->Date(), 46086);
  EXPECT_EQ(Chooser->LastDate(), 0);
  EXPECT_TRUE(Log.empty());
  EXPECT_EQ(Chooser->selectionMode(), QCalendarWidget::SingleSelection);
}

TEST_F(DateChooserTest, FirstSelectionIsAnnouncedAloneThenInPairs) {
  Chooser->SelectDate(46086);
  Chooser->SelectDate(46086);
  Chooser->SelectDate(EncodeDate(2026, 7, 14));
  EXPECT_EQ(Log, (Strings{"S 2026-03-05", "U 2026-03-05", "S 2026-07-14"}));
  EXPECT_EQ(Chooser->selectedDate(), QDate(2026, 7, 14));
  EXPECT_EQ(Chooser->monthShown(), 7);
}

TEST_F(DateChooserTest, ResetForgetsTheLastDay) {
  Chooser->SelectDate(46086);
  Chooser->Reset();
  EXPECT_EQ(Chooser->LastDate(), 0);
  Chooser->SelectDate(46086);
  EXPECT_EQ(Log, (Strings{"S 2026-03-05", "S 2026-03-05"}));
}

TEST_F(DateChooserTest, UserClickAnnouncesTheOldDayThenTheNew) {
  Chooser->SelectDate(46086);
  Log.clear();
  ClickDay(12);
  EXPECT_EQ(Log, (Strings{"U 2026-03-05", "S 2026-03-12"}));
  ClickDay(12);
  EXPECT_EQ(Log.size(), 2u) << "a click on the selected day announces nothing";
  EXPECT_EQ(Chooser->LastDate(), EncodeDate(2026, 3, 12));
}

TEST_F(DateChooserTest, KeyboardChangesAreAnnounced) {
  Chooser->SelectDate(46086);
  Log.clear();
  View()->setFocus();
  QTest::keyClick(View(), Qt::Key_Right);
  EXPECT_EQ(Log, (Strings{"U 2026-03-05", "S 2026-03-06"}));
}

TEST_F(DateChooserTest, ScrollingToAnotherMonthCarriesTheDayAlong) {
  Chooser->SelectDate(EncodeDate(2026, 1, 31));
  Log.clear();
  auto* Next = Chooser->findChild<QToolButton*>("qt_calendar_nextmonth");
  ASSERT_NE(Next, nullptr);
  QTest::mouseClick(Next, Qt::LeftButton);
  EXPECT_EQ(Chooser->selectedDate(), QDate(2026, 2, 28));
  auto* Previous = Chooser->findChild<QToolButton*>("qt_calendar_prevmonth");
  ASSERT_NE(Previous, nullptr);
  QTest::mouseClick(Previous, Qt::LeftButton);
  EXPECT_EQ(Log, (Strings{"U 2026-01-31", "S 2026-02-28", "U 2026-02-28", "S 2026-01-28"}));
  Chooser->setCurrentPage(2026, 6);
  EXPECT_EQ(Log.back(), "S 2026-06-28") << "paging from the program side too";
}

TEST_F(DateChooserTest, UnsetNotificationsAreSkippedAndTheLastDayStillFollows) {
  Chooser->OnUnselect = nullptr;
  Chooser->SelectDate(46086);
  Chooser->SelectDate(46087);
  EXPECT_EQ(Log, (Strings{"S 2026-03-05", "S 2026-03-06"}));
  Chooser->OnSelect = nullptr;
  ClickDay(10);
  EXPECT_EQ(Chooser->LastDate(), EncodeDate(2026, 3, 10));
  EXPECT_EQ(Log.size(), 2u);
}

TEST_F(DateChooserTest, DayOutsideTheRangeFailsAfterUnselectAndKeepsTheLastDay) {
  Chooser->SelectDate(46086);
  Log.clear();
  EXPECT_THROW(Chooser->SelectDate(-700000), EQuillbayError);
  EXPECT_EQ(Log, (Strings{"U 2026-03-05"}));
  EXPECT_EQ(Chooser->LastDate(), 46086);
  EXPECT_EQ(Chooser->selectedDate(), QDate(2026, 3, 5));
}

TEST_F(DateChooserTest, NoDayIsBoldAndWeeksFollowTheLocale) {
  EXPECT_TRUE(Chooser->dateTextFormat().isEmpty());
  for (int Day = Qt::Monday; Day <= Qt::Sunday; ++Day)
    EXPECT_FALSE(Chooser->weekdayTextFormat(static_cast<Qt::DayOfWeek>(Day)).font().bold()) << Day;
  EXPECT_EQ(Chooser->firstDayOfWeek(), Chooser->locale().firstDayOfWeek());
}

TEST_F(DateChooserTest, TodayHighlightCanBeSwitchedOff) {
  const QImage With = Chooser->grab().toImage();
  Chooser->SetTodayHighlight(false);
  const QImage Without = Chooser->grab().toImage();
  EXPECT_NE(With, Without);
  Chooser->SelectDate(46090);
  EXPECT_EQ(Chooser->selectedDate(), QDate(2026, 3, 9));
}

TEST(DateConversion, DayNumbersAndDates) {
  EXPECT_EQ(DateTimeToQDate(0), QDate(1899, 12, 30));
  EXPECT_EQ(DateTimeToQDate(46086.75), QDate(2026, 3, 5));
  EXPECT_EQ(QDateToDateTime(QDate(2026, 3, 5)), 46086);
  EXPECT_EQ(QDateToDateTime(QDate(1, 1, 1)), -693593);
  EXPECT_FALSE(DateTimeToQDate(-693594).isValid());
  EXPECT_FALSE(DateTimeToQDate(2958466).isValid());
  EXPECT_EQ(DateTimeToQDate(2958465), QDate(9999, 12, 31));
}

}  // namespace

TEST_F(DateChooserTest, DaysWithEventsAreMarkedOnlyInTheCellsOnShow) {
  const QSet<QDate> Events = {QDate(2026, 3, 14), QDate(2026, 3, 21), QDate(2026, 6, 1)};
  const QImage Plain = Chooser->grab().toImage();
  Chooser->HasEvents = [&Events](TDateTime Date) { return Events.contains(DateTimeToQDate(Date)); };
  Chooser->RefreshMarks();
  EXPECT_TRUE(Chooser->IsMarked(QDate(2026, 3, 14)));
  EXPECT_FALSE(Chooser->IsMarked(QDate(2026, 3, 13)));
  const QTextCharFormat Marked = Chooser->dateTextFormat(QDate(2026, 3, 21));
  EXPECT_EQ(Marked.fontWeight(), QFont::Bold);
  EXPECT_EQ(Marked.toolTip(), "Has events") << "what a screen reader tells of the cell";
  EXPECT_EQ(Chooser->dateTextFormat().size(), 2) << "June is not on show";
  EXPECT_NE(Chooser->grab().toImage(), Plain);

  // Every day of the calendar with events: still only the cells on show get a format.
  Chooser->HasEvents = [](TDateTime) { return true; };
  Chooser->RefreshMarks();
  EXPECT_LE(Chooser->dateTextFormat().size(), 7 * 7) << "six weeks on show and the week before";
  Chooser->setCurrentPage(2026, 6);
  EXPECT_TRUE(Chooser->dateTextFormat().contains(QDate(2026, 6, 30)));
  EXPECT_FALSE(Chooser->dateTextFormat().contains(QDate(2026, 3, 14)));

  Chooser->SetMarkDays(false);
  EXPECT_TRUE(Chooser->dateTextFormat().isEmpty());
  EXPECT_FALSE(Chooser->IsMarked(QDate(2026, 6, 1)));
}

TEST(Contrast, RatiosAreThoseOfWcag) {
  EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(Qt::white, Qt::white), 1.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);  // the lightest grey for text
  EXPECT_NEAR(ContrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
  EXPECT_NEAR(ContrastRatio(Qt::red, Qt::white), 4.0, 0.01);
}

TEST_F(DateChooserTest, UnderADarkPaletteEveryTextKeepsItsContrast) {
  Chooser->HasEvents = [](TDateTime Date) { return static_cast<int>(Date) % 3 == 0; };
  for (const QPalette& Palette : {QPalette(), DarkPalette()}) {
    Chooser->setPalette(Palette);
    QTableView* Table = View();
    int Checked = 0;
    for (int Row = 0; Row < Table->model()->rowCount(); ++Row)
      for (int Col = 0; Col < Table->model()->columnCount(); ++Col) {
        const QModelIndex Index = Table->model()->index(Row, Col);
        if (Table->model()->data(Index).toString().isEmpty()) continue;
        const QColor Text = qvariant_cast<QColor>(Table->model()->data(Index, Qt::ForegroundRole));
        const QColor Ground = qvariant_cast<QColor>(Table->model()->data(Index, Qt::BackgroundRole));
        EXPECT_GE(ContrastRatio(Text, Ground), ReadableContrast)
            << Table->model()->data(Index).toString().toStdString() << ": " << Text.name().toStdString()
            << " on " << Ground.name().toStdString();
        ++Checked;
      }
    EXPECT_EQ(Checked, 7 + 42) << "the week-day row and six weeks";
    if (IsDarkPalette(Palette)) {
      const QColor Header =
          qvariant_cast<QColor>(Table->model()->data(Table->model()->index(0, 1), Qt::BackgroundRole));
      EXPECT_LT(Header.lightness(), 128) << "the week-day row is dark too";
    }
    auto* Bar = Chooser->findChild<QWidget*>("qt_calendar_navigationbar");
    ASSERT_NE(Bar, nullptr);
    for (QWidget* Button : Bar->findChildren<QToolButton*>())
      EXPECT_GE(ContrastRatio(Button->palette().color(QPalette::ButtonText),
                              Bar->palette().color(Bar->backgroundRole())),
                ReadableContrast);
  }
}
