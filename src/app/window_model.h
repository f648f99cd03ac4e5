#pragma once

#include "analyses/analysis_arrays.h"
#include "app/command.h"
#include "combinations/back_test.h"
#include "combinations/combination_list.h"
#include "history/history.h"
#include "reports/panes.h"
#include "reports/report_text.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tombolix {

// Plain state of every control of the main window. The app layer changes it;
// the view draws it and forwards events. Indices are the controls' own.

struct ButtonState {
  QString caption;
  Rgb backColour = MakeRgb(240, 240, 240);
  bool enabled = true;
  bool tabStop = true;
  bool visible = true;
  bool flag = false;  // Tag: ReloadPending on ACTUALIZAR, AiRunning on ANÁLISIS iA
};

struct SelectorState {
  QStringList items;  // two-digit texts for CboBal(1..7)
  QString text = QStringLiteral("--");
  bool enabled = true;
  QString Tag;
};

struct LotteryBoxState {
  QStringList items;      // lottery names
  QStringList fileNames;  // the real file name of each item (its extension may be in any case)
  int currentIndex = -1;  // -1: no item selected
  bool enabled = true;
  bool selecting = false;  // Tag: code is filling or selecting; the selection event does nothing
  QString Text() const { return currentIndex >= 0 && currentIndex < items.size() ? items[currentIndex] : QString(); }
};

struct ListState {
  QStringList items;
  int selectedRow = -1;
  bool enabled = true;
  bool visible = true;
  bool selecting = false;  // Tag: code is moving the selection
};

struct LabelState {
  QString caption;
  QString toolTip;
  Rgb backColour = MakeRgb(240, 240, 240);
  bool enabled = true;
  bool visible = true;
  int pane = 0;  // Tag of LblMapas: the pane the map button opens
};

struct ReportPane {
  ReportText report{QStringLiteral(" ")};
  bool visible = false;
  bool flag = false;  // Tag: QuietRun on pane 0, ShowsM2Last on the M2 pane of a pair
};

struct TimerState {
  bool enabled = false;
  int intervalMs = 0;
  int count = 0;  // Tag: the ticks so far (TmrPublicidad), the caret's position (TmrGameplay)
};

// Which control has the keyboard focus.
enum class FocusTarget { None, LstFormula, CboLoteria, CboBal, CmdFuncion };
struct Focus {
  FocusTarget target = FocusTarget::None;
  int index = 0;  // for CboBal and CmdFuncion
  friend bool operator==(const Focus&, const Focus&) = default;
};

struct WindowModel {
  // Controls, indexed as in the window's design.
  std::array<ButtonState, 8> CmdFuncion;
  std::array<SelectorState, 8> CboBal;
  LotteryBoxState CboLoteria;
  ListState LstFormula;
  std::array<ReportPane, kPaneCount> RtfReporte;
  ReportPane RtfFondo;
  std::array<LabelState, 2> LblMapas;
  LabelState LblAjuste;
  LabelState LblAyuda;
  LabelState LblBoletos;
  LabelState LblDonacion;
  TimerState TmrPublicidad;
  TimerState TmrGameplay;
  // Runs while the warning after map M2 stays shown; its tick hides it.
  TimerState TmrAdvertencia;
  QString caption;
  Focus focus;
  int visiblePane = -1;  // tracked here; never asked of a widget
  // Counts the history reloads: what was drawn from an earlier one is stale.
  int historyGeneration = 0;

  // Shared program state.
  History history;
  AcceptanceValues acceptance;
  std::array<quint8, kMaxPositions + 1> FullListCount{};
  AnalysisArrays arrays;
  // The combination list of the last COMBINACIONES run (CombPos1..7 and
  // LineasComb), and LineasCombLimpias: the lines of the last run that hit a
  // draw, which map M2 reads.
  CombinationList combinations;
  QStringList LineasCombLimpias;
  BackTestResult lastBackTest;
  QString HistoryFolder;
  qint32 AnalysisWindow = 0;
  bool StopRequested = false;
  bool busy = false;              // between EnableControls(False) and EnableControls(True)
  bool closingConfirmed = false;  // the user confirmed closing; computations return at once
  bool quitting = false;          // the program is ending itself

  ButtonState& Cmd(Command command) { return CmdFuncion[static_cast<size_t>(Index(command))]; }
  const ButtonState& Cmd(Command command) const { return CmdFuncion[static_cast<size_t>(Index(command))]; }

  // Flags the window keeps in control tags.
  // The next LIMPIAR reloads the lottery list and the history (Tag of ACTUALIZAR).
  bool ReloadPending() const { return Cmd(Command::Actualizar).flag; }
  void SetReloadPending(bool on) { Cmd(Command::Actualizar).flag = on; }
  // ANÁLISIS iA is computing its source analyses (Tag of its button).
  bool AiRunning() const { return Cmd(Command::AnalisisIa).flag; }
  void SetAiRunning(bool on) { Cmd(Command::AnalisisIa).flag = on; }
  // BUSCAR or AUTOMÁTICO run ANÁLISIS iA as a quiet preparation (Tag of pane 0).
  bool QuietRun() const { return RtfReporte[0].flag; }
  void SetQuietRun(bool on) { RtfReporte[0].flag = on; }
  // The M2 pane of a pair remembers whether its M2 was shown last.
  bool ShowsM2Last(int m2Pane) const { return RtfReporte[static_cast<size_t>(m2Pane)].flag; }
  void SetShowsM2Last(int m2Pane, bool on) { RtfReporte[static_cast<size_t>(m2Pane)].flag = on; }
  // The panes the map buttons M1 and M2 open (LblMapas(0..1).Tag).
  void PointMapsAt(int m1Pane, int m2Pane) {
    LblMapas[0].pane = m1Pane;
    LblMapas[1].pane = m2Pane;
  }

  // The selectors' candidate lists as numbers (CboBal(1..7)).
  std::array<std::vector<quint8>, kMaxPositions + 1> SelectorValues() const;
};

// True once the program is ending (closing confirmed or ending itself):
// long computations return at once and nothing new starts.
inline bool Ending(const WindowModel& m) { return m.closingConfirmed || m.quitting; }
// The warning after map M2 is shown over the window (its timer runs).
inline bool WarningShown(const WindowModel& m) { return m.TmrAdvertencia.enabled; }
// Whether pane 0 holds the start text of the loaded history (what ShowStartPane writes).
bool PaneZeroHoldsStartText(const WindowModel& m);

}  // namespace tombolix
