#include "ui/pane_context_menu.h"

#include "app/export_names.h"
#include "app/pane_charts.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "ui/chance_dialog.h"
#include "ui/chart_window.h"
#include "ui/forecast_chance_dialog.h"
#include "ui/help_pages.h"
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
  const auto texts = app.Lists().CompareListWithChanceTexts(kChanceRandomLists, QRandomGenerator::global()->generate());
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

void Copy(const ReportText& report, const ReportPaneView& view) {
  const QTextCursor selection = view.textCursor();
  if (selection.hasSelection()) {
    const int from = view.ReportOffset(selection.selectionStart());
    CopyReportPart(report, from, view.ReportOffset(selection.selectionEnd()) - from);
  } else {
    CopyReportPart(report, 0, report.Length());
  }
}

QString ContextMenuText(ReportAction action) {
  switch (action) {
    case ReportAction::Copy:
      return QStringLiteral("Copiar");
    case ReportAction::SaveHtml:
      return QStringLiteral("Guardar como HTML…");
    case ReportAction::SavePdf:
      return QStringLiteral("Guardar como PDF…");
    case ReportAction::Print:
      return QStringLiteral("Imprimir…");
    case ReportAction::Chart:
      return QStringLiteral("Ver gráfico…");
    case ReportAction::Chance:
      return QStringLiteral("Comparar con el azar…");
    case ReportAction::Explain:
      return QStringLiteral("¿Qué muestra este informe?");
  }
  return {};
}

}  // namespace

std::vector<ReportEntry> ReportEntries(const TombolixApp& app, int pane) {
  const ReportText& report = app.Model().RtfReporte[static_cast<size_t>(pane)].report;
  const bool usable = !app.Model().busy && !report.Text().isEmpty() && !report.IsEmptyMarker();
  std::vector<ReportEntry> entries{{ReportAction::Copy, usable},
                                   {ReportAction::SaveHtml, usable},
                                   {ReportAction::SavePdf, usable},
                                   {ReportAction::Print, usable}};
  if (PaneInfo(pane).hasChart) entries.push_back({ReportAction::Chart, usable});
  if (PaneInfo(pane).chance != ChanceComparison::None) entries.push_back({ReportAction::Chance, usable});
  entries.push_back({ReportAction::Explain, true});
  return entries;
}

void FillPaneMenu(QMenu& menu, const TombolixApp& app, int pane) {
  // Groups: copy; the files; the chart and the comparison; the explanation.
  for (const ReportEntry& entry : ReportEntries(app, pane)) {
    const ReportAction a = entry.action;
    if (a == ReportAction::SaveHtml || a == ReportAction::Chart || a == ReportAction::Explain ||
        (a == ReportAction::Chance && !PaneInfo(pane).hasChart)) {
      menu.addSeparator();
    }
    QAction* action = menu.addAction(ContextMenuText(entry.action));
    action->setData(static_cast<int>(entry.action));
    action->setEnabled(entry.enabled);
  }
}

void RunReportAction(TombolixApp& app, ReportPaneView& view, int pane, ReportAction action) {
  if (action == ReportAction::Explain) {
    ShowExplanationPage(view.window(), pane);
    return;
  }
  // The window may have become busy while a menu was open.
  if (app.Model().busy) return;
  const ReportText& report = app.Model().RtfReporte[static_cast<size_t>(pane)].report;
  const QString title = ReportHeading(app.Model(), pane);
  const QString lottery = app.Model().CboLoteria.Text();
  switch (action) {
    case ReportAction::Copy:
      Copy(report, view);
      break;
    case ReportAction::SaveHtml:
      SaveReportAsHtml(&view, report, title, ReportFileName(lottery, pane, u"html"));
      break;
    case ReportAction::SavePdf:
      SaveReportAsPdf(&view, report, title, ReportFileName(lottery, pane, u"pdf"));
      break;
    case ReportAction::Print:
      PrintReport(&view, report, title);
      break;
    case ReportAction::Chart:
      OpenChart(app, &view, pane);
      break;
    case ReportAction::Chance:
      if (PaneInfo(pane).chance == ChanceComparison::BackTest) {
        CompareBackTestWithChance(app, &view);
      } else {
        ShowForecastChance(view.window(), app, pane);
      }
      break;
    case ReportAction::Explain:
      break;
  }
}

void RunPaneContextMenu(TombolixApp& app, ReportPaneView& view, int pane, const QPoint& globalPos) {
  QMenu menu(&view);
  FillPaneMenu(menu, app, pane);
  const QAction* chosen = menu.exec(globalPos);
  if (chosen == nullptr || !chosen->isEnabled()) return;
  RunReportAction(app, view, pane, static_cast<ReportAction>(chosen->data().toInt()));
}

}  // namespace tombolix
