#include "combinations/chance_baseline.h"

#include "combinations/back_test.h"
#include "combinations/random_lists.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace tombolix {

namespace {

// The distinct values each position took in draws 1..knownDraws, ascending.
Candidates HistoryValues(const HistoryView& view, int positionCount, qint32 knownDraws) {
  Candidates candidates;
  for (int k = 1; k <= positionCount; ++k) {
    std::array<bool, 256> seen{};
    for (int d = 1; d <= knownDraws; ++d) seen[view.P(k, d)] = true;
    for (int v = 0; v < 256; ++v) {
      if (seen[static_cast<size_t>(v)]) candidates[static_cast<size_t>(k)].push_back(static_cast<quint8>(v));
    }
  }
  return candidates;
}

Candidates SelectorCandidates(const SelectorLists& lists, int positionCount) {
  Candidates candidates;
  for (int k = 1; k <= positionCount; ++k) candidates[static_cast<size_t>(k)] = lists[static_cast<size_t>(k)];
  return candidates;
}

// Nearest-rank percentile of sorted values.
int Percentile(const std::vector<int>& sorted, double fraction) {
  if (sorted.empty()) return 0;
  const auto rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
  return sorted[std::clamp<size_t>(rank, 1, sorted.size()) - 1];
}

// Mean and range: the 95 % band with enough lists, else the smallest and largest.
void Summarise(std::vector<int> values, bool band, double& mean, int& low, int& high, double* sd = nullptr) {
  if (values.empty()) return;
  mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
  if (sd != nullptr && values.size() > 1) {
    double squares = 0;
    for (const int v : values) squares += (v - mean) * (v - mean);
    *sd = std::sqrt(squares / static_cast<double>(values.size() - 1));
  }
  std::sort(values.begin(), values.end());
  low = band ? Percentile(values, 0.025) : values.front();
  high = band ? Percentile(values, 0.975) : values.back();
}

ChanceFigures Simulate(const HitTable& table, const RandomListSpace& space, int listSize, int randomLists,
                       int ownSuccesses, QRandomGenerator& random) {
  ChanceFigures figures;
  figures.listSize = space.ListSize(listSize);
  CombPositions list;
  std::vector<int> hitDraws;
  std::vector<int> successes;
  for (int r = 0; r < randomLists; ++r) {
    space.Draw(listSize, random, list);
    const BackTestResult result = CountHits(table, list, figures.listSize);
    hitDraws.push_back(result.hitDraws);
    successes.push_back(result.successTotal);
    figures.fewerSuccesses += result.successTotal < ownSuccesses ? 1 : 0;
    figures.equalSuccesses += result.successTotal == ownSuccesses ? 1 : 0;
  }
  for (const int hit : hitDraws) {
    if (hit >= static_cast<int>(figures.hitDrawsHistogram.size()))
      figures.hitDrawsHistogram.resize(static_cast<size_t>(hit) + 1);
    ++figures.hitDrawsHistogram[static_cast<size_t>(hit)];
  }
  const bool band = randomLists >= kMinBandLists;
  Summarise(std::move(hitDraws), band, figures.meanHitDraws, figures.lowHitDraws, figures.highHitDraws);
  Summarise(std::move(successes), band, figures.meanSuccesses, figures.lowSuccesses, figures.highSuccesses,
            &figures.sdSuccesses);
  figures.expectedSuccesses = space.ExpectedSuccesses(listSize);
  figures.expectedHitDraws = space.ExpectedHitDraws(listSize);
  return figures;
}

// "sorteo" or "sorteos" after a count.
QString Draws(qint64 n) { return SpanishCount(n) + (n == 1 ? QStringLiteral(" sorteo") : QStringLiteral(" sorteos")); }

// Percent of `part` in `whole`, to the nearest integer (halves to even).
qint64 Percent(int part, int whole) {
  return whole <= 0 ? 0 : static_cast<qint64>(std::nearbyint(100.0 * part / whole));
}

}  // namespace

int ChanceBaseline::VerdictLow() const {
  const ChanceFigures& f = fromSelectors;
  if (!Widened()) return f.lowSuccesses;
  return std::max(0, static_cast<int>(std::floor(f.meanSuccesses - (f.meanSuccesses - f.lowSuccesses) * spreadRatio)));
}

int ChanceBaseline::VerdictHigh() const {
  const ChanceFigures& f = fromSelectors;
  if (!Widened()) return f.highSuccesses;
  return static_cast<int>(std::ceil(f.meanSuccesses + (f.highSuccesses - f.meanSuccesses) * spreadRatio));
}

std::optional<ChanceVerdict> ChanceBaseline::Verdict() const {
  if (!HasBand()) return std::nullopt;
  return VerdictAgainstBand(listSuccesses, VerdictLow(), VerdictHigh());
}

ChanceBaseline CompareWithChance(const HistoryView& view, const CombPositions& CombPos, const SelectorLists& lists,
                                 const SelectorTags& tags, int randomLists, quint32 seed, qint32 knownDraws) {
  const int positionCount = std::min<int>(view.PositionCount, kMaxPositions);
  const Groupings groupings = GroupingsFromTags(tags, positionCount);
  const HitTable table(view, groupings);
  ChanceBaseline baseline;
  baseline.randomLists = std::max(randomLists, 0);
  baseline.listSize = static_cast<int>(CombPos[1].size());
  for (int k = 1; k <= positionCount; ++k)
    baseline.listSize = std::min(baseline.listSize, static_cast<int>(CombPos[static_cast<size_t>(k)].size()));
  baseline.drawsTested = table.DrawsTested();
  const BackTestResult own = CountHits(table, CombPos, baseline.listSize);
  baseline.listHitDraws = own.hitDraws;
  baseline.listSuccesses = own.successTotal;

  const Candidates fromSelectors = SelectorCandidates(lists, positionCount);
  const qint32 known = knownDraws > 0 ? std::min(knownDraws, view.DrawCount) : view.DrawCount;
  // The generator that made (or would have made) the list read the draws up to `known`.
  const ForcedRises rises = RisingPositions(HistoryView(*view.history, known));
  const RandomListSpace selectorSpace(table, groupings, fromSelectors, rises);
  const RandomListSpace historySpace(table, groupings, HistoryValues(view, positionCount, known), rises);
  QRandomGenerator random(seed);
  baseline.fromSelectors =
      Simulate(table, selectorSpace, baseline.listSize, baseline.randomLists, own.successTotal, random);
  baseline.fromHistory =
      Simulate(table, historySpace, baseline.listSize, baseline.randomLists, own.successTotal, random);
  return baseline;
}

void MeasureOwnSpread(const History& history, const CombPositions& CombPos, const SelectorLists& lists,
                      const SelectorTags& tags, qint32 firstDraw, qint32 lastDraw, ChanceBaseline& baseline) {
  constexpr int kMaxSpreadBlocks = 20;
  const int positionCount = std::min<int>(history.PositionCount, kMaxPositions);
  const Groupings groupings = GroupingsFromTags(tags, positionCount);
  const Candidates candidates = SelectorCandidates(lists, positionCount);
  const ForcedRises rises = RisingPositions(HistoryView(history, std::min(lastDraw, history.DrawCount)));
  firstDraw = std::max<qint32>(firstDraw, 1);
  // Running mean and sum of squared deviations (Welford): the differences
  // are read block by block, newest first.
  int n = 0;
  double mean = 0, squares = 0;
  for (qint32 end = std::min(lastDraw, history.DrawCount), blocks = 0;
       end - kTestLength + 1 >= firstDraw && blocks < kMaxSpreadBlocks; end -= kTestLength, ++blocks) {
    const HitTable table(HistoryView(history, end), groupings);
    const RandomListSpace space(table, groupings, candidates, rises);
    if (space.Count() <= 0) return;
    const int listSize = space.ListSize(baseline.listSize);
    const std::array<int, kLanes> successes = SuccessesPerDraw(table, CombPos, baseline.listSize);
    for (int t = 0; t < table.DrawsTested(); ++t) {
      const double difference = successes[static_cast<size_t>(t)] - listSize * space.Hitting(t) / space.Count();
      ++n;
      const double step = difference - mean;
      mean += step / n;
      squares += step * (difference - mean);
    }
  }
  if (n < kMinSpreadDraws || baseline.fromSelectors.sdSuccesses <= 0) return;
  const double ownSpread = std::sqrt(kTestLength * squares / (n - 1));
  baseline.spreadDraws = n;
  baseline.spreadRatio = std::max(1.0, ownSpread / baseline.fromSelectors.sdSuccesses);
}

QString RankWords(const ChanceBaseline& b) {
  const ChanceFigures& f = b.fromSelectors;
  if (f.equalSuccesses == 0) return QStringLiteral("mejor que el %1 %").arg(Percent(f.fewerSuccesses, b.randomLists));
  return QStringLiteral("igual o mejor que el %1 %").arg(Percent(f.fewerSuccesses + f.equalSuccesses, b.randomLists));
}

QString ChanceSentence(const ChanceBaseline& b) {
  const int n = b.randomLists;
  QString sentence =
      QStringLiteral("Su lista logró ") + SpanishCount(b.listSuccesses) +
      (b.listSuccesses == 1 ? QStringLiteral(" acierto (") : QStringLiteral(" aciertos (")) + Draws(b.listHitDraws) +
      (b.listHitDraws == 1 ? QStringLiteral(" acertado) en ") : QStringLiteral(" acertados) en ")) +
      Draws(b.drawsTested) + QStringLiteral(": ") + RankWords(b) + QStringLiteral(" de ") + SpanishCount(n) +
      (n == 1 ? QStringLiteral(" lista al azar del mismo tamaño. ")
              : QStringLiteral(" listas al azar del mismo tamaño. "));
  if (b.Widened()) {
    sentence += QStringLiteral(
                    "Sus combinaciones se parecen entre sí, así que sus aciertos varían de unos sorteos a "
                    "otros %1 veces lo que los de una lista al azar (medido en %2 sorteos anteriores que "
                    "no usó); el veredicto lo tiene en cuenta: franja de %3 a %4 aciertos. ")
                    .arg(SpanishDecimal(b.spreadRatio, 1), SpanishCount(b.spreadDraws), SpanishCount(b.VerdictLow()),
                         SpanishCount(b.VerdictHigh()));
  }
  if (const std::optional<ChanceVerdict> verdict = b.Verdict()) {
    QString words = VerdictWords(*verdict);
    words[0] = words[0].toUpper();
    sentence += words + QLatin1Char('.');
  } else {
    sentence += QStringLiteral("Sin veredicto: hacen falta al menos %1 listas al azar.").arg(kMinBandLists);
  }
  switch (b.origin) {
    case ListOrigin::GeneratedNow:
      return sentence + QStringLiteral(
                            " La lista se hizo con estos mismos sorteos: la prueba los reutiliza y la "
                            "favorece.");
    case ListOrigin::Saved:
      return sentence + QStringLiteral(" Es una lista guardada: no se sabe con qué sorteos se hizo.");
    case ListOrigin::BuiltBefore:
      break;
  }
  return sentence;
}

}  // namespace tombolix
