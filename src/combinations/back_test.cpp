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

}  // namespace

int BackTestPercent(int n, bool newList) { return newList ? 90 + RoundHalfEven(n * 10, 100) : n * 100 / 100; }

AnalysisOutcome BackTestList(const HistoryView& view, const CombPositions& CombPos, QStringList& LineasComb,
                             const SelectorTags& tags, bool newList, ReportText& report, BackTestResult& result,
                             StepHooks& hooks) {
  result = BackTestResult();
  const int positionCount = std::min<int>(view.PositionCount, kMaxPositions);
  const HitTable table(view, GroupingsFromTags(tags, positionCount));
  const int count = ListCount(CombPos, LineasComb, positionCount);
  const int threshold = HitThreshold(positionCount);
  std::vector<CombinationValues> values(static_cast<size_t>(count));
  std::vector<DrawLanes> hits(static_cast<size_t>(count));
  for (int c = 0; c < count; ++c) {
    values[static_cast<size_t>(c)] = ValuesOf(CombPos, positionCount, c);
    table.Hits(values[static_cast<size_t>(c)], hits[static_cast<size_t>(c)]);
  }
  int lastHitDraw = 0;
  for (int t = 0; t < table.DrawsTested(); ++t) {
    const int d = table.NewestDraw() - t;
    hooks.Step();
    if (hooks.StopRequested()) return AnalysisOutcome::Stopped;
    hooks.Progress(BackTestPercent(t, newList), false);
    QString drawLine = DrawLine(view, d, [](int) { return QChar(u'&'); });
    drawLine.append(kCrLf);
    report.Append(drawLine);
    for (int c = 0; c < count; ++c) {
      hooks.Step();
      const int h = hits[static_cast<size_t>(c)].lane[static_cast<size_t>(t)];
      if (h < threshold) continue;
      ++result.successTotal;
      if (d != lastHitDraw) {
        ++result.hitDraws;
        lastHitDraw = d;
      }
      QString& line = LineasComb[c];
      line = HitLine(table, values[static_cast<size_t>(c)], line, t, h);
      report.Append(line);
      report.Append(kCrLf);
    }
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

}  // namespace tombolix
