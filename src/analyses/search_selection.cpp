#include "analyses/search_selection.h"

#include "analyses/report_layout.h"

namespace tombolix {

namespace {

void SetNumber(SearchSelection& s, int p, int value) {
  const auto i = static_cast<size_t>(p);
  s.kind[i] = SelectionKind::Number;
  s.value[i] = value;
  s.text[i].clear();
  AppendTwoDigits(s.text[i], value);
}

SearchSelection AllLabels() {
  SearchSelection s;
  s.kind.fill(SelectionKind::Label);
  return s;
}

}  // namespace

SearchSelection SelectionFromSelectors(const SelectorTexts& texts, int positionCount) {
  SearchSelection s = AllLabels();
  for (int p = 1; p <= positionCount && p <= kMaxPositions; ++p) {
    const QString& t = texts[static_cast<size_t>(p)];
    if (t.isEmpty()) {
      s.kind[static_cast<size_t>(p)] = SelectionKind::Emptied;
    } else if (t.size() <= 2 && !t.contains(u'B')) {
      const int value = TwoDigitValueAt(t.size() == 1 ? QStringLiteral("0") + t : t, 0);
      if (value >= 0) SetNumber(s, p, value);
    }
  }
  return s;
}

SearchSelection SelectionFromLastDraw(const HistoryView& view) {
  SearchSelection s = AllLabels();
  if (view.DrawCount < 1) return s;
  for (int p = 1; p <= view.PositionCount; ++p) SetNumber(s, p, view.P(p, view.DrawCount));
  return s;
}

int MinimumResemblance(const SearchSelection& selection, int positionCount) {
  for (int p = 1; p <= positionCount; ++p) {
    if (!selection.IsNumber(p)) return 1;
  }
  return positionCount / 2;
}

}  // namespace tombolix
