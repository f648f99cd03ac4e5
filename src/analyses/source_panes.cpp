#include "analyses/source_panes.h"

#include "analyses/report_layout.h"

#include <algorithm>
#include <limits>

namespace tombolix {

namespace {

QStringView TrimSpaces(QStringView text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text[begin] == u' ') ++begin;
  while (end > begin && text[end - 1] == u' ') --end;
  return text.mid(begin, end - begin);
}

}  // namespace

QStringList VisitedLines(const QString& paneText) {
  QStringList lines;
  for (QStringView line : TrimSpaces(paneText).split(QStringView(u"\r\n"))) lines.append(line.toString());
  if (!lines.isEmpty()) lines.removeLast();
  return lines;
}

ValueLineIndex::ValueLineIndex(const QStringList& lines) {
  int p = 0;
  for (const QString& line : lines) {
    const bool hasLabel = line.contains(u'B');
    if (hasLabel) {
      // Only a label line "Bk" names a position; other lines with "B" carry none.
      if (const int labelled = LabelPosition(line); labelled > 0) p = labelled;
      continue;
    }
    if (p == 0 || !line.contains(u'>')) continue;
    const int value = TwoDigitValueAt(line, 0);
    const int number = LeadingNumber(QStringView(line).mid(kValueLineNumberIndex));
    ++count_[static_cast<size_t>(p)];
    sum_[static_cast<size_t>(p)] += number;
    if (value < 0) continue;
    Entry& entry = entries_[static_cast<size_t>(p)][static_cast<size_t>(value)];
    if (!entry.mark.isNull()) continue;  // the first line of a value counts
    entry.mark = line.size() > kValueLineMarkIndex ? line[kValueLineMarkIndex] : QChar(u' ');
    entry.number = number;
  }
}

const ValueLineIndex::Entry* ValueLineIndex::Find(int p, int value) const {
  if (p < 1 || p > kMaxPositions || value < 0 || value > 99) return nullptr;
  const Entry& entry = entries_[static_cast<size_t>(p)][static_cast<size_t>(value)];
  return entry.mark.isNull() ? nullptr : &entry;
}

QChar CycleMarkWithinMean(const ValueLineIndex& cycles, int p, int value) {
  const ValueLineIndex::Entry* entry = cycles.Find(p, value);
  const int count = cycles.LineCount(p);
  if (entry == nullptr || count == 0) return QChar();
  // Only a corrupt report could sum beyond an int; such a sum is held there.
  const int sum = static_cast<int>(std::min<qint64>(cycles.NumberSum(p), std::numeric_limits<int>::max()));
  return entry->number <= RoundHalfEven(sum, count) ? entry->mark : QChar();
}

DrawLineMarks::DrawLineMarks(const QStringList& lines, QChar mark) {
  for (const QString& line : lines) {
    for (int p = 1; p <= kMaxPositions; ++p) {
      if (line.size() <= DrawLineMarkIndex(p)) break;
      if (line[DrawLineMarkIndex(p)] != mark) continue;
      const int value = TwoDigitValueAt(line, DrawLineNumberIndex(p));
      if (value >= 0) seen_[static_cast<size_t>(p)].set(static_cast<size_t>(value));
    }
  }
}

bool DrawLineMarks::Has(int p, int value) const {
  if (p < 1 || p > kMaxPositions || value < 0 || value > 99) return false;
  return seen_[static_cast<size_t>(p)].test(static_cast<size_t>(value));
}

}  // namespace tombolix
