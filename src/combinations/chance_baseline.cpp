#include "combinations/chance_baseline.h"

#include "combinations/back_test.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace tombolix {

namespace {

using Candidates = std::array<std::vector<quint8>, kMaxPositions + 1>;

// The distinct values each position took in the whole history, ascending.
Candidates HistoryValues(const HistoryView& view, int positionCount) {
  Candidates candidates;
  for (int k = 1; k <= positionCount; ++k) {
    std::array<bool, 256> seen{};
    for (int d = 1; d <= view.DrawCount; ++d) seen[view.P(k, d)] = true;
    for (int v = 0; v < 256; ++v) {
      if (seen[static_cast<size_t>(v)]) candidates[static_cast<size_t>(k)].push_back(static_cast<quint8>(v));
    }
  }
  return candidates;
}

// Exact chance that a random combination hits lane t, per lane: the hits are
// a sum of independent position scores, convolved position by position.
std::vector<double> LaneProbabilities(const HitTable& table, const Candidates& candidates) {
  const int positionCount = table.PositionCount();
  const int threshold = HitThreshold(positionCount);
  constexpr int kMaxHits = kMaxPositions * kMaxPositions + 1;
  std::vector<double> p(static_cast<size_t>(table.DrawsTested()));
  for (int t = 0; t < table.DrawsTested(); ++t) {
    std::array<double, kMaxHits> dist{};
    dist[0] = 1;
    for (int j = 1; j <= positionCount; ++j) {
      const auto& values = candidates[static_cast<size_t>(j)];
      if (values.empty()) continue;
      std::array<double, kMaxHits> next{};
      const double share = 1.0 / static_cast<double>(values.size());
      for (const quint8 v : values) {
        const int x = table.Row(j, v).lane[static_cast<size_t>(t)];
        for (int s = 0; s + x < kMaxHits; ++s) next[static_cast<size_t>(s + x)] += dist[static_cast<size_t>(s)] * share;
      }
      dist = next;
    }
    p[static_cast<size_t>(t)] = std::accumulate(dist.begin() + threshold, dist.end(), 0.0);
  }
  return p;
}

// Nearest-rank percentile of sorted values.
int Percentile(const std::vector<int>& sorted, double fraction) {
  if (sorted.empty()) return 0;
  const auto rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
  return sorted[std::clamp<size_t>(rank, 1, sorted.size()) - 1];
}

void Summarise(std::vector<int> values, double& mean, int& low, int& high) {
  if (values.empty()) return;
  mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
  std::sort(values.begin(), values.end());
  low = Percentile(values, 0.025);
  high = Percentile(values, 0.975);
}

ChanceFigures Simulate(const HitTable& table, const Candidates& candidates, int listSize, int randomLists,
                       QRandomGenerator& random) {
  const int positionCount = table.PositionCount();
  CombPositions list;
  for (int k = 1; k <= positionCount; ++k) list[static_cast<size_t>(k)].resize(static_cast<size_t>(listSize));
  std::vector<int> hitDraws;
  std::vector<int> successes;
  for (int r = 0; r < randomLists; ++r) {
    for (int k = 1; k <= positionCount; ++k) {
      const auto& values = candidates[static_cast<size_t>(k)];
      const auto n = static_cast<quint32>(values.size());
      for (quint8& x : list[static_cast<size_t>(k)]) x = n == 0 ? HitTable::kNoValue : values[random.bounded(n)];
    }
    const BackTestResult result = CountHits(table, list, listSize);
    hitDraws.push_back(result.hitDraws);
    successes.push_back(result.successTotal);
  }
  ChanceFigures figures;
  for (const int hit : hitDraws) {
    if (hit >= static_cast<int>(figures.hitDrawsHistogram.size())) figures.hitDrawsHistogram.resize(static_cast<size_t>(hit) + 1);
    ++figures.hitDrawsHistogram[static_cast<size_t>(hit)];
  }
  Summarise(std::move(hitDraws), figures.meanHitDraws, figures.lowHitDraws, figures.highHitDraws);
  Summarise(std::move(successes), figures.meanSuccesses, figures.lowSuccesses, figures.highSuccesses);
  for (const double p : LaneProbabilities(table, candidates)) {
    figures.expectedSuccesses += p * listSize;
    figures.expectedHitDraws += 1 - std::pow(1 - p, listSize);
  }
  return figures;
}

// "sorteo" or "sorteos" after a count.
QString Draws(qint64 n) { return SpanishCount(n) + (n == 1 ? QStringLiteral(" sorteo") : QStringLiteral(" sorteos")); }

}  // namespace

ChanceBaseline CompareWithChance(const HistoryView& view, const CombPositions& CombPos, const SelectorLists& lists,
                                 const SelectorTags& tags, int randomLists, quint32 seed) {
  const int positionCount = std::min<int>(view.PositionCount, kMaxPositions);
  const HitTable table(view, GroupingsFromTags(tags, positionCount));
  ChanceBaseline baseline;
  baseline.randomLists = std::max(randomLists, 0);
  baseline.listSize = static_cast<int>(CombPos[1].size());
  for (int k = 1; k <= positionCount; ++k)
    baseline.listSize = std::min(baseline.listSize, static_cast<int>(CombPos[static_cast<size_t>(k)].size()));
  baseline.drawsTested = table.DrawsTested();
  const BackTestResult own = CountHits(table, CombPos, baseline.listSize);
  baseline.listHitDraws = own.hitDraws;
  baseline.listSuccesses = own.successTotal;

  Candidates fromSelectors;
  for (int k = 1; k <= positionCount; ++k) fromSelectors[static_cast<size_t>(k)] = lists[static_cast<size_t>(k)];
  QRandomGenerator random(seed);
  baseline.fromSelectors = Simulate(table, fromSelectors, baseline.listSize, baseline.randomLists, random);
  baseline.fromHistory =
      Simulate(table, HistoryValues(view, positionCount), baseline.listSize, baseline.randomLists, random);
  return baseline;
}

QString SpanishCount(qint64 n) {
  const QString digits = QString::number(n < 0 ? -n : n);
  QString out;
  for (qsizetype i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out.append(u'.');
    out.append(digits.at(i));
  }
  return n < 0 ? QLatin1Char('-') + out : out;
}

QString ChanceSentence(const ChanceBaseline& baseline, const ChanceFigures& figures) {
  const int n = baseline.randomLists;
  QString sentence = QStringLiteral("Su lista acertó ") + Draws(baseline.listHitDraws) + QStringLiteral("; ") +
                     SpanishCount(n) +
                     (n == 1 ? QStringLiteral(" lista al azar del mismo tamaño acertó ")
                             : QStringLiteral(" listas al azar del mismo tamaño acertaron "));
  if (figures.lowHitDraws == figures.highHitDraws) {
    sentence += Draws(figures.lowHitDraws);
  } else {
    sentence += QStringLiteral("entre ") + SpanishCount(figures.lowHitDraws) + QStringLiteral(" y ") +
                SpanishCount(figures.highHitDraws);
  }
  return sentence + QStringLiteral(" (95 %).");
}

}  // namespace tombolix
