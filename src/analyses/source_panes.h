#pragma once

#include "history/history.h"
#include "reports/panes.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <bitset>

namespace tombolix {

// The texts of the report panes, indexed by pane number. A pane holding no
// report (" ") reads as no lines at all.
using PaneTexts = std::array<QString, kPaneCount>;

// The lines of a report as they are read back: the text with its surrounding
// spaces (spaces only) removed, split at the line breaks. The element after the
// last line break is never visited, so it is left out; the empty line that ends
// a report is kept.
QStringList VisitedLines(const QString& paneText);

// The value lines of a report of position blocks (frequency, law of the third,
// cycle, forecast, AI summary), each found by its position and value. A line
// with ">" and no "B" belongs to the position of the nearest label line above.
class ValueLineIndex {
 public:
  struct Entry {
    QChar mark;      // the value's mark (third character of its line)
    int number = 0;  // the number after the arrow (count or cycle)
  };

  ValueLineIndex() = default;
  explicit ValueLineIndex(const QStringList& lines);

  // The first line of `value` (0..99) at position p (1..7); null when there is none.
  const Entry* Find(int p, int value) const;
  // Value lines of position p and the sum of their numbers.
  int LineCount(int p) const { return p >= 1 && p <= kMaxPositions ? count_[static_cast<size_t>(p)] : 0; }
  qint64 NumberSum(int p) const { return p >= 1 && p <= kMaxPositions ? sum_[static_cast<size_t>(p)] : 0; }

 private:
  std::array<std::array<Entry, 100>, kMaxPositions + 1> entries_{};
  std::array<int, kMaxPositions + 1> count_{};
  std::array<qint64, kMaxPositions + 1> sum_{};
};

// The mark of `value`'s cycle line at position p when the position has cycle
// lines and that cycle is at most their mean (rounded half to even); null otherwise.
QChar CycleMarkWithinMean(const ValueLineIndex& cycles, int p, int value);

// Which numbers carry `mark` at which position in some draw line of a report.
class DrawLineMarks {
 public:
  DrawLineMarks(const QStringList& lines, QChar mark);
  bool Has(int p, int value) const;

 private:
  std::array<std::bitset<100>, kMaxPositions + 1> seen_{};
};

}  // namespace tombolix
