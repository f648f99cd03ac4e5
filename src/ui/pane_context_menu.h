#pragma once

#include <QString>

#include <vector>

class QMenu;
class QPoint;

namespace tombolix {

class ReportPaneView;
class TombolixApp;

// What can be done with the report of a pane. The pane's context menu and
// the menu bar offer the same actions, enabled by the same rule.
enum class ReportAction { Copy, SaveHtml, SavePdf, Print, Chart, Chance, Explain };

struct ReportEntry {
  ReportAction action;
  bool enabled;
};

// The actions a pane offers, in menu order: the chart and the comparison with
// chance only where the pane has them. Every entry but the explanation is
// unavailable while the window is busy or the pane holds no report; the
// explanation is always there.
std::vector<ReportEntry> ReportEntries(const TombolixApp& app, int pane);

// Fills a context menu with the pane's entries (each action's data is its
// ReportAction), separators between groups.
void FillPaneMenu(QMenu& menu, const TombolixApp& app, int pane);

// Does one action on the report of `pane`, drawn in `view`.
void RunReportAction(TombolixApp& app, ReportPaneView& view, int pane, ReportAction action);

// The context menu of a report pane.
void RunPaneContextMenu(TombolixApp& app, ReportPaneView& view, int pane, const QPoint& globalPos);

}  // namespace tombolix
