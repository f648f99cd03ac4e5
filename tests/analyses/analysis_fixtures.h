#pragma once

#include "history/history.h"
#include "history/selector_population.h"
#include "reports/report_text.h"
#include "reports/step_hooks.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

namespace tombolix::test {

// The date text of draw d (1-based) of a made-up history: one draw every three days.
inline QString DrawDateText(int d) {
  return QDate(2020, 1, 1).addDays(3 * (d - 1)).toString(QStringLiteral("dd/MM/yyyy"));
}

// A history of `positions` positions from its draws, oldest first; columns
// beyond `positions` hold the filler.
inline History MakeHistory(int positions, const std::vector<std::vector<int>>& draws) {
  History h;
  h.PositionCount = static_cast<quint8>(positions);
  for (const auto& draw : draws) {
    ++h.DrawCount;
    h.DrawDate.append(DrawDateText(h.DrawCount));
    for (int k = 1; k <= kMaxPositions; ++k) {
      const int v = k <= static_cast<int>(draw.size()) ? draw[static_cast<size_t>(k - 1)] : kFillerValue;
      h.Pos[static_cast<size_t>(k - 1)].append(static_cast<quint8>(v));
    }
  }
  return h;
}

// A history of `count` draws whose numbers follow a simple deterministic pattern.
inline History PatternHistory(int positions, int count, int maxValue) {
  std::vector<std::vector<int>> draws(static_cast<size_t>(count));
  unsigned state = 12345u + static_cast<unsigned>(positions * 1000 + count);
  for (auto& draw : draws) {
    for (int k = 0; k < positions; ++k) {
      state = state * 1103515245u + 12345u;
      draw.push_back(static_cast<int>((state >> 16) % static_cast<unsigned>(maxValue + 1)));
    }
  }
  return MakeHistory(positions, draws);
}

// Selector lists given position by position (index 0 unused).
inline SelectorLists Lists(std::initializer_list<std::vector<quint8>> perPosition) {
  SelectorLists lists;
  size_t k = 1;
  for (const auto& l : perPosition) lists[k++] = l;
  return lists;
}

// n line breaks.
inline QString Crlf(int n = 1) { return QStringLiteral("\r\n").repeated(n); }

// The report's lines (split at CR LF).
inline QStringList Lines(const ReportText& report) { return report.Text().split(QStringLiteral("\r\n")); }

// Hooks that count steps and record the progress shown.
class CountingHooks : public StepHooks {
 public:
  int steps = 0;
  std::vector<int> progress;
  std::vector<bool> lastFlags;
  void Step() override { ++steps; }
  void Progress(int percent, bool last) override {
    progress.push_back(percent);
    lastFlags.push_back(last);
  }
};

// Counting hooks whose stop request turns true once `stopAt` steps were taken.
class StopAfterHooks : public CountingHooks {
 public:
  explicit StopAfterHooks(int stopAt) : stopAt_(stopAt) {}
  bool StopRequested() const override { return steps >= stopAt_; }

 private:
  int stopAt_;
};

}  // namespace tombolix::test
