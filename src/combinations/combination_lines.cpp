#include "combinations/combination_lines.h"

#include "analyses/report_lines.h"
#include "texts/messages.h"

#include <algorithm>

namespace tombolix {

namespace {
inline constexpr int kHeadingWidth = 38;
}  // namespace

QString CombinationLine(int index, const CombPositions& CombPos, int positionCount) {
  QString line = QStringLiteral("  %1%    ").arg(index, 6, 10, QLatin1Char('0'));
  for (int k = 1; k <= positionCount; ++k) {
    const auto& column = CombPos[static_cast<size_t>(k)];
    const auto i = static_cast<size_t>(index - 1);
    AppendTwoDigits(line, i < column.size() ? column[i] : 0);
    line.append(QLatin1Char(' '));
  }
  return line;
}

int ListCount(const CombPositions& CombPos, const QStringList& lines, int positionCount) {
  auto count = static_cast<size_t>(lines.size());
  for (int k = 1; k <= std::min(positionCount, kMaxPositions); ++k)
    count = std::min(count, CombPos[static_cast<size_t>(k)].size());
  return static_cast<int>(count);
}

QStringList CleanCombinationLines(const QStringList& LineasComb) {
  QStringList clean = LineasComb;
  for (QString& line : clean) {
    for (QChar& c : line) {
      if (c == u'+' || c == u'-' || c == u'$') c = u' ';
    }
  }
  return clean;
}

QString BackTestHeading(int bestHitDraws) {
  const QString line = QString::number(bestHitDraws) + Msg(TxtSorteosAcertados);
  const int indent = std::max(0, (kHeadingWidth - static_cast<int>(line.size())) / 2);
  return QString(indent, QLatin1Char(' ')) + line + QString(kCrLf).repeated(3);
}

}  // namespace tombolix
