#include "ui/control_style.h"

#include <QFontMetrics>

namespace tombolix {

namespace {

QString Css(Rgb colour) {
  return QStringLiteral("rgb(%1, %2, %3)").arg(RedOf(colour)).arg(GreenOf(colour)).arg(BlueOf(colour));
}

}  // namespace

QString ButtonStyleSheet(Rgb backColour) {
  return QStringLiteral(
             "QPushButton { background-color: %1; color: black; border: 1px solid rgb(105, 105, 105);"
             " border-radius: 0px; padding: 0px; }"
             "QPushButton:focus { border: 1px solid black; }"
             "QPushButton:pressed { border: 2px solid rgb(105, 105, 105); }"
             "QPushButton:disabled { color: rgb(150, 150, 150); border-color: rgb(160, 160, 160); }")
      .arg(Css(backColour));
}

QString MapButtonStyleSheet(Rgb backColour) {
  return QStringLiteral(
             "QLabel { background-color: %1; color: black; border: 1px solid rgb(128, 128, 128); }"
             "QLabel:disabled { color: rgb(150, 150, 150); }")
      .arg(Css(backColour));
}

QString LabelStyleSheet(Rgb backColour) {
  return QStringLiteral("QLabel { background-color: %1; color: black; border: none; }").arg(Css(backColour));
}

QString LinkStyleSheet(Rgb backColour) {
  return QStringLiteral(
             "QLabel { background-color: %1; color: rgb(0, 0, 192); border: none; text-decoration: underline; }"
             "QLabel:disabled { color: rgb(150, 150, 150); }")
      .arg(Css(backColour));
}

QFont FittedFont(QFont font, const QString& text, int width) {
  while (font.pointSize() > 6 && QFontMetrics(font).horizontalAdvance(text) > width) {
    font.setPointSize(font.pointSize() - 1);
  }
  return font;
}

}  // namespace tombolix
