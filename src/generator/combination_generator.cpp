#include "generator/combination_generator.h"

#include "history/prime.h"

#include <algorithm>
#include <cstdlib>

namespace tombolix {

namespace {

// Bit c set for each admitted count c; counts per draw never exceed kMaxPositions.
quint8 AdmittedCounts(qint32 low, qint32 high) {
  quint8 mask = 0;
  for (const qint32 count : {low, high}) {
    if (count >= 0 && count <= kMaxPositions) mask = static_cast<quint8>(mask | (1u << count));
  }
  return mask;
}

bool IsValidPositionCount(int n) { return n >= 2 && n <= kMaxPositions; }

}  // namespace

ForcedRises RisingPositions(const HistoryView& view) {
  ForcedRises rises{};
  const int positionCount = std::min<int>(view.PositionCount, kMaxPositions);
  if (view.history == nullptr || view.DrawCount < 1 || positionCount < 1) return rises;
  int always = (1 << positionCount) - 1;
  for (int d = view.WindowStart(CombinationGenerator::kPatternWindow); d <= view.DrawCount; ++d)
    always &= TrendCode(DrawCombination(view, d).data(), positionCount);
  for (int p = 1; p <= positionCount; ++p) rises[static_cast<size_t>(p)] = ((always >> (p - 1)) & 1) != 0;
  return rises;
}

CombinationGenerator::CombinationGenerator(const HistoryView& view, const AcceptanceValues& acceptance)
    : positionCount(view.PositionCount),
      consecutiveMask(AdmittedCounts(acceptance.ConsecutivosBajo, acceptance.ConsecutivosAlto)),
      evenMask(AdmittedCounts(acceptance.ParesBajo, acceptance.ParesAlto)),
      compositeMask(AdmittedCounts(acceptance.CompuestosBajo, acceptance.CompuestosAlto)) {
  for (int n = 0; n < 256; ++n) {
    const quint8 value = static_cast<quint8>(n);
    numberClass[value] = static_cast<quint8>((n % 2 == 0 ? 1 : 0) | (ClasePrimo(value) == u'-' ? 2 : 0));
  }
  if (!IsValidPositionCount(positionCount) || view.history == nullptr) return;
  for (int d = view.DrawCount; d >= view.WindowStart(kPatternWindow); --d) {
    const Combination draw = DrawCombination(view, d);
    recentRepetition.set(static_cast<size_t>(RepetitionCode(draw.data(), positionCount)));
    recentTrend.set(static_cast<size_t>(TrendCode(draw.data(), positionCount)));
  }
}

bool CombinationGenerator::CountsAdmitted(int consecutive, int even, int composite) const {
  return ((consecutiveMask >> consecutive) & (evenMask >> even) & (compositeMask >> composite) & 1u) != 0;
}

bool CombinationGenerator::PassesTests(const Combination& candidate) const {
  if (!IsValidPositionCount(positionCount)) return false;
  int consecutive = 0, even = 0, composite = 0;
  for (int p = 0; p < positionCount; ++p) {
    const quint8 value = candidate[static_cast<size_t>(p)];
    even += numberClass[value] & 1;
    composite += numberClass[value] >> 1;
    if (p > 0 && std::abs(value - candidate[static_cast<size_t>(p - 1)]) == 1) ++consecutive;
  }
  return CountsAdmitted(consecutive, even, composite) &&
         recentTrend[static_cast<size_t>(TrendCode(candidate.data(), positionCount))] &&
         recentRepetition[static_cast<size_t>(RepetitionCode(candidate.data(), positionCount))];
}

GenerationResult CombinationGenerator::Generate(const SelectorLists& lists, QRandomGenerator& random) {
  GenerationResult result;
  if (!IsValidPositionCount(positionCount)) return result;
  std::array<const quint8*, kMaxPositions> items{};
  std::array<quint32, kMaxPositions> sizes{};
  for (int p = 0; p < positionCount; ++p) {
    const std::vector<quint8>& list = lists[static_cast<size_t>(p + 1)];
    if (list.empty()) return result;
    items[static_cast<size_t>(p)] = list.data();
    sizes[static_cast<size_t>(p)] = static_cast<quint32>(list.size());
  }
  Combination& candidate = result.lastCandidate;
  while (result.candidatesDrawn < kMaxAttempts) {
    ++result.candidatesDrawn;
    for (int p = 0; p < positionCount; ++p) {
      const size_t i = static_cast<size_t>(p);
      candidate[i] = items[i][random.bounded(sizes[i])];
    }
    // A repeat is rejected whatever its patterns, so testing it last gives the same answer.
    if (!PassesTests(candidate) || !generatedKeys.insert(CombinationKey(candidate)).second) continue;
    generated.push_back(candidate);
    result.accepted = true;
    break;
  }
  return result;
}

void CombinationGenerator::ClearGenerated() {
  generated.clear();
  generatedKeys.clear();
}

}  // namespace tombolix
