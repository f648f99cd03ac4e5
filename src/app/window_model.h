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
  QString Tag;
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
  QString Tag = QStringLiteral("0");  // selection guard
  QString Text() const { return currentIndex >= 0 && currentIndex < items.size() ? items[currentIndex] : QString(); }
};

struct ListState {
  QStringList items;
  int selectedRow = -1;
  bool enabled = true;
  bool visible = true;
  QString Tag = QStringLiteral("0");
};

struct LabelState {
  QString caption;
  QString toolTip;
  Rgb backColour = MakeRgb(240, 240, 240);
  bool enabled = true;
  bool visible = true;
  QString Tag;
};

struct ReportPane {
  ReportText report{QStringLiteral(" ")};
  bool visible = false;
  QString Tag;
};

struct TimerState {
  bool enabled = false;
  int intervalMs = 0;
  QString Tag = QStringLiteral("0");
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

  // Flags the window keeps in control tags ("0" or "1", read as numbers).
  // The next LIMPIAR reloads the lottery list and the history (Tag of ACTUALIZAR).
  bool ReloadPending() const { return Cmd(Command::Actualizar).Tag.toInt() != 0; }
  void SetReloadPending(bool on) { Cmd(Command::Actualizar).Tag = FlagText(on); }
  // ANÁLISIS iA is computing its source analyses (Tag of its button).
  bool AiRunning() const { return Cmd(Command::AnalisisIa).Tag.toInt() != 0; }
  void SetAiRunning(bool on) { Cmd(Command::AnalisisIa).Tag = FlagText(on); }
  // BUSCAR or AUTOMÁTICO run ANÁLISIS iA as a quiet preparation (Tag of pane 0).
  bool QuietRun() const { return RtfReporte[0].Tag.toInt() != 0; }
  void SetQuietRun(bool on) { RtfReporte[0].Tag = FlagText(on); }
  // The M2 pane of a pair remembers whether its M2 was shown last.
  bool ShowsM2Last(int m2Pane) const { return RtfReporte[static_cast<size_t>(m2Pane)].Tag.toInt() != 0; }
  void SetShowsM2Last(int m2Pane, bool on) { RtfReporte[static_cast<size_t>(m2Pane)].Tag = FlagText(on); }

  static QString FlagText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

  // The selectors' candidate lists as numbers (CboBal(1..7)).
  std::array<std::vector<quint8>, kMaxPositions + 1> SelectorValues() const;
};

}  // namespace tombolix
