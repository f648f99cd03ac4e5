#include "ui/fonts.h"

#include <QFontDatabase>

namespace tombolix {

QString InstalledFamily(const QStringList& families) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : families) {
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return families.isEmpty() ? QString() : families.last();
}

namespace {

QFont MakeFont(const QString& family, int pointSize, bool bold, QFont::StyleHint hint) {
  QFont font(family, pointSize, bold ? QFont::Bold : QFont::Normal);
  font.setStyleHint(hint);
  return font;
}

// Each face is looked up once: the font database is slow to ask.
const QString& Verdana() {
  static const QString family =
      InstalledFamily({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
  return family;
}

const QString& Lucida() {
  static const QString family = InstalledFamily({QStringLiteral("Lucida Sans Unicode"), QStringLiteral("Lucida Grande"),
                                                 QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
  return family;
}

const QString& Courier() {
  static const QString family = InstalledFamily(
      {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
  return family;
}

}  // namespace

QFont VerdanaFont(int pointSize, bool bold) { return MakeFont(Verdana(), pointSize, bold, QFont::SansSerif); }
QFont LucidaFont(int pointSize, bool bold) { return MakeFont(Lucida(), pointSize, bold, QFont::SansSerif); }
QFont CourierFont(int pointSize, bool bold) { return MakeFont(Courier(), pointSize, bold, QFont::Monospace); }

QFont PaneFont() {
  QFont font = CourierFont(15, true);
  font.setFixedPitch(true);
  return font;
}

}  // namespace tombolix
