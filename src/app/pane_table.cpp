#include "app/pane_table.h"

#include <algorithm>

namespace tombolix {

namespace {

constexpr bool RowsInPaneOrder() {
  for (int i = 0; i < kPaneCount; ++i) {
    if (kPaneRows[static_cast<size_t>(i)].pane != i) return false;
  }
  return true;
}
static_assert(RowsInPaneOrder(), "the pane table is indexed by pane");

constexpr bool PairsAgree() {
  for (const PaneRow& row : kPaneRows) {
    if (row.partner < 0) continue;
    const PaneRow& other = kPaneRows[static_cast<size_t>(row.partner)];
    if (other.partner != row.pane || other.isM2 == row.isM2 || other.listRow != row.listRow) return false;
  }
  return true;
}
static_assert(PairsAgree(), "map pairs name each other, one M1 and one M2, opened by the same row");

// A list row between the empty first and last rows, shared only by the two
// maps of a pair, titled by a message, with a letter key of its own on the
// pane that opens it; the history-download row opens no pane.
constexpr bool ListRowsAgree() {
  for (const PaneRow& row : kPaneRows) {
    if (row.listRow < 0) {
      if (row.listKey != 0) return false;
      continue;
    }
    if (row.listRow < 1 || row.listRow > kAnalysisRowCount - 2 || row.listRow == kBuscarHistorialesRow) return false;
    if (row.titleMessage == kNoMessage || (row.listKey == 0) != row.isM2) return false;
    for (const PaneRow& other : kPaneRows) {
      if (&other == &row) continue;
      if (other.listRow == row.listRow && other.pane != row.partner) return false;
      if (row.listKey != 0 && other.listKey == row.listKey) return false;
    }
  }
  return true;
}
static_assert(ListRowsAgree(), "each list row opens one pane or pair and has one key");

// The back-test's comparison with chance belongs to the pane the back-test writes.
constexpr bool ComparisonsAgree() {
  for (const PaneRow& row : kPaneRows) {
    if ((row.chance == ChanceComparison::BackTest) != (row.routine == PaneRoutine::BackTest)) return false;
  }
  return true;
}
static_assert(ComparisonsAgree(), "the back-test compares its own list with chance");

constexpr int kSeparatorLength = 26;

}  // namespace

std::span<const PaneRow> PaneTable() { return kPaneRows; }

const PaneRow* PaneForListRow(int row) {
  if (row < 0) return nullptr;  // panes that no row opens have -1
  const auto* it =
      std::find_if(kPaneRows.begin(), kPaneRows.end(), [row](const PaneRow& r) { return r.listRow == row && !r.isM2; });
  return it == kPaneRows.end() ? nullptr : &*it;
}

std::optional<int> PaneForToolName(QStringView name) {
  for (const PaneRow& row : kPaneRows) {
    if (name == QLatin1String(row.toolName)) return row.pane;
  }
  return std::nullopt;
}

QString PaneTitle(int pane) {
  const PaneRow& row = PaneInfo(pane);
  if (row.titleMessage == kNoMessage) {
    return row.titleText == nullptr ? ProgramCaption() : MessageTitle(QString::fromUtf16(row.titleText));
  }
  QString title = MessageTitle(row.titleMessage);
  if (row.isM2) title += QLatin1String(" M2");
  return title;
}

QStringList AnalysisListRows() {
  const QString separator(kSeparatorLength, QChar(0x00AF));
  QStringList rows;
  rows.reserve(kAnalysisRowCount);
  for (int row = 0; row < kAnalysisRowCount; ++row) {
    if (const PaneRow* pane = PaneForListRow(row)) {
      rows.append(Msg(pane->titleMessage));
    } else if (row == kBuscarHistorialesRow) {
      rows.append(Msg(TxtBuscarHistoriales));
    } else if (row == 0 || row == kAnalysisRowCount - 1) {
      rows.append(QString());
    } else {
      rows.append(separator);
    }
  }
  return rows;
}

bool IsSeparatorRow(int row) { return row != kBuscarHistorialesRow && PaneForListRow(row) == nullptr; }

}  // namespace tombolix
