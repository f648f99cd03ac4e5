#include "analyses/analisis_ia.h"
#include "analyses/buscar_parecidos.h"
#include "app/control_colours.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "reports/start_pane.h"

#include <QRandomGenerator>

namespace tombolix {

namespace {

// The texts of every pane, as the summary and the search read them back.
PaneTexts PaneTextsOf(const WindowModel& model) {
  PaneTexts texts;
  for (int pane = 0; pane < kPaneCount; ++pane) {
    texts[static_cast<size_t>(pane)] = model.RtfReporte[static_cast<size_t>(pane)].report.Text();
  }
  return texts;
}

}  // namespace

// AUTOMÁTICO: the quiet preparation BUSCAR also runs, then one new
// combination with its similar-draw search.
void TombolixApp::Automatico() {
  if (!QuietPreparationBegins()) return;
  QuietPreparationRuns();
  if (Ending(model_)) return;
  lists_.CombinacionAutomatica();
}

// Steps 1 and 2 of the preparation BUSCAR and AUTOMÁTICO share. False when the
// command ends there: pane 0 is hidden and holds a result, which is shown again.
bool TombolixApp::QuietPreparationBegins() {
  model_.Cmd(Command::Combinaciones).backColour = ControlColour::Combinaciones;
  model_.Cmd(Command::AnalisisIa).backColour = ControlColour::AnalisisIa;
  if (!model_.RtfReporte[Pane::Start].visible && !PaneZeroHoldsStartText(model_)) {
    LlenarListaAnalisis();
    ShowReportPane(Pane::Start);
    return false;
  }
  return true;
}

// Step 4: ANÁLISIS iA as a quiet run (no clips, no list refresh, no recolouring),
// which leaves the window busy for what follows.
void TombolixApp::QuietPreparationRuns() {
  LlenarListaAnalisis();
  model_.SetQuietRun(true);
  RunCommand(Command::AnalisisIa);
  ShowReportPane(Pane::Start);
}

void TombolixApp::Buscar() {
  if (!QuietPreparationBegins()) return;
  // Only a selector showing a number (not "--" nor its label) makes a search.
  QString chosen;
  for (int k = 1; k <= kMaxPositions; ++k) chosen += model_.CboBal[static_cast<size_t>(k)].text;
  chosen.remove(QStringLiteral("--"));
  for (int k = 1; k <= kMaxPositions; ++k) chosen.remove(QLatin1Char('B') + QString::number(k));
  if (chosen.isEmpty()) return;
  QuietPreparationRuns();
  if (Ending(model_)) return;
  BuscarParecidos(Pane::Start);
}

void TombolixApp::AnalisisIaCommand() {
  model_.Cmd(Command::Combinaciones).backColour = ControlColour::Combinaciones;
  const bool quiet = model_.QuietRun();
  if (!quiet) {
    model_.Cmd(Command::AnalisisIa).backColour = ControlColour::AnalisisIaOwnRun;
    LlenarListaAnalisis();
  }
  if (!model_.RtfReporte[Pane::ResumenIA].report.IsEmptyMarker()) {
    ShowReportPane(Pane::ResumenIA);
  } else {
    if (!quiet) clips_.PlayClip(11);
    model_.SetAiRunning(true);
    for (const PaneRow& row : PaneTable()) {
      if (!row.aiSource) continue;
      ShowReportPane(row.pane);
      if (model_.RtfReporte[static_cast<size_t>(row.pane)].report.IsEmptyMarker()) ComputePane(row.pane);
      if (Ending(model_)) return;
    }
    if (!quiet) {
      // One generator for the whole process, seeded once.
      static constexpr int kClosingClips[] = {4, 6, 7};
      clips_.PlayClip(kClosingClips[QRandomGenerator::global()->bounded(3)]);
    }
    model_.SetAiRunning(false);
    ShowReportPane(Pane::ResumenIA);
    AnalisisIA();
  }
  model_.SetQuietRun(false);
}

// The AI summary into pane 20. A quiet run leaves the window busy for the
// search or the generator that asked for it.
void TombolixApp::AnalisisIA() {
  EnableControls(false);
  ReportText& report = model_.RtfReporte[Pane::ResumenIA].report;
  const History history = model_.history;
  const PaneTexts sources = PaneTextsOf(model_);
  if (::tombolix::AnalisisIA(sources, HistoryView(history), report, *this) == AnalysisOutcome::Stopped ||
      ColourPasses(report, PaneInfo(Pane::ResumenIA).colouring, history.PositionCount, *this) ==
          AnalysisOutcome::Stopped) {
    AbortAnalysis();
    return;
  }
  if (!model_.QuietRun()) EnableControls(true);
}

// The similar-draw search into pane 0 (the selectors' numbers) or pane 19 (the
// newest draw, after ANÁLISIS iA as a quiet run).
void TombolixApp::BuscarParecidos(int pane) {
  if (pane == Pane::PatronUltimoSorteo) {
    model_.SetQuietRun(true);
    RunCommand(Command::AnalisisIa);
    if (Ending(model_)) return;
    ShowReportPane(Pane::PatronUltimoSorteo);
  }
  EnableControls(false);
  ReportText& report = model_.RtfReporte[static_cast<size_t>(pane)].report;
  const History history = model_.history;
  SelectorTexts selection;
  for (int k = 1; k <= kMaxPositions; ++k)
    selection[static_cast<size_t>(k)] = model_.CboBal[static_cast<size_t>(k)].text;
  const PaneTexts sources = PaneTextsOf(model_);
  const auto mode = static_cast<quint8>(pane);
  if (::tombolix::BuscarParecidos(mode, HistoryView(history), selection, sources, report, *this) ==
          AnalysisOutcome::Stopped ||
      ColourPasses(report, PaneInfo(pane).colouring, history.PositionCount, *this) == AnalysisOutcome::Stopped) {
    AbortAnalysis();
    return;
  }
  model_.caption = savedCaption_;
  EnableControls(true);
}

}  // namespace tombolix
