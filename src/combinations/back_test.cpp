#include "combinations/back_test.h"

#include "analyses/report_lines.h"

#include <vector>

namespace tombolix {

namespace {

CombinationValues ValuesOf(const CombPositions& CombPos, int positionCount, int c) {
  CombinationValues values{};
  for (int k = 1; k <= positionCount; ++k)
    values[static_cast<size_t>(k)] = CombPos[static_cast<size_t>(k)][static_cast<size_t>(c)];
  return values;
}

// The line of combination c as it hits lane t with `hits` numbers.
QString HitLine(const HitTable& table, const CombinationValues& values, const QString& previous, int t, int hits) {
  const int positionCount = table.PositionCount();
  QString line = previous.left(kCombinationPrefix);
  QChar hitMark = u'-';
  if (positionCount >= 6 && hits == positionCount - 1) {
    hitMark = u'+';
  } else if (hits == positionCount) {
    hitMark = u'$';
  }
  for (int j = 1; j <= positionCount; ++j) {
    const quint8 v = values[static_cast<size_t>(j)];
    AppendTwoDigits(line, v);
    line.append(table.Row(j, v).lane[static_cast<size_t>(t)] > 0 ? hitMark : QChar(u' '));
  }
  line.replace(u'%', u'#');
  return line;
}

// A combination that hits a draw, and with how many numbers.
struct Hit {
  int combination = 0;  // 0-based
  int hits = 0;
};

// For each tested draw, the combinations that hit it, in list order; fills the
// combinations' numbers on the way.
std::vector<std::vector<Hit>> HitsByDraw(const HitTable& table, const CombPositions& CombPos, int count,
                                         std::vector<CombinationValues>& values) {
  const int threshold = HitThreshold(table.PositionCount());
  std::vector<std::vector<Hit>> byDraw(static_cast<size_t>(table.DrawsTested()));
  DrawLanes hits;
  for (int c = 0; c < count; ++c) {
    CombinationValues& v = values[static_cast<size_t>(c)];
    v = ValuesOf(CombPos, table.PositionCount(), c);
    table.Hits(v, hits);
    for (int t = 0; t < table.DrawsTested(); ++t) {
      const int h = hits.lane[static_cast<size_t>(t)];
      if (h >= threshold) byDraw[static_cast<size_t>(t)].push_back({c, h});
    }
  }
  return byDraw;
}

}  // namespace

int BackTestPercent(int n, bool newList) { return newList ? 90 + RoundHalfEven(n * 10, 100) : n * 100 / 100; }

AnalysisOutcome BackTestList(const HistoryView& view, const CombPositions& CombPos, QStringList& LineasComb,
                             const SelectorTags& tags, bool newList, ReportText& report, BackTestResult& result,
                             StepHooks& hooks) {
  result = BackTestResult();
  const int positionCount = std::min<int>(view.PositionCount, kMaxPositions);
  const HitTable table(view, GroupingsFromTags(tags, positionCount));
  const int count = ListCount(CombPos, LineasComb, positionCount);
  std::vector<CombinationValues> values(static_cast<size_t>(count));
  const std::vector<std::vector<Hit>> hitsByDraw = HitsByDraw(table, CombPos, count, values);
  int lastHitDraw = 0;
  for (int t = 0; t < table.DrawsTested(); ++t) {
    const int d = table.NewestDraw() - t;
    hooks.Step();
    if (hooks.StopRequested()) return AnalysisOutcome::Stopped;
    hooks.Progress(BackTestPercent(t, newList), false);
    // The draw line and the lines of its combinations go to the report in one
    // append: the window only looks at it at the next step.
    QString block = DrawLine(view, d, [](int) { return QChar(u'&'); });
    block.append(kCrLf);
    for (const Hit& hit : hitsByDraw[static_cast<size_t>(t)]) {
      ++result.successTotal;
      if (d != lastHitDraw) {
        ++result.hitDraws;
        lastHitDraw = d;
      }
      QString& line = LineasComb[hit.combination];
      line = HitLine(table, values[static_cast<size_t>(hit.combination)], line, t, hit.hits);
      block.append(line);
      block.append(kCrLf);
    }
    report.Append(block);
  }
  return AnalysisOutcome::Done;
}

BackTestResult CountHits(const HitTable& table, const CombPositions& CombPos, int count) {
  const int positionCount = table.PositionCount();
  const auto threshold = static_cast<quint8>(HitThreshold(positionCount));
  DrawLanes any;
  DrawLanes hits;
  BackTestResult result;
  for (int c = 0; c < count; ++c) {
    table.Hits(ValuesOf(CombPos, positionCount, c), hits);
    int successes = 0;
    for (size_t t = 0; t < kLanes; ++t) {
      const bool hit = hits.lane[t] >= threshold;
      any.lane[t] = static_cast<quint8>(any.lane[t] | static_cast<quint8>(hit));
      successes += hit ? 1 : 0;
    }
    result.successTotal += successes;
  }
  for (const quint8 a : any.lane) result.hitDraws += a;
  return result;
}

std::array<int, kLanes> SuccessesPerDraw(const HitTable& table, const CombPositions& CombPos, int count) {
  const int positionCount = table.PositionCount();
  const auto threshold = static_cast<quint8>(HitThreshold(positionCount));
  DrawLanes hits;
  std::array<int, kLanes> successes{};
  for (int c = 0; c < count; ++c) {
    table.Hits(ValuesOf(CombPos, positionCount, c), hits);
    for (size_t t = 0; t < kLanes; ++t) successes[t] += hits.lane[t] >= threshold ? 1 : 0;
  }
  return successes;
}

}  // namespace tombolix
