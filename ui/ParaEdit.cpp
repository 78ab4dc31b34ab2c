#include "ui/ParaEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>

#include "ui/EditLib.h"
#include "ui/QtText.h"

int SampleTextTop(int Top, int Bottom, int TextHeight) { return Top + (Bottom - Top - TextHeight) / 2; }

int SampleTextLeft(const QString& Align, int Left, int Right, int TextWidth) {
  if (Align == QLatin1String("left")) return Left + 3;
  if (Align == QLatin1String("center")) return Left + (Right - Left - TextWidth) / 2;
  return Right - TextWidth - 3;
}

TParaEditor::TParaEditor(QWidget* Parent) : QWidget(Parent) {
  setFixedSize(225, 235);

  Label2 = new QLabel(tr("A&lign"), this);
  Label2->setGeometry(8, 8, 60, 16);
  cbxAlign = new QComboBox(this);
  // The style keeps the CSS word whatever the language of the window.
  cbxAlign->addItem(tr("left"), QStringLiteral("left"));
  cbxAlign->addItem(tr("center"), QStringLiteral("center"));
  cbxAlign->addItem(tr("right"), QStringLiteral("right"));
  cbxAlign->setCurrentIndex(-1);
  cbxAlign->setGeometry(80, 4, 137, 24);
  Label2->setBuddy(cbxAlign);

  GroupBox1 = new QGroupBox(tr(" Font "), this);
  GroupBox1->setGeometry(4, 34, 217, 158);
  CreateFontControls();

  Label4 = new QLabel(tr("&Fill color"), this);
  Label4->setGeometry(8, 204, 130, 16);
  cetBGColor = new TColorEdit(this);
  cetBGColor->setGeometry(140, 201, 50, 21);
  Label4->setBuddy(cetBGColor);

  FitToTexts();

  setTabOrder(cbxAlign, cbxFontName);
  setTabOrder(cbxFontName, edtFontSize);
  setTabOrder(edtFontSize, cetFontColor);
  setTabOrder(cetFontColor, cbxFontBold);
  setTabOrder(cbxFontBold, cbxFontItalic);
  setTabOrder(cbxFontItalic, cbxFontUnderline);
  setTabOrder(cbxFontUnderline, cetBGColor);

  ConnectHandlers();
}

void TParaEditor::CreateFontControls() {
  Label5 = new QLabel(tr("N&ame"), GroupBox1);
  Label5->setGeometry(8, 24, 60, 16);
  cbxFontName = new QComboBox(GroupBox1);
  cbxFontName->addItems({QStringLiteral("Arial"), QStringLiteral("Tahoma"), QStringLiteral("Times New Roman"),
                         QStringLiteral("Verdana")});
  cbxFontName->setCurrentIndex(-1);
  cbxFontName->setGeometry(76, 20, 133, 24);
  Label5->setBuddy(cbxFontName);

  Label6 = new QLabel(tr("Si&ze"), GroupBox1);
  Label6->setGeometry(8, 54, 60, 16);
  edtFontSize = new TNaturalEdit(GroupBox1);
  edtFontSize->SetMinValue(1);
  edtFontSize->SetMaxValue(50);
  edtFontSize->SetValue(8);
  edtFontSize->SetMaxLength(2);
  edtFontSize->setGeometry(76, 50, 50, 22);
  Label6->setBuddy(edtFontSize);

  Label7 = new QLabel(tr("&Color"), GroupBox1);
  Label7->setGeometry(8, 82, 60, 16);
  cetFontColor = new TColorEdit(GroupBox1);
  cetFontColor->setGeometry(76, 79, 50, 21);
  Label7->setBuddy(cetFontColor);

  cbxFontBold = new QCheckBox(tr("&Bold"), GroupBox1);
  cbxFontBold->setGeometry(8, 108, 100, 20);
  cbxFontItalic = new QCheckBox(tr("&Italic"), GroupBox1);
  cbxFontItalic->setGeometry(112, 108, 100, 20);
  cbxFontUnderline = new QCheckBox(tr("&Underline"), GroupBox1);
  cbxFontUnderline->setGeometry(8, 130, 120, 20);
}

void TParaEditor::FitToTexts() {
  // Captions longer than their column (a translation, a large desktop font)
  // push the inputs beside them to the right.
  int LabelWidth = Label2->width();
  for (QLabel* Label : {Label2, Label5, Label6, Label7})
    LabelWidth = std::max(LabelWidth, Label->sizeHint().width());
  const int Shift = LabelWidth - Label2->width();
  for (QLabel* Label : {Label2, Label5, Label6, Label7}) Label->resize(LabelWidth, Label->height());
  for (QWidget* Input : std::initializer_list<QWidget*>{cbxAlign, cbxFontName, edtFontSize, cetFontColor})
    Input->move(Input->x() + Shift, Input->y());
  const int BackgroundShift = std::max(0, Label4->sizeHint().width() - Label4->width());
  Label4->resize(Label4->width() + BackgroundShift, Label4->height());
  cetBGColor->move(cetBGColor->x() + BackgroundShift, cetBGColor->y());
  for (QCheckBox* Box : {cbxFontBold, cbxFontItalic, cbxFontUnderline})
    Box->resize(std::max(Box->width(), Box->sizeHint().width()), Box->height());

  // The lists grow to show the longest name whole ("Times New Roman").
  cbxFontName->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  const int Grow = std::max(0, cbxFontName->sizeHint().width() - cbxFontName->width());
  cbxFontName->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
  for (QWidget* Widened : std::initializer_list<QWidget*>{cbxFontName, cbxAlign})
    Widened->resize(Widened->width() + Grow, Widened->height());

  // The group and the editor hold whatever grew.
  int Right = GroupBox1->width();
  for (QWidget* Child : GroupBox1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    Right = std::max(Right, Child->geometry().right() + 9);
  GroupBox1->resize(Right, GroupBox1->height());
  int Width = width();
  for (QWidget* Child : std::initializer_list<QWidget*>{cbxAlign, GroupBox1, cetBGColor})
    Width = std::max(Width, Child->geometry().right() + 5);
  setFixedSize(Width, height());
}

void TParaEditor::ConnectHandlers() {
  const auto Changed = [this] { cetBGColorChange(); };
  connect(cbxAlign, &QComboBox::currentIndexChanged, this, Changed);
  connect(cbxFontName, &QComboBox::currentIndexChanged, this, Changed);
  connect(edtFontSize, &QLineEdit::textChanged, this, Changed);
  cetFontColor->OnChange = [this](TColorEdit&) { cetBGColorChange(); };
  cetBGColor->OnChange = [this](TColorEdit&) { cetBGColorChange(); };
  for (QCheckBox* Box : {cbxFontBold, cbxFontItalic, cbxFontUnderline})
    connect(Box, &QCheckBox::toggled, this, Changed);
}

void TParaEditor::cetBGColorChange() {
  if (OnChange) OnChange(*this);
}

void TParaEditor::LoadStyle(const TCalItemStyle& Style, bool ColorsOnly) {
  if (!ColorsOnly) {
    cbxAlign->setCurrentIndex(FindItemIgnoringCase(*cbxAlign, ToQString(Style.Align)));
    cbxFontName->setCurrentIndex(FindItemIgnoringCase(*cbxFontName, ToQString(Style.FontName)));
    edtFontSize->SetValue(Style.FontSize);
    cbxFontBold->setChecked(Style.FontStyle & fsBold);
    cbxFontItalic->setChecked(Style.FontStyle & fsItalic);
    cbxFontUnderline->setChecked(Style.FontStyle & fsUnderline);
  }
  cetFontColor->SetColor(Style.FontColor);
  cetBGColor->SetColor(Style.BGColor);
}

void TParaEditor::StoreStyle(TCalItemStyle& Style) const {
  Style.Align = ToStdString(SelectedValue(*cbxAlign));
  Style.FontName = ToStdString(SelectedValue(*cbxFontName));
  Style.FontSize = edtFontSize->Value();
  Style.FontColor = cetFontColor->Color();
  TFontStyles FontStyle = 0;
  if (cbxFontBold->isChecked()) FontStyle |= fsBold;
  if (cbxFontItalic->isChecked()) FontStyle |= fsItalic;
  if (cbxFontUnderline->isChecked()) FontStyle |= fsUnderline;
  Style.FontStyle = FontStyle;
  Style.BGColor = cetBGColor->Color();
}

QFont TParaEditor::SampleFont() const {
  QFont Font;
  const QString Name = SelectedValue(*cbxFontName);
  if (!Name.isEmpty()) Font.setFamilies({Name});
  Font.setPointSize(edtFontSize->Value());
  Font.setBold(cbxFontBold->isChecked());
  Font.setItalic(cbxFontItalic->isChecked());
  Font.setUnderline(cbxFontUnderline->isChecked());
  return Font;
}

void TParaEditor::DrawSample(QPainter& Canvas, const QRect& Rect) const {
  Canvas.save();
  const QColor Background = ColorToQColor(cetBGColor->Color());
  Canvas.fillRect(Rect, Background);
  const QFont Font = SampleFont();
  Canvas.setFont(Font);
  const QFontMetrics Metrics(Font, Canvas.device());
  const int Left = Rect.left();
  const int Top = Rect.top();
  const int Right = Rect.left() + Rect.width();
  const int Bottom = Rect.top() + Rect.height();
  const int Y = SampleTextTop(Top, Bottom, Metrics.height());
  const int X = SampleTextLeft(SelectedValue(*cbxAlign), Left, Right, Metrics.horizontalAdvance(FSampleText));
  Canvas.setClipRect(Rect, Qt::IntersectClip);
  Canvas.setPen(ColorToQColor(cetFontColor->Color()));
  Canvas.drawText(X, Y + Metrics.ascent(), FSampleText);
  Canvas.restore();
}

void TParaEditor::SetDisabled(bool Value) {
  for (QWidget* Control :
       std::initializer_list<QWidget*>{cbxAlign, cbxFontName, edtFontSize, cetFontColor, cbxFontBold,
                                       cbxFontItalic, cbxFontUnderline, cetBGColor})
    Control->setEnabled(!Value);
}
