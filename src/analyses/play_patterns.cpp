#include "analyses/play_patterns.h"

#include "analyses/report_lines.h"
#include "texts/messages.h"

#include <array>

namespace tombolix {

namespace {

constexpr int kPatternMinMatches = 3;  // positions a draw must share with the reference
constexpr int kPatternMinBlock = 3;    // lines a block needs to be shown
constexpr int kPatternProgressSpan = 97;

using Numbers = std::array<quint8, kMaxPositions + 1>;

Numbers NumbersOf(const HistoryView& view, int d) {
  Numbers n{};
  for (int k = 1; k <= view.PositionCount; ++k) n[static_cast<size_t>(k)] = view.P(k, d);
  return n;
}

// The block of reference r: the lines of the draws that share enough positions with it.
QString PatternBlock(const HistoryView& view, const std::vector<Numbers>& draws, int r, int oldest, int& size) {
  const int positions = view.PositionCount;
  const Numbers& ref = draws[static_cast<size_t>(r - oldest)];
  QString block;
  size = 0;
  for (int c = view.DrawCount; c >= oldest; --c) {
    const Numbers& cmp = draws[static_cast<size_t>(c - oldest)];
    int same = 0;
    for (int k = 1; k <= positions; ++k) same += cmp[static_cast<size_t>(k)] == ref[static_cast<size_t>(k)];
    if (same < kPatternMinMatches) continue;
    ++size;
    const bool identical = same == positions;
    AppendDrawLineStart(block, view.Date(c));
    for (int k = 1; k <= positions; ++k) {
      const auto ku = static_cast<size_t>(k);
      AppendTwoDigits(block, cmp[ku]);
      block.append(identical ? u'-' : (cmp[ku] == ref[ku] ? u'+' : u'&'));
    }
    block.append(kCrLf);
  }
  return block;
}

}  // namespace

AnalysisOutcome PatronJugadas(const HistoryView& view, ReportText& report, StepHooks& hooks) {
  const int oldest = view.WindowStart(kPatternWindow);
  std::vector<Numbers> draws;
  for (int d = oldest; d <= view.DrawCount; ++d) draws.push_back(NumbersOf(view, d));
  bool anyBlock = false;
  for (int r = view.DrawCount; r >= oldest; --r) {
    hooks.Step();
    if (hooks.StopRequested()) return AnalysisOutcome::Stopped;
    hooks.Progress((view.DrawCount - r) * kPatternProgressSpan / kPatternWindow, false);
    int size = 0;
    QString block = PatternBlock(view, draws, r, oldest, size);
    if (size < kPatternMinBlock) continue;
    block.append(kCrLf);
    report.Append(block);
    anyBlock = true;
  }
  if (!anyBlock) {
    report.Append(Msg(TxtNingunPatron));
    report.Append(kCrLf);
  }
  return AnalysisOutcome::Done;
}

}  // namespace tombolix
