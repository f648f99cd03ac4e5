#include "tickets/game_shape.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace tombolix {

namespace {

// A trailing position is an extra ball by its range when its highest number
// stays below this share of the highest number of the draws.
constexpr double kExtraRangeShare = 0.8;
// The main numbers count as sorted when at least this share of draws has them ascending.
constexpr double kSortedShare = 0.95;
// A ball after sorted main numbers that is above the last of them in fewer
// draws than this share does not follow their order: a bonus drawn apart.
// (A seventh ball from the same drum is above the six others once in seven.)
constexpr double kFollowsOrderShare = 0.5;
// More draws than this share with a repeated number: not a pool of distinct numbers.
constexpr double kRepeatShare = 0.02;

struct Column {
  int low = 99;
  int high = 0;
};

std::vector<Column> Columns(const HistoryView& h) {
  std::vector<Column> columns(static_cast<size_t>(h.PositionCount));
  for (int k = 1; k <= h.PositionCount; ++k) {
    Column& c = columns[static_cast<size_t>(k - 1)];
    for (int d = 1; d <= h.DrawCount; ++d) {
      c.low = std::min(c.low, int{h.P(k, d)});
      c.high = std::max(c.high, int{h.P(k, d)});
    }
  }
  return columns;
}

// Share of draws whose positions first..last satisfy `test` for each neighbour pair.
template <typename Test>
double ShareOfDraws(const HistoryView& h, int first, int last, Test test) {
  int hits = 0;
  for (int d = 1; d <= h.DrawCount; ++d) {
    bool ok = true;
    for (int k = first + 1; k <= last && ok; ++k) ok = test(h.P(k - 1, d), h.P(k, d));
    hits += ok ? 1 : 0;
  }
  return h.DrawCount > 0 ? static_cast<double>(hits) / h.DrawCount : 0.0;
}

// Share of draws with a number repeated among positions 1..last.
double RepeatShare(const HistoryView& h, int last) {
  int repeats = 0;
  for (int d = 1; d <= h.DrawCount; ++d) {
    std::array<bool, 256> seen{};
    bool repeated = false;
    for (int k = 1; k <= last; ++k) {
      repeated = repeated || seen[h.P(k, d)];
      seen[h.P(k, d)] = true;
    }
    repeats += repeated ? 1 : 0;
  }
  return h.DrawCount > 0 ? static_cast<double>(repeats) / h.DrawCount : 0.0;
}

// True when no extra ball of a draw equals one of its main numbers.
bool ExtrasApartFromMain(const HistoryView& h, int mainCount) {
  for (int d = 1; d <= h.DrawCount; ++d) {
    for (int e = mainCount + 1; e <= h.PositionCount; ++e) {
      for (int k = 1; k <= mainCount; ++k) {
        if (h.P(k, d) == h.P(e, d)) return false;
      }
    }
  }
  return true;
}

}  // namespace

QString CheckGameShape(const GameShape& s, int positionCount) {
  if (s.mainCount < 1 || s.extraCount < 0 || s.mainCount + s.extraCount != positionCount) {
    return QStringLiteral("los números principales y los extra deben sumar las %1 posiciones del historial")
        .arg(positionCount);
  }
  const auto badRange = [](int low, int high) { return low < 0 || high > 99 || low > high; };
  if (badRange(s.mainLow, s.mainHigh) ||
      (s.extraCount > 0 && !s.extraFromMainPool && badRange(s.extraLow, s.extraHigh))) {
    return QStringLiteral("cada rango va de un número a otro mayor, entre 0 y 99");
  }
  if (s.kind == GameKind::Digits) {
    return s.extraCount == 0 ? QString() : QStringLiteral("un juego de cifras no tiene números extra");
  }
  const int fromMain = s.mainCount + (s.extraFromMainPool ? s.extraCount : 0);
  if (s.MainRange() < fromMain || (!s.extraFromMainPool && s.ExtraRange() < s.extraCount)) {
    return QStringLiteral("un rango tiene menos números de los que se sortean en él");
  }
  return QString();
}

GameShape GuessGameShape(const HistoryView& h) {
  GameShape shape;
  const int positions = h.PositionCount;
  shape.mainCount = positions;
  if (positions < 1 || h.DrawCount < 1) return shape;
  const std::vector<Column> columns = Columns(h);
  const auto column = [&columns](int k) { return columns[static_cast<size_t>(k - 1)]; };
  int highest = 0;
  for (const Column& c : columns) highest = std::max(highest, c.high);

  if (highest <= 9) {
    shape.kind = GameKind::Digits;
    shape.mainLow = 0;
    shape.mainHigh = 9;
    return shape;
  }
  // Trailing positions with a clearly smaller range: extra balls of their own drum.
  int mainEnd = positions;
  while (mainEnd > 1 && column(mainEnd).high < kExtraRangeShare * highest) --mainEnd;
  bool fromMainPool = false;
  if (mainEnd == positions) {
    // Sorted main numbers followed by a ball that ignores their order: a bonus from the same drum.
    const auto ascending = [](int a, int b) { return a < b; };
    int sorted = 1;
    while (sorted < positions && ShareOfDraws(h, 1, sorted + 1, ascending) >= kSortedShare) ++sorted;
    if (sorted >= 3 && sorted < positions && positions - sorted <= 2 &&
        ShareOfDraws(h, sorted, sorted + 1, ascending) < kFollowsOrderShare) {
      mainEnd = sorted;
      fromMainPool = ExtrasApartFromMain(h, sorted);
    }
  }
  shape.mainCount = mainEnd;
  shape.extraCount = positions - mainEnd;
  shape.mainLow = 99;
  shape.mainHigh = 0;
  for (int k = 1; k <= mainEnd; ++k) {
    shape.mainLow = std::min(shape.mainLow, column(k).low);
    shape.mainHigh = std::max(shape.mainHigh, column(k).high);
  }
  if (RepeatShare(h, mainEnd) > kRepeatShare) {
    // Numbers repeat within a draw: each position is a number of its own.
    shape.kind = GameKind::Digits;
    shape.mainCount = positions;
    shape.extraCount = 0;
    for (int k = mainEnd + 1; k <= positions; ++k) {
      shape.mainLow = std::min(shape.mainLow, column(k).low);
      shape.mainHigh = std::max(shape.mainHigh, column(k).high);
    }
    return shape;
  }
  shape.extraFromMainPool = fromMainPool;
  if (shape.extraCount > 0 && !fromMainPool) {
    shape.extraLow = 99;
    shape.extraHigh = 0;
    for (int k = mainEnd + 1; k <= positions; ++k) {
      shape.extraLow = std::min(shape.extraLow, column(k).low);
      shape.extraHigh = std::max(shape.extraHigh, column(k).high);
    }
  } else {
    shape.extraLow = shape.mainLow;
    shape.extraHigh = shape.mainHigh;
  }
  return shape;
}

QString DescribeGameShape(const GameShape& s) {
  if (s.kind == GameKind::Digits) {
    const bool digits = s.mainLow >= 0 && s.mainHigh <= 9;
    return QStringLiteral("%1 %2 del %3 al %4, en orden")
        .arg(s.mainCount)
        .arg(digits ? QStringLiteral("cifras") : QStringLiteral("posiciones"))
        .arg(s.mainLow)
        .arg(s.mainHigh);
  }
  QString text = QStringLiteral("%1 números del %2 al %3").arg(s.mainCount).arg(s.mainLow).arg(s.mainHigh);
  if (s.extraCount > 0 && s.extraFromMainPool) {
    text += s.extraCount == 1 ? QStringLiteral(" + 1 complementario (del mismo bombo)")
                              : QStringLiteral(" + %1 complementarios (del mismo bombo)").arg(s.extraCount);
  } else if (s.extraCount > 0) {
    text += QStringLiteral(" + %1 %2 del %3 al %4")
                .arg(s.extraCount)
                .arg(s.extraCount == 1 ? QStringLiteral("número extra") : QStringLiteral("números extra"))
                .arg(s.extraLow)
                .arg(s.extraHigh);
  }
  return text;
}

QString GameShapeToText(const GameShape& s) {
  return QStringLiteral("%1;%2;%3;%4;%5;%6;%7;%8")
      .arg(s.kind == GameKind::Digits ? QStringLiteral("cifras") : QStringLiteral("bombo"))
      .arg(s.mainCount)
      .arg(s.mainLow)
      .arg(s.mainHigh)
      .arg(s.extraCount)
      .arg(s.extraLow)
      .arg(s.extraHigh)
      .arg(s.extraFromMainPool ? 1 : 0);
}

bool GameShapeFromText(const QString& text, GameShape* shape) {
  const QStringList fields = text.split(QLatin1Char(';'));
  if (fields.size() != 8) return false;
  if (fields[0] != QLatin1String("cifras") && fields[0] != QLatin1String("bombo")) return false;
  std::array<int, 7> values{};
  for (size_t i = 0; i < values.size(); ++i) {
    bool ok = false;
    values[i] = fields[static_cast<qsizetype>(i) + 1].toInt(&ok);
    if (!ok || values[i] < 0 || values[i] > 99) return false;
  }
  GameShape s;
  s.kind = fields[0] == QLatin1String("cifras") ? GameKind::Digits : GameKind::Pool;
  s.mainCount = values[0];
  s.mainLow = values[1];
  s.mainHigh = values[2];
  s.extraCount = values[3];
  s.extraLow = values[4];
  s.extraHigh = values[5];
  s.extraFromMainPool = values[6] == 1;
  if (!CheckGameShape(s, s.mainCount + s.extraCount).isEmpty()) return false;
  *shape = s;
  return true;
}

}  // namespace tombolix
