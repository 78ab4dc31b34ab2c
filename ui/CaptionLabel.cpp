#include "ui/CaptionLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

TFittedCaption FitCaption(const QString& Text, const QFont& Font, int Width, int MinPointSize) {
  QFont Fitted = Font;
  for (int Size = Font.pointSize(); Size >= MinPointSize; --Size) {
    Fitted.setPointSize(Size);
    if (QFontMetrics(Fitted).horizontalAdvance(Text) <= Width) return {Fitted, Text};
  }
  Fitted.setPointSize(std::min(Font.pointSize(), MinPointSize));
  return {Fitted, QFontMetrics(Fitted).elidedText(Text, Qt::ElideMiddle, std::max(Width, 0))};
}

TCaptionLabel::TCaptionLabel(QWidget* Parent) : QLabel(Parent) {}

TFittedCaption TCaptionLabel::Fitted() const {
  return FitCaption(text(), font(), contentsRect().width(), MinPointSize);
}

QSize TCaptionLabel::minimumSizeHint() const {
  const QFontMetrics Metrics(font());
  return {Metrics.horizontalAdvance(QStringLiteral("MMM")), Metrics.height()};
}

void TCaptionLabel::paintEvent(QPaintEvent*) {
  const TFittedCaption Caption = Fitted();
  QPainter Painter(this);
  Painter.setFont(Caption.Font);
  Painter.setPen(palette().color(foregroundRole()));
  Painter.drawText(contentsRect(), static_cast<int>(alignment()), Caption.Text);
}
