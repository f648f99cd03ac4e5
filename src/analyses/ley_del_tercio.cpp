#include "analyses/ley_del_tercio.h"

#include "analyses/report_lines.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tombolix {

namespace {

// One line of the results list: "<hits> <value><mark> -->  <hits>", and the
// value and mark it carries.
struct ResultEntry {
  QString text;
  quint8 value = 0;
  QChar mark;
};

QChar HitsClass(int hits) {
  if (hits == 0) return u'#';
  if (hits == 1) return u'$';
  return u'%';
}

quint8 GroupCode(QChar mark) {
  if (mark == u'%') return kThirdLawCodeUpper;
  if (mark == u'$') return kThirdLawCodeMiddle;
  return kThirdLawCodeLower;
}

// The results of position p in the order they are read back: the entries sorted
// by their text (so by hits, as text: 10 or more sorts between 1 and 2), last first.
std::vector<ResultEntry> ReadBackOrder(const HistoryView& view, const std::vector<quint8>& list, int p) {
  const int size = static_cast<int>(list.size());
  const int oldest = std::max(view.DrawCount - size + 1, 1);
  std::array<int, 256> hits{};
  for (int d = view.DrawCount; d >= oldest; --d) ++hits[view.P(p, d)];
  std::vector<ResultEntry> entries;
  entries.reserve(list.size());
  for (const quint8 value : list) {
    const int h = hits[value];
    ResultEntry e{QString::number(h) + u' ', value, HitsClass(h)};
    AppendValueLine(e.text, value, e.mark, h);
    entries.push_back(std::move(e));
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const ResultEntry& a, const ResultEntry& b) { return a.text < b.text; });
  std::reverse(entries.begin(), entries.end());
  return entries;
}

}  // namespace

void LeyDelTercio(const HistoryView& view, const SelectorLists& lists, ReportText& report, StepHooks& hooks) {
  for (int p = 1; p <= view.PositionCount; ++p) {
    hooks.Step();
    QString text = QStringLiteral("B") + QString::number(p) + kCrLf;
    for (const ResultEntry& e : ReadBackOrder(view, lists[static_cast<size_t>(p)], p)) {
      // The entry without its leading hits count and space.
      text.append(QStringView(e.text).mid(e.text.indexOf(u' ') + 1));
      text.append(kCrLf);
    }
    text.append(kCrLf);
    report.Append(text);
  }
}

void LeyDelTercioSilent(const HistoryView& view, const SelectorLists& lists, PositionByteArrays& arrays) {
  for (auto& a : arrays) a.assign(1, 0);
  for (int p = 1; p <= view.PositionCount; ++p) {
    std::vector<quint8>& codes = arrays[static_cast<size_t>(p)];
    codes.clear();
    QChar previous;
    for (const ResultEntry& e : ReadBackOrder(view, lists[static_cast<size_t>(p)], p)) {
      if (e.mark != previous) codes.push_back(GroupCode(e.mark));
      previous = e.mark;
      codes.push_back(e.value);
    }
    codes.push_back(0);
  }
}

}  // namespace tombolix
