#pragma once

class QPoint;

namespace tombolix {

class ReportPaneView;
class TombolixApp;

// The context menu of a report pane: copy, save as HTML or PDF, print, and,
// where the pane has them, its chart and its comparison with chance. Every
// entry is unavailable while the window is busy or the pane holds no report.
void RunPaneContextMenu(TombolixApp& app, ReportPaneView& view, int pane, const QPoint& globalPos);

}  // namespace tombolix
