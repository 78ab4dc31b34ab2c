#include "ui/StyleDlg.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <filesystem>
#include <memory>

#include "generator/Globals.h"
#include "model/CalStyle.h"
#include "model/DataLib.h"
#include "model/EventList.h"
#include "model/ObjectText.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/AppFont.h"
#include "tests/ui/CaptionCheck.h"
#include "tests/ui/DarkPalette.h"
#include "ui/EditLib.h"
#include "ui/ParaEdit.h"
#include "ui/StylePreview.h"
#include "ui/Translations.h"

using namespace StylePreview;

namespace {

// Writes a file, making its folder first.
void WriteFile(const std::string& FileName, const std::string& Data) {
  std::filesystem::create_directories(std::filesystem::path(FileName).parent_path());
  WriteFileBytes(FileName, Data);
}

// The ten colours that a scheme carries.
std::vector<TColor> Colors(const TCalStyle& S) {
  return {S.Caption().FontColor,  S.Caption().BGColor,
          S.WeekDays().FontColor, S.WeekDays().BGColor,
          S.Days().FontColor,     S.Days().BGColor,
          S.Events().FontColor,   S.Events().BGColor,
          S.BorderColor,          S.BGColor};
}

// A style unlike the defaults in every colour and font.
void MakeVerdanaScheme(TCalStyle& S) {
  S.ResetToDefaults();
  for (TCalItemStyle* Item : {&S.Caption(), &S.WeekDays(), &S.Days(), &S.Events()}) {
    Item->FontName = "Verdana";
    Item->FontSize = 20;
    Item->Align = "left";
  }
  S.Caption().FontColor = 0x000011;
  S.Caption().BGColor = 0x000022;
  S.WeekDays().FontColor = 0x000033;
  S.WeekDays().BGColor = 0x000044;
  S.Days().FontColor = 0x000055;
  S.Days().BGColor = 0x000066;
  S.Events().FontColor = 0x000077;
  S.Events().BGColor = 0x000088;
  S.BorderColor = 0x000099;
  S.BGColor = 0x0000AA;
  S.BorderWidth = 7;
}

}  // namespace

// ---------------------------------------------------------------------------
// The dialog

class StyleFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string Root = Temp.Path();
    Fake.FDataFolder = Root + "/data";
    Fake.FSharedDataFolder = Root + "/shared";
    Fake.FTempFolder = Root;
    Fake.FProgramFolder = Root;
    Document.Style().ResetToDefaults();
    Document.Style().Language = "English";
  }

  std::string UserGallery() const { return Fake.FDataFolder + "/styles.data"; }

  TStyleForm& Open() {
    Form = std::make_unique<TStyleForm>(nullptr, Document, Document.Style(), EncodeDate(2026, 3, 5));
    Form->LoadFromStyle(Document.Style(), false);
    Form->ShowPage(spGeneral);
    return *Form;
  }
  // Closing the dialog saves the gallery.
  void Close() { Form.reset(); }

  void WriteGallery(const std::string& FileName,
                    std::initializer_list<std::pair<const char*, bool>> Schemes) {
    TCalStyleGallery G;
    for (auto [Name, Verdana] : Schemes) {
      TStyleGalleryItem& Item = G.Items().Add();
      Item.Name = Name;
      if (Verdana)
        MakeVerdanaScheme(Item.Style());
      else
        Item.Style().ResetToDefaults();
    }
    WriteFile(FileName, WriteObjectText(G, G.ClassName()));
  }

  std::vector<std::string> SavedNames() {
    TCalStyleGallery G;
    G.LoadFromFile(UserGallery());
    std::vector<std::string> Names;
    G.ListNames(Names);
    return Names;
  }

  TTempFolder Temp;
  TFakePlatform Fake;
  TScopedPlatform ScopedPlatform{Fake};
  TScriptedDialogs Dialogs;
  TScopedUserDialogs ScopedDialogs{Dialogs};
  TEventList Document;
  std::unique_ptr<TStyleForm> Form;
};

TEST_F(StyleFormTest, OpensCleanOnGeneralWithTheDefaultAreasRecorded) {
  TStyleForm& F = Open();
  EXPECT_EQ(F.windowTitle(), "Calendar Style");
  EXPECT_EQ(F.PageControl->currentIndex(), spGeneral);
  EXPECT_EQ(F.PageControl->count(), 6);
  EXPECT_EQ(F.PageControl->tabText(2), "Wee&k Days");
  EXPECT_FALSE(F.btnApply->isEnabled());
  EXPECT_FALSE(F.btnReset->isEnabled());
  EXPECT_TRUE(F.lblArrow->isHidden());
  EXPECT_EQ(F.cbxStyle->currentIndex(), -1);
  EXPECT_FALSE(F.btnDeleteStyle->isEnabled());
  EXPECT_EQ(F.pbxPreview->size(), QSize(201, 259));
  // At 15 unless the arrow beside it is wider than the gap.
  EXPECT_EQ(F.pbxPreview->pos(), QPoint(std::max(15, 3 + F.lblArrow->width() + 1), 31));
  EXPECT_EQ(F.pbxPreview->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(F.petCaption->SampleText(), "July 2001");

  EXPECT_EQ(F.Areas().CaptionArea, (TRect{5, 5, 196, 50}));
  EXPECT_EQ(F.Areas().WeekDaysArea, (TRect{6, 57, 195, 87}));
  EXPECT_EQ(F.Areas().DaysArea[0], (TRect{6, 88, 195, 112}));
  EXPECT_EQ(F.Areas().EventsArea[0], (TRect{6, 112, 195, 142}));
  EXPECT_EQ(F.Areas().DaysArea[1], (TRect{6, 143, 195, 167}));
  EXPECT_EQ(F.Areas().EventsArea[1], (TRect{6, 167, 195, 197}));
}

TEST_F(StyleFormTest, BorderWidthChangeRepaintsTheAreasAndEnablesApply) {
  TStyleForm& F = Open();
  F.edtBorderWidth->SetValue(20);
  EXPECT_EQ(F.Areas().WeekDaysArea, (TRect{25, 76, 176, 106}));
  EXPECT_TRUE(F.btnApply->isEnabled());
  EXPECT_TRUE(F.btnReset->isEnabled());

  // Typed digits beyond the limit read as 20 and never reach the style.
  F.edtBorderWidth->SetValue(99);
  EXPECT_EQ(F.Areas().WeekDaysArea.Left, 25);
  F.btnApplyClick();
  EXPECT_EQ(Document.Style().BorderWidth, 20);
}

TEST_F(StyleFormTest, ThreeDigitNumbersShowWholeAndAreStoredAtTheirLimits) {
  Document.Style().BorderWidth = 150;
  Document.Style().CellPadding = 150;
  Document.Style().CaptionBottomMargin = 150;
  TStyleForm& F = Open();
  for (TNaturalEdit* Edit : {F.edtBorderWidth, F.edtCellPadding, F.edtCaptionBottomMargin}) {
    EXPECT_EQ(Edit->text(), "150");
    Edit->setCursorPosition(3);
    QTest::keyClick(Edit, Qt::Key_7);
    EXPECT_EQ(Edit->text(), "150") << "typing still stops at two characters";
  }
  F.StoreToStyle(Document.Style());
  EXPECT_EQ(Document.Style().BorderWidth, 20);
  EXPECT_EQ(Document.Style().CellPadding, 20);
  EXPECT_EQ(Document.Style().CaptionBottomMargin, 50);
}

TEST_F(StyleFormTest, PaintingDrawsTheControlsValues) {
  TStyleForm& F = Open();
  F.cetBGColor->SetColor(0x00FF00);             // page background, green
  F.cetBorderColor->SetColor(0x0000FF);         // grid, red
  F.petEvents->cetBGColor->SetColor(0xFF0000);  // cells, blue
  F.StyleChanged();
  const QImage Image = F.pbxPreview->grab().toImage();
  EXPECT_EQ(Image.pixelColor(2, 2), QColor(0, 255, 0));
  EXPECT_EQ(Image.pixelColor(100, 87), QColor(255, 0, 0)) << "grid line under the week days";
  EXPECT_EQ(Image.pixelColor(190, 190), QColor(0, 0, 255)) << "event cell";
  EXPECT_EQ(Image.pixelColor(190, 110), QColor(0, 0, 255)) << "day strip on the Events background";
  EXPECT_EQ(Image.pixelColor(100, 240), QColor(0, 255, 0)) << "page again under the last row";
  EXPECT_EQ(F.petDays->cetBGColor->Color(), 0xFF0000);
}

TEST_F(StyleFormTest, PreviewPaintsTheSampleMonthsDaysInTheChosenWeekOrder) {
  TStyleForm& F = Open();
  F.cbxWeekStart->setCurrentIndex(1);  // Monday: 2 and 3 July 2001 end the excerpt
  F.pbxPreview->grab();
  EXPECT_EQ(F.petDays->SampleText(), "3");
  EXPECT_EQ(F.petEvents->SampleText(), "Events 3");
}

TEST_F(StyleFormTest, ClickSelectsThePageAndTheArrowFollows) {
  TStyleForm& F = Open();
  F.show();
  QTest::mouseClick(F.pbxPreview, Qt::LeftButton, {}, QPoint(50, 70));
  EXPECT_EQ(F.PageControl->currentIndex(), spWeekDays);
  EXPECT_FALSE(F.lblArrow->isHidden());
  EXPECT_EQ(F.lblArrow->x(), 3);
  EXPECT_EQ(F.lblArrow->y(), 31 + 57 + (30 - F.lblArrow->height()) / 2);

  QTest::mouseClick(F.pbxPreview, Qt::RightButton, {}, QPoint(150, 180));
  EXPECT_EQ(F.PageControl->currentIndex(), spEvents);
  EXPECT_EQ(F.lblArrow->y(), 31 + 112 + (30 - F.lblArrow->height()) / 2) << "the first event row";

  QTest::mouseClick(F.pbxPreview, Qt::LeftButton, {}, QPoint(100, 20));
  EXPECT_EQ(F.PageControl->currentIndex(), spCaption);
  EXPECT_FALSE(F.lblArrow->isHidden());

  QTest::mouseClick(F.pbxPreview, Qt::LeftButton, {}, QPoint(100, 87));
  EXPECT_EQ(F.PageControl->currentIndex(), spGeneral) << "grid line";
  EXPECT_TRUE(F.lblArrow->isHidden());

  F.PageControl->setCurrentIndex(spHTML);
  EXPECT_TRUE(F.lblArrow->isHidden());
  F.PageControl->setCurrentIndex(spDays);
  EXPECT_FALSE(F.lblArrow->isHidden());
  EXPECT_EQ(F.lblArrow->y(), 31 + 88 + (24 - F.lblArrow->height()) / 2);
}

TEST_F(StyleFormTest, TheArrowIsWholeAndNeverCoveredByThePreviewAlsoInALargeFont) {
  for (int PointSize : {9, 14}) {
    const TScopedAppFontSize Large(PointSize);
    TStyleForm& F = Open();
    F.show();
    F.ShowPage(spCaption);
    ASSERT_FALSE(F.lblArrow->isHidden());
    EXPECT_GE(F.lblArrow->width(), F.lblArrow->sizeHint().width()) << PointSize << " pt";
    EXPECT_FALSE(F.lblArrow->geometry().intersects(F.pbxPreview->geometry())) << PointSize << " pt";
    EXPECT_TRUE(F.pnlPreview->rect().contains(F.lblArrow->geometry())) << PointSize << " pt";
    EXPECT_EQ(F.pbxPreview->size(), QSize(201, 259));
    Close();
  }
}

TEST_F(StyleFormTest, EveryCaptionShowsWholeInEveryLanguageAndTheStyleKeepsItsEnglishValues) {
  for (const QLocale& Locale : {QLocale::c(), QLocale("de_DE"), QLocale("es_ES"), QLocale("fr_FR"),
                                QLocale("it_IT"), QLocale("nl_NL")}) {
    InstallTranslations(Locale, {QUILLBAY_QM_DIR});
    TStyleForm& F = Open();
    F.show();
    for (int Page = 0; Page < F.PageControl->count(); ++Page) {
      F.PageControl->setCurrentIndex(Page);
      QTest::qWait(10);
      EXPECT_EQ(CutCaptions(F).join(", ").toStdString(), "")
          << Locale.name().toStdString() << ", page " << Page;
    }
    TCalStyle Stored;
    F.StoreToStyle(Stored);
    EXPECT_EQ(Stored.Language, "English") << "whatever the window's language";
    EXPECT_EQ(Stored.Caption().Align, "center");
    if (Locale.language() == QLocale::German) {
      EXPECT_EQ(F.windowTitle(), "Kalenderstil");
      EXPECT_EQ(F.cbxLanguage->currentText(), "Englisch");
      EXPECT_EQ(F.petCaption->cbxAlign->currentText(), "zentriert");
    }
    Close();
  }
  RemoveTranslations();
}

TEST_F(StyleFormTest, UntickedShowMovesTheTableUpAndDisablesButKeepsTheCaptionValues) {
  Document.Style().MonthAsString = false;
  TStyleForm& F = Open();
  F.ShowPage(spCaption);
  EXPECT_FALSE(F.lblArrow->isHidden());
  F.cbxShowCaption->setChecked(false);

  EXPECT_TRUE(F.lblArrow->isHidden()) << "no arrow on the Caption page without a caption";
  EXPECT_EQ(F.Areas().WeekDaysArea.Top, 6);
  EXPECT_FALSE(F.cbxShowYear->isEnabled());
  EXPECT_FALSE(F.rbnStrMonth->isEnabled());
  EXPECT_FALSE(F.rbnNumMonth->isEnabled());
  EXPECT_FALSE(F.petCaption->cbxAlign->isEnabled());
  EXPECT_TRUE(F.btnApply->isEnabled());
  F.pbxPreviewMouseDown(50, 20);
  EXPECT_EQ(F.PageControl->currentIndex(), spWeekDays) << "the area painted where the caption was";

  F.StoreToStyle(Document.Style());
  EXPECT_FALSE(Document.Style().ShowCaption);
  EXPECT_TRUE(Document.Style().ShowYear);
  EXPECT_FALSE(Document.Style().MonthAsString);
  EXPECT_EQ(Document.Style().Caption().FontSize, 16);
  EXPECT_EQ(Document.Style().Caption().Align, "center");
}

TEST_F(StyleFormTest, CaptionSampleFollowsTheMonthFormAndYear) {
  TStyleForm& F = Open();
  F.rbnNumMonth->setChecked(true);
  EXPECT_EQ(F.petCaption->SampleText(), "07/2001");
  F.cbxShowYear->setChecked(false);
  EXPECT_EQ(F.petCaption->SampleText(), "07");
  F.rbnStrMonth->setChecked(true);
  EXPECT_EQ(F.petCaption->SampleText(), "July");
  Fake.MonthNames[7] = "Juli";
  F.cbxLanguage->setCurrentIndex(1);
  EXPECT_EQ(F.petCaption->SampleText(), "Juli");
  EXPECT_TRUE(F.btnApply->isEnabled());
}

TEST_F(StyleFormTest, EmptyOrUnknownLanguageShowsDefaultAndIsStoredAsItWas) {
  // An empty or unknown language gives the locale's names on the pages, as "Default" does.
  for (const char* Stored : {"", "Klingon", "dEfAuLt", "english"}) {
    Document.Style().Language = Stored;
    TStyleForm& F = Open();
    EXPECT_EQ(F.cbxLanguage->currentText(), std::string(Stored) == "english" ? "English" : "Default")
        << Stored;
    F.StoreToStyle(Document.Style());
    EXPECT_EQ(Document.Style().Language, Stored) << "stored untouched";
    F.cbxLanguage->setCurrentIndex(1 - F.cbxLanguage->currentIndex());
    F.StoreToStyle(Document.Style());
    EXPECT_EQ(Document.Style().Language, std::string(Stored) == "english" ? "Default" : "English")
        << "a choice is stored as chosen";
    Close();
  }
}

TEST_F(StyleFormTest, WeekDaysLengthThreeTicksNoneAndIsStoredAsZero) {
  Document.Style().WeekDaysLength = 3;
  TStyleForm& F = Open();
  EXPECT_FALSE(F.rbnFullNames->isChecked());
  EXPECT_FALSE(F.rbnShortNames->isChecked());
  EXPECT_FALSE(F.rbnCharNames->isChecked());
  EXPECT_FALSE(F.btnApply->isEnabled());
  F.StoreToStyle(Document.Style());
  EXPECT_EQ(Document.Style().WeekDaysLength, 0);

  Document.Style().WeekDaysLength = 2;
  F.LoadFromStyle(Document.Style(), false);
  EXPECT_TRUE(F.rbnCharNames->isChecked());
  EXPECT_EQ(F.WeekDaysLengthChoice(), 2);
}

TEST_F(StyleFormTest, CellWidthTickSwapsTheWidthsWithoutEnablingApply) {
  TStyleForm& F = Open();
  EXPECT_TRUE(F.edtWidth->isEnabled());
  EXPECT_FALSE(F.edtCellWidth->isEnabled());
  EXPECT_FALSE(F.edtCellHeight->isEnabled());
  F.cbxCellWidth->setChecked(true);
  F.cbxCellHeight->setChecked(true);
  F.edtCellWidth->SetValue(200);
  F.cbxWarpEvents->setChecked(true);
  F.edtBlankEventsText->setText("-");
  EXPECT_FALSE(F.edtWidth->isEnabled());
  EXPECT_TRUE(F.edtCellWidth->isEnabled());
  EXPECT_TRUE(F.edtCellHeight->isEnabled());
  EXPECT_FALSE(F.btnApply->isEnabled()) << "controls without a handler leave the Apply state";

  F.StoreToStyle(Document.Style());
  EXPECT_TRUE(Document.Style().IsCellWidth);
  EXPECT_EQ(Document.Style().CellWidth, 200);
  EXPECT_EQ(Document.Style().Width, "100%");
  EXPECT_TRUE(Document.Style().WrapEvents);
  EXPECT_EQ(Document.Style().BlankEventsText, "-");
}

TEST_F(StyleFormTest, TextsEnableApplyAndHeaderLinesKeepCrLf) {
  Document.Style().Header = "<h1>Club</h1>\r\n<p>News</p>";
  TStyleForm& F = Open();
  EXPECT_EQ(F.mmHeader->toPlainText(), "<h1>Club</h1>\n<p>News</p>");
  F.mmFooter->setPlainText("a\nb");
  EXPECT_TRUE(F.btnApply->isEnabled());
  F.btnApplyClick();
  EXPECT_FALSE(F.btnApply->isEnabled());
  EXPECT_FALSE(F.btnReset->isEnabled());
  EXPECT_EQ(Document.Style().Header, "<h1>Club</h1>\r\n<p>News</p>");
  EXPECT_EQ(Document.Style().Footer, "a\r\nb");

  F.edtTitle->setText("Parish");
  EXPECT_TRUE(F.btnReset->isEnabled());
  F.btnResetClick();
  EXPECT_EQ(F.edtTitle->text(), "Calendar");
  EXPECT_FALSE(F.btnApply->isEnabled());
  EXPECT_FALSE(F.btnReset->isEnabled());
}

TEST_F(StyleFormTest, StoringEveryControlGivesBackTheLoadedStyle) {
  TCalStyle& S = Document.Style();
  S.Title = "Club";
  S.Width = "80%";
  S.IsCellHeight = true;
  S.CellHeight = 77;
  S.CellPadding = 9;
  S.CaptionBottomMargin = 12;
  S.WeekDaysLength = 1;
  S.Days().BGColor = S.Events().BGColor;  // the painting makes them equal
  S.Footer = "<hr>";
  S.HideBanner = true;
  S.BGColor = 0x123456;
  S.ModernPage = true;
  S.WeekStart = 7;
  S.EventsAsText = true;
  const std::string Before = WriteObjectText(S, "TCalStyle");
  TStyleForm& F = Open();
  TCalStyle Stored;
  F.StoreToStyle(Stored);
  EXPECT_EQ(WriteObjectText(Stored, "TCalStyle"), Before);
}

TEST_F(StyleFormTest, SchemeListShowsTheSchemeTheStyleCarries) {
  WriteGallery(UserGallery(), {{"Verdana colours", true}});
  EXPECT_EQ(Open().cbxStyle->currentIndex(), -1) << "the default colours are no scheme of the gallery";
  Close();
  TCalStyle Scheme;
  MakeVerdanaScheme(Scheme);
  // The scheme's colours on a style whose fonts are the defaults.
  TCalStyle& S = Document.Style();
  S.BorderColor = Scheme.BorderColor;
  S.BGColor = Scheme.BGColor;
  for (auto [To, From] :
       {std::pair{&S.Caption(), &Scheme.Caption()}, std::pair{&S.WeekDays(), &Scheme.WeekDays()},
        std::pair{&S.Days(), &Scheme.Days()}, std::pair{&S.Events(), &Scheme.Events()}}) {
    To->FontColor = From->FontColor;
    To->BGColor = From->BGColor;
  }
  TStyleForm& F = Open();
  EXPECT_EQ(F.cbxStyle->currentText(), "Verdana colours");
  EXPECT_FALSE(F.btnApply->isEnabled());
}

TEST_F(StyleFormTest, SchemeChangesOnlyTheTenColours) {
  WriteGallery(UserGallery(), {{"Verdana colours", true}});
  TStyleForm& F = Open();
  ASSERT_EQ(F.cbxStyle->count(), 1);
  F.cbxStyle->setCurrentIndex(0);
  F.cbxStyleChange();
  EXPECT_TRUE(F.btnApply->isEnabled());
  EXPECT_TRUE(F.btnDeleteStyle->isEnabled());
  F.StoreToStyle(Document.Style());

  TCalStyle Scheme;
  MakeVerdanaScheme(Scheme);
  // Days takes the Events background at the painting.
  std::vector<TColor> Expected = Colors(Scheme);
  Expected[5] = Scheme.Events().BGColor;
  EXPECT_EQ(Colors(Document.Style()), Expected);
  EXPECT_EQ(Document.Style().Caption().FontName, "Arial");
  EXPECT_EQ(Document.Style().Caption().FontSize, 16);
  EXPECT_EQ(Document.Style().Events().Align, "left");
  EXPECT_EQ(Document.Style().Caption().Align, "center");
  EXPECT_EQ(Document.Style().BorderWidth, 1);
  EXPECT_EQ(Document.Style().Title, "Calendar");
}

TEST_F(StyleFormTest, AddingStoresTheControlsWithoutTheDocumentTexts) {
  Document.Style().Header = "<b>x</b>";
  TStyleForm& F = Open();
  F.cetBorderColor->SetColor(0x336699);

  Dialogs.InputAnswers = {std::string("  Ocean  ")};
  F.btnAddStyleClick();
  ASSERT_EQ(Dialogs.InputRequests.size(), 1u);
  EXPECT_EQ(Dialogs.InputRequests[0].Title, "Append scheme");
  EXPECT_EQ(Dialogs.InputRequests[0].Prompt, "Enter the scheme name");
  EXPECT_EQ(Dialogs.InputRequests[0].Initial, "");
  ASSERT_EQ(F.cbxStyle->count(), 1);
  EXPECT_EQ(F.cbxStyle->itemText(0), "Ocean");
  EXPECT_EQ(F.cbxStyle->currentIndex(), -1) << "the selection does not change";
  ASSERT_EQ(F.Gallery().Count(), 1);
  const TCalStyle& Saved = F.Gallery().Item(0).Style();
  EXPECT_EQ(F.Gallery().Item(0).Name, "Ocean");
  EXPECT_EQ(Saved.BorderColor, 0x336699);
  EXPECT_EQ(Saved.Caption().FontName, "Arial");
  EXPECT_EQ(Saved.Title, "");
  EXPECT_EQ(Saved.Width, "");
  EXPECT_EQ(Saved.Language, "");
  EXPECT_EQ(Saved.Header, "");
  EXPECT_EQ(Saved.Footer, "");
  EXPECT_FALSE(F.btnApply->isEnabled()) << "adding a scheme does not touch the document";

  Close();
  const std::string File = ReadFileBytes(UserGallery());
  EXPECT_NE(File.find("Name = 'Ocean'"), std::string::npos) << File;
  EXPECT_EQ(File.find("Title"), std::string::npos) << File;
  EXPECT_EQ(File.find("Header"), std::string::npos) << File;
}

TEST_F(StyleFormTest, AddingABlankOrCancelledNameChangesNothing) {
  TStyleForm& F = Open();
  Dialogs.InputAnswers = {std::string(" \t "), std::nullopt};
  Dialogs.MessageAnswers = {TMsgResult::OK};
  F.btnAddStyleClick();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, "Invalid name");
  EXPECT_EQ(Dialogs.Messages[0].Caption, "Warning");
  EXPECT_EQ(Dialogs.Messages[0].Icon, TMsgIcon::Warning);
  EXPECT_EQ(Dialogs.Messages[0].Buttons, TMsgButtons::OK);
  F.btnAddStyleClick();
  EXPECT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(F.cbxStyle->count(), 0);
  EXPECT_EQ(F.Gallery().Count(), 0);
}

TEST_F(StyleFormTest, AddingAnExistingNameAsksBeforeOverriding) {
  WriteGallery(UserGallery(), {{"Ocean", true}, {"Forest", true}});
  TStyleForm& F = Open();
  F.cbxStyle->setCurrentIndex(0);
  Dialogs.InputAnswers = {std::string("ocean"), std::string("OCEAN ")};
  Dialogs.MessageAnswers = {TMsgResult::No, TMsgResult::Yes};

  F.btnAddStyleClick();
  EXPECT_EQ(Dialogs.InputRequests[0].Initial, "Ocean");
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, "Style \"ocean\" already exists. Override?");
  EXPECT_EQ(Dialogs.Messages[0].Caption, "Confirm");
  EXPECT_EQ(Dialogs.Messages[0].Icon, TMsgIcon::Question);
  EXPECT_EQ(Dialogs.Messages[0].Buttons, TMsgButtons::YesNo);
  EXPECT_EQ(F.Gallery().Item(0).Name, "Ocean");
  EXPECT_EQ(F.Gallery().Item(0).Style().Caption().FontName, "Verdana") << "No leaves the scheme";
  EXPECT_EQ(F.cbxStyle->count(), 2);

  F.btnAddStyleClick();
  ASSERT_EQ(F.Gallery().Count(), 2);
  EXPECT_EQ(F.Gallery().Item(0).Name, "OCEAN") << "replaced in place, named as typed";
  EXPECT_EQ(F.Gallery().Item(0).Style().Caption().FontName, "Arial");
  EXPECT_EQ(F.cbxStyle->itemText(0), "Ocean") << "the list keeps the old letter case";
  EXPECT_EQ(F.cbxStyle->count(), 2);
}

TEST_F(StyleFormTest, DeletingAsksAndTheGalleryIsSavedOnCancel) {
  WriteGallery(UserGallery(), {{"Ocean", false}, {"Forest", false}});
  TStyleForm& F = Open();
  F.cbxStyle->setCurrentIndex(1);
  F.cbxStyleChange();
  Dialogs.MessageAnswers = {TMsgResult::No, TMsgResult::Yes};

  F.btnDeleteStyleClick();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, "Do you want to delete \"Forest\" scheme?");
  EXPECT_EQ(Dialogs.Messages[0].Buttons, TMsgButtons::YesNo);
  EXPECT_EQ(F.Gallery().Count(), 2);
  EXPECT_EQ(F.cbxStyle->count(), 2);

  F.btnDeleteStyleClick();
  EXPECT_EQ(F.Gallery().Count(), 1);
  EXPECT_EQ(F.Gallery().Item(0).Name, "Ocean");
  ASSERT_EQ(F.cbxStyle->count(), 1);
  EXPECT_EQ(F.cbxStyle->currentIndex(), -1);
  EXPECT_FALSE(F.btnDeleteStyle->isEnabled());

  F.btnCancel->click();
  Close();
  EXPECT_EQ(SavedNames(), std::vector<std::string>{"Ocean"});
}

TEST_F(StyleFormTest, SchemeListAddAndDeleteWorkThroughTheirWidgets) {
  WriteGallery(UserGallery(), {{"Ocean", true}});
  TStyleForm& F = Open();
  F.show();
  QTest::keyClick(F.cbxStyle, Qt::Key_Down);  // chooses "Ocean" as the list does
  EXPECT_EQ(F.cbxStyle->currentIndex(), 0);
  EXPECT_EQ(F.cetBorderColor->Color(), 0x000099) << "the scheme's colours are loaded";
  EXPECT_TRUE(F.btnDeleteStyle->isEnabled());

  Dialogs.InputAnswers = {std::string("Forest")};
  QTest::mouseClick(F.btnAddStyle, Qt::LeftButton);
  ASSERT_EQ(F.cbxStyle->count(), 2);
  EXPECT_EQ(F.cbxStyle->itemText(1), "Forest");

  Dialogs.MessageAnswers = {TMsgResult::Yes};
  QTest::mouseClick(F.btnDeleteStyle, Qt::LeftButton);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, "Do you want to delete \"Ocean\" scheme?");
  ASSERT_EQ(F.Gallery().Count(), 1);
  EXPECT_EQ(F.Gallery().Item(0).Name, "Forest");
  EXPECT_EQ(F.Gallery().Item(0).Style().BorderColor, 0x000099);
  EXPECT_FALSE(F.btnDeleteStyle->isEnabled());
}

TEST_F(StyleFormTest, AFirstOpeningStartsFromTheStarterSchemesAndNeverWritesThem) {
  const std::string Starter = Fake.FSharedDataFolder + "/styles.data";
  WriteGallery(Starter, {{"Starter", false}});
  const std::string StarterBytes = ReadFileBytes(Starter);

  TStyleForm& F = Open();
  ASSERT_EQ(F.cbxStyle->count(), 1);
  EXPECT_EQ(F.cbxStyle->itemText(0), "Starter");
  Dialogs.MessageAnswers = {TMsgResult::Yes};
  F.cbxStyle->setCurrentIndex(0);
  F.btnDeleteStyleClick();
  Close();

  EXPECT_EQ(ReadFileBytes(Starter), StarterBytes);
  EXPECT_TRUE(SavedNames().empty()) << "the user's own file now holds the gallery";
  Open();
  EXPECT_EQ(Form->cbxStyle->count(), 0) << "an existing user file wins over the starter file";
}

TEST_F(StyleFormTest, AnUnreadableGalleryIsReportedAndKeptAside) {
  WriteFile(UserGallery(), "not a gallery\r\n");
  Dialogs.MessageAnswers = {TMsgResult::OK};
  TStyleForm& F = Open();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, "The file is not valid\n" + UserGallery() + ", line 1");
  EXPECT_EQ(Dialogs.Messages[0].Icon, TMsgIcon::Error);
  EXPECT_EQ(F.cbxStyle->count(), 0);
  EXPECT_EQ(F.PageControl->count(), 6);

  Close();
  EXPECT_EQ(ReadFileBytes(UserGallery() + ".bak"), "not a gallery\r\n");
  EXPECT_TRUE(SavedNames().empty()) << "the gallery file is rewritten readable";
}

TEST_F(StyleFormTest, AnUnwritableGalleryIsReportedOnCloseAndTheResultStands) {
  const std::string Blocker = Temp.Path("blocker");
  WriteFile(Blocker, "x");  // the data folder cannot be made below a file
  Fake.FDataFolder = Blocker + "/data";
  Dialogs.MessageAnswers = {TMsgResult::OK};
  TStyleForm& F = Open();
  EXPECT_TRUE(Dialogs.Messages.empty());
  F.edtCellPadding->SetValue(8);
  F.btnApplyClick();
  Close();
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Icon, TMsgIcon::Error);
  EXPECT_EQ(Dialogs.Messages[0].Text.rfind("Cannot create file ", 0), 0u) << Dialogs.Messages[0].Text;
  EXPECT_EQ(Document.Style().CellPadding, 8);
}

TEST_F(StyleFormTest, PreviewInBrowserUsesTheUnsavedValuesAndLeavesTheStyle) {
  TStyleForm& F = Open();
  const uint32_t Checksum = Document.Checksum();
  F.cetBGColor->SetColor(0x00CC99);  // #99CC00
  F.edtTitle->setText("Unsaved title");
  const bool ApplyBefore = F.btnApply->isEnabled();

  F.btnPreview->click();
  ASSERT_EQ(Fake.Opened.size(), 1u) << (Dialogs.Messages.empty() ? "" : Dialogs.Messages[0].Text);
  const std::string Page = ReadFileBytes(Fake.Opened[0]);
  EXPECT_NE(Page.find("99CC00"), std::string::npos);
  EXPECT_NE(Page.find("Unsaved title"), std::string::npos);
  EXPECT_NE(Page.find("March"), std::string::npos) << "the month of the dialog's date";
  EXPECT_EQ(Document.Checksum(), Checksum);
  EXPECT_EQ(Document.Style().Title, "Calendar");
  EXPECT_EQ(F.btnApply->isEnabled(), ApplyBefore);
}

TEST_F(StyleFormTest, AFailedPreviewIsShownAndTheDialogStays) {
  Fake.FTempFolder = Temp.Path("file");
  Fake.FProgramFolder = Fake.FTempFolder;
  WriteFile(Fake.FTempFolder, "x");  // neither the work folder nor its fallback can hold a folder
  Dialogs.MessageAnswers = {TMsgResult::OK};
  TStyleForm& F = Open();
  F.btnPreview->click();
  EXPECT_TRUE(Fake.Opened.empty());
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Icon, TMsgIcon::Error);
}

// The modal dialog is driven from inside its own event loop.
class StyleDialogRunTest : public StyleFormTest {
 protected:
  void RunWith(std::function<void(TStyleForm&)> Script) {
    QTimer::singleShot(0, [Script] {
      auto* F = qobject_cast<TStyleForm*>(QApplication::activeModalWidget());
      if (!F) {
        ADD_FAILURE() << "no style dialog open";
        return;
      }
      Script(*F);
    });
    ExecuteStyleDialog(nullptr, Document, Document.Style(), EncodeDate(2026, 3, 5));
  }
};

TEST_F(StyleDialogRunTest, CancelAloneLeavesTheChecksum) {
  const uint32_t Before = Document.Checksum();
  RunWith([](TStyleForm& F) {
    EXPECT_EQ(F.PageControl->currentIndex(), spGeneral);
    F.edtBorderWidth->SetValue(5);
    F.btnCancel->click();
  });
  EXPECT_EQ(Document.Checksum(), Before);
}

TEST_F(StyleDialogRunTest, ApplyThenCancelChangesTheChecksum) {
  const uint32_t Before = Document.Checksum();
  RunWith([](TStyleForm& F) {
    F.edtBorderWidth->SetValue(5);
    F.btnApply->click();
    F.edtBorderWidth->SetValue(9);
    F.btnCancel->click();
  });
  EXPECT_NE(Document.Checksum(), Before);
  EXPECT_EQ(Document.Style().BorderWidth, 5);
}

TEST_F(StyleDialogRunTest, OkWithoutAChangeGivesBackEveryTextAsItWas) {
  TCalStyle& S = Document.Style();
  S.Title = "Caf\xC3\xA9\xC2\xA0night\tclub";  // "Café", a non-breaking space, a tab
  S.Width = "90\xC2\xA0%";
  S.BlankEventsText = "\xC2\xA0";
  S.Header = "<h1>Gr\xC3\xBC\xC3\x9F Gott\xC2\xA0\xE2\x82\xAC</h1>\r\n\t<p>\xF0\x9F\x8E\xB5</p>\r\n";
  S.Footer = "a\xC2\xA0\xC2\xA0z\r\n\r\n\tc";
  S.Days().BGColor = S.Events().BGColor;  // the painting makes them equal
  auto Texts = [&S] {
    return std::vector<std::string>{S.Title, S.Width, S.BlankEventsText, S.Header, S.Footer};
  };
  const std::vector<std::string> Before = Texts();
  const uint32_t Checksum = Document.Checksum();
  RunWith([](TStyleForm& F) { F.btnOK->click(); });
  EXPECT_EQ(Document.Checksum(), Checksum);
  EXPECT_EQ(Texts(), Before);
}

TEST_F(StyleDialogRunTest, OkWithAnEmptyLanguageLeavesTheDocumentUnchanged) {
  Document.Style().Language = "";
  Document.Style().Days().BGColor = Document.Style().Events().BGColor;  // the painting makes them equal
  const uint32_t Checksum = Document.Checksum();
  RunWith([](TStyleForm& F) { F.btnOK->click(); });
  EXPECT_EQ(Document.Style().Language, "");
  EXPECT_EQ(Document.Checksum(), Checksum);
}

TEST_F(StyleDialogRunTest, OkStoresAndTheGalleryIsWrittenWhateverClosed) {
  RunWith([](TStyleForm& F) {
    F.edtCellPadding->SetValue(7);
    F.btnOK->click();
  });
  EXPECT_EQ(Document.Style().CellPadding, 7);
  EXPECT_TRUE(std::filesystem::exists(UserGallery()));
}

TEST_F(StyleDialogRunTest, PageFormWeekStartAndPlainTextWorkLikeTheOtherControls) {
  Document.Style().WeekStart = 7;
  const uint32_t Before = Document.Checksum();
  RunWith([this, Before](TStyleForm& F) {
    EXPECT_EQ(F.cbxPageForm->currentText(), "Classic");
    ASSERT_EQ(F.cbxWeekStart->count(), 7);
    EXPECT_EQ(F.cbxWeekStart->itemText(1), "Monday");
    EXPECT_EQ(F.cbxWeekStart->currentText(), "Saturday");
    EXPECT_FALSE(F.cbxEventsAsText->isChecked());

    // Each of them enables Apply, and Reset takes them back.
    F.PageControl->setCurrentIndex(spGeneral);
    F.cbxPageForm->setCurrentIndex(1);
    EXPECT_TRUE(F.btnApply->isEnabled());
    F.btnReset->click();
    EXPECT_EQ(F.cbxPageForm->currentText(), "Classic");
    EXPECT_FALSE(F.btnApply->isEnabled());
    F.PageControl->setCurrentIndex(spEvents);
    QTest::mouseClick(F.cbxEventsAsText, Qt::LeftButton, {}, QPoint(4, F.cbxEventsAsText->height() / 2));
    EXPECT_TRUE(F.cbxEventsAsText->isChecked());
    EXPECT_TRUE(F.btnApply->isEnabled());
    F.btnReset->click();
    EXPECT_FALSE(F.cbxEventsAsText->isChecked());

    // The painted week starts on the chosen day: its second column is the
    // last name drawn.
    F.PageControl->setCurrentIndex(spWeekDays);
    F.cbxWeekStart->setCurrentIndex(1);
    EXPECT_TRUE(F.btnApply->isEnabled());
    F.pbxPreview->grab();
    EXPECT_EQ(F.petWeekDays->SampleText(), "Tuesday");

    F.cbxPageForm->setCurrentIndex(1);
    QTest::mouseClick(F.cbxEventsAsText, Qt::LeftButton, {}, QPoint(4, F.cbxEventsAsText->height() / 2));
    F.btnApply->click();
    EXPECT_NE(Document.Checksum(), Before) << "Apply marks the calendar changed";
    F.btnCancel->click();
  });
  EXPECT_TRUE(Document.Style().ModernPage);
  EXPECT_EQ(Document.Style().WeekStart, 2);
  EXPECT_TRUE(Document.Style().EventsAsText);
}

// ---------------------------------------------------------------------------
// The starter schemes shipped beside the program

namespace {

double Luminance(TColor C) {
  auto Channel = [](int V) {
    const double S = V / 255.0;
    return S <= 0.03928 ? S / 12.92 : std::pow((S + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * Channel(C & 0xFF) + 0.7152 * Channel((C >> 8) & 0xFF) + 0.0722 * Channel((C >> 16) & 0xFF);
}

double Contrast(TColor A, TColor B) {
  const double La = Luminance(A), Lb = Luminance(B);
  return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}

std::string StarterFile() { return std::string(QUILLBAY_TEST_SOURCE_DIR) + "/styles.data"; }

}  // namespace

TEST(StarterSchemes, AreWellFormedNamedAndReadable) {
  const std::string FileName = StarterFile();
  ASSERT_TRUE(std::filesystem::exists(FileName)) << FileName;
  const std::string Bytes = ReadFileBytes(FileName);
  TCalStyleGallery G;
  ReadObjectText(G, Bytes);
  EXPECT_EQ(WriteObjectText(G, G.ClassName()), Bytes) << "written by the program's own writer";
  ASSERT_GE(G.Count(), 6);
  ASSERT_LE(G.Count(), 8);

  int Dark = 0;
  for (int i = 0; i < G.Count(); ++i) {
    const TStyleGalleryItem& Item = G.Item(i);
    const TCalStyle& S = Item.Style();
    SCOPED_TRACE(Item.Name);
    EXPECT_FALSE(Item.Name.empty());
    for (int j = 0; j < i; ++j) EXPECT_NE(G.Item(j).Name, Item.Name);
    EXPECT_TRUE(S.Title.empty() && S.Width.empty() && S.Language.empty() && S.Header.empty() &&
                S.Footer.empty());
    EXPECT_GE(Contrast(S.Caption().FontColor, S.Caption().BGColor), 4.5);
    EXPECT_GE(Contrast(S.WeekDays().FontColor, S.WeekDays().BGColor), 4.5);
    EXPECT_GE(Contrast(S.Events().FontColor, S.Events().BGColor), 4.5);
    EXPECT_GE(Contrast(S.Days().FontColor, S.Events().BGColor), 4.5) << "day numbers sit on the event cell";
    EXPECT_EQ(S.Days().BGColor, S.Events().BGColor);
    for (TColor C : Colors(S)) EXPECT_TRUE(C >= 0 && C <= 0xFFFFFF) << "no system colours";
    if (Luminance(S.Events().BGColor) < 0.2) ++Dark;
  }
  EXPECT_GE(Dark, 2) << "light and dark schemes";
  EXPECT_LE(Dark, G.Count() - 2);
}

// Not a test of behaviour: with QUILLBAY_SCREENSHOT set to a PNG path, saves a
// picture of the dialog on its Caption page, in the language of the locale
// (LC_ALL=de_DE.UTF-8 for German).
TEST_F(StyleFormTest, Screenshot) {
  const QString Target = qEnvironmentVariable("QUILLBAY_SCREENSHOT");
  if (Target.isEmpty()) GTEST_SKIP() << "QUILLBAY_SCREENSHOT not set";
  // QUILLBAY_SCREENSHOT_DARK=1: under a dark desktop palette.
  const QPalette Kept = QApplication::palette();
  if (qEnvironmentVariableIsSet("QUILLBAY_SCREENSHOT_DARK")) QApplication::setPalette(DarkPalette());
  InstallTranslations(QLocale::system(), {QUILLBAY_QM_DIR});
  TStyleForm& F = Open();
  F.show();
  F.ShowPage(spCaption);
  QTest::qWait(200);
  EXPECT_TRUE(F.grab().save(Target));
  Close();
  QApplication::setPalette(Kept);
  RemoveTranslations();
}
