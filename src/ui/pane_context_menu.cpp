#include "ui/pane_context_menu.h"

#include "app/export_names.h"
#include "app/pane_charts.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "ui/chance_dialog.h"
#include "ui/chart_window.h"
#include "ui/forecast_chance_dialog.h"
#include "ui/report_export_actions.h"
#include "ui/report_pane_view.h"

#include <QApplication>
#include <QMenu>
#include <QRandomGenerator>
#include <QTextCursor>

namespace tombolix {

namespace {

void CompareBackTestWithChance(TombolixApp& app, QWidget* parent) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const auto texts = app.CompareListWithChanceTexts(kChanceRandomLists, QRandomGenerator::global()->generate());
  QApplication::restoreOverrideCursor();
  if (texts) ShowChanceDialog(parent, texts->sentence, texts->table);
}

void OpenChart(const TombolixApp& app, QWidget* parent, int pane) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::optional<PaneChart> chart =
      ChartOfPane(app, pane, kChartRandomLists, QRandomGenerator::global()->generate());
  if (chart) {
    OpenChartWindow(parent->window(), *chart, ReportFileName(app.Model().CboLoteria.Text(), pane, u"png"));
  }
  QApplication::restoreOverrideCursor();
}

}  // namespace

void RunPaneContextMenu(TombolixApp& app, ReportPaneView& view, int pane, const QPoint& globalPos) {
  const ReportText& report = app.Model().RtfReporte[static_cast<size_t>(pane)].report;
  const bool usable = !app.Model().busy && !report.Text().isEmpty() && !report.IsEmptyMarker();
  const QString title = ReportHeading(app.Model(), pane);
  const QString lottery = app.Model().CboLoteria.Text();

  QMenu menu(&view);
  QAction* copy = menu.addAction(QStringLiteral("Copiar"));
  menu.addSeparator();
  QAction* html = menu.addAction(QStringLiteral("Guardar como HTML…"));
  QAction* pdf = menu.addAction(QStringLiteral("Guardar como PDF…"));
  QAction* print = menu.addAction(QStringLiteral("Imprimir…"));
  QAction* chart = nullptr;
  QAction* chance = nullptr;
  const bool comparable = pane == Pane::GeneradorM1 || app.HasForecastChance(pane);
  if (PaneHasChart(pane) || comparable) menu.addSeparator();
  if (PaneHasChart(pane)) chart = menu.addAction(QStringLiteral("Ver gráfico…"));
  if (comparable) chance = menu.addAction(QStringLiteral("Comparar con el azar…"));
  for (QAction* action : menu.actions()) action->setEnabled(usable);

  QAction* chosen = menu.exec(globalPos);
  // The window may have become busy while the menu was open.
  if (chosen == nullptr || app.Model().busy) return;
  if (chosen == copy) {
    const QTextCursor selection = view.textCursor();
    if (selection.hasSelection()) {
      const int from = view.ReportOffset(selection.selectionStart());
      CopyReportPart(report, from, view.ReportOffset(selection.selectionEnd()) - from);
    } else {
      CopyReportPart(report, 0, report.Length());
    }
  } else if (chosen == html) {
    SaveReportAsHtml(&view, report, title, ReportFileName(lottery, pane, u"html"));
  } else if (chosen == pdf) {
    SaveReportAsPdf(&view, report, title, ReportFileName(lottery, pane, u"pdf"));
  } else if (chosen == print) {
    PrintReport(&view, report, title);
  } else if (chosen == chart) {
    OpenChart(app, &view, pane);
  } else if (chosen == chance && pane == Pane::GeneradorM1) {
    CompareBackTestWithChance(app, &view);
  } else if (chosen == chance) {
    ShowForecastChance(view.window(), app, pane);
  }
}

}  // namespace tombolix
