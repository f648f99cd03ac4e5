#pragma once

#include "app/key_codes.h"
#include "app/key_table.h"
#include "app/list_workflow.h"
#include "app/platform.h"
#include "app/window_model.h"
#include "reports/step_hooks.h"
#include "sound/clip_player.h"
#include "texts/messages.h"

#include <QString>

#include <optional>

namespace tombolix {

// The product's pages the window links to.
enum class WebLink { Product, HelpVideo, Tickets, Donation };

// The main window's routines: start-up, commands, keys, the Clear command and
// stop routine, the busy state, analysis selection and the timers. Owns the
// window model and the combination list's workflow; talks to the outside only
// through Platform. Its public face is what the view forwards and what the
// tools drive; the rest stays inside the app layer.
class TombolixApp : public StepHooks, private ListWorkflowHost {
 public:
  // `installed`: the program was installed by its package and works in the
  // user's data folder; it then keeps no desktop launcher of its own.
  TombolixApp(Platform& platform, QString programFolder, bool installed = false);

  WindowModel& Model() { return model_; }
  const WindowModel& Model() const { return model_; }
  Platform& Host() { return platform_; }
  const QString& ProgramFolder() const { return programFolder_; }
  // Tests switch clips off; the program plays them.
  void SetSoundEnabled(bool enabled) { clips_.SetEnabled(enabled); }
  // The product's pages (the build's unless set); empty ones disable their links.
  void SetWebAddresses(const WebAddresses& addresses);
  // COMBINACIONES, its list and its comparisons with chance.
  ListWorkflow& Lists() { return lists_; }
  const ListWorkflow& Lists() const { return lists_; }

  // --- Life cycle (startup.cpp, life_cycle.cpp) ---
  // Window initialisation and load. False when the program ends before showing
  // its window (another instance, unwritable folder); the caller then quits.
  bool Start();
  // The closing sequence: true when the window may close.
  bool QueryClose();
  // For the report tool: loads one history file as the program would after
  // selecting it, without touching the program folder or any other file.
  void LoadForReport(const QString& historyPath);
  void TmrPublicidad_Timer();
  void TmrGameplay_Timer();
  void TmrAdvertencia_Timer();
  void WindowRestored();
  // --- Checking the player's tickets (tickets_flow.cpp) ---
  // Opens the checker filled with `text` (tickets, one per line) while the
  // window is idle with a history loaded; otherwise beeps and returns false.
  bool OpenTicketChecker(const QString& text = {});


  // --- Commands (commands.cpp) ---
  // A press of CmdFuncion(index), as the view forwards it.
  void RunCommand(int index);
  void RunCommand(Command command) override;
  // After a history was written into the folder: the reload is advised as AGREGAR advises it.
  void AdviseReloadAfterImport();
  // The desktop could not open `what` (a path or an address): the window,
  // minimised to make room, comes back and a message names it and what to do.
  void OpenFailed(OpenTarget target, const QString& what);

  // --- Selectors and the lottery box (selector_events.cpp, lottery_selection.cpp) ---
  // The view reports the text the user picked or typed into CboBal(k).
  void CboBal_SetText(int k, const QString& text);
  void CboBal_Click(int k);
  void CboBal_GotFocus(int k);
  // A typed character; returns true when the selector accepts it (the view then
  // edits the text), false when it is dropped.
  bool CboBal_KeyPress(int k, QChar c);
  void CboLoteria_Click(int index);

  // --- Keyboard, analysis list, map buttons and links ---
  // The window's key-down handler; returns what the key did.
  KeyEffect KeyDown(int keyCode, int modifiers) override;
  // A character typed into the analysis list: true when the list may use it (never).
  bool LstFormula_KeyPress(QChar c);
  void LstFormula_Click(int row);
  void LblMapas_Click(int index);
  void RtfFondo_Click();
  // Opens a page of the product with the window minimised; nothing without an address.
  void OpenLink(WebLink link);

  // StepHooks: what long computations call once per step.
  void Step() override;
  bool StopRequested() const override;
  void Progress(int percent, bool last) override;

 private:
  friend struct AppTestAccess;  // tests open panes and switch the busy state directly

  // --- Life cycle ---
  void SetDesignState();
  // Ends the program without its closing question; `reason` goes to the log.
  void EndProgram(const QString& reason);
  void ShowFolderUnwritable();
  void CreateDesktopShortcut();

  // --- BUSCAR, AUTOMÁTICO, ANÁLISIS iA and the searches (ai_and_search.cpp) ---
  void Buscar();
  void Automatico();
  void AnalisisIaCommand();
  // The AI summary into pane 20 (its source panes already computed).
  void AnalisisIA();
  // The similar-draw search: pane 0 for the selectors' numbers, pane 19 for the newest draw.
  void BuscarParecidos(int pane) override;
  bool QuietPreparationBegins();
  void QuietPreparationRuns();

  // --- ACTUALIZAR, AGREGAR, REINICIAR and the files opened by keys (file_commands.cpp) ---
  void Actualizar();
  void Agregar();
  void Reiniciar();
  void OpenConfigurationFile();
  void OpenReadme();
  void TakeNextHistoryFolder();

  // --- Auto-scroll, Clear command and stop routine ---
  void StartAutoScroll();
  void CancelAutoScroll();
  void Limpiar();
  void AbortAnalysis() override;
  void Pause(int seconds) override;
  // Steps of the reload branch of Limpiar before the lottery list is refilled.
  void ClearForReload();

  // --- Panes and busy state (panes.cpp, analysis_runner.cpp) ---
  void ShowReportPane(int pane);
  void EnableControls(bool enabled) override;
  void ShowStartPane();
  // Computes the report of `pane`: called by the list and the map buttons
  // when the pane holds no report.
  void ComputePane(int pane);
  void RequestStopOnListedPane();

  // --- History and lotteries (lottery_selection.cpp, history_load.cpp) ---
  void LoadHistory();
  void FillLotteryList();
  void RestoreLotterySelection();
  void SaveLotterySelection();
  // Selects lottery `index` from code; the selection event runs as if the user had picked it.
  void SelectLottery(int index);
  // Rebuilds the selector lists from the first `drawCount` draws (FillSelectors).
  void FillSelectors(quint8 offset, qint32 drawCount);
  QString HistoryFilePath() const;
  QString SelectionFilePath() const;

  // --- Analysis selection and keys (analysis_selection.cpp, keyboard.cpp) ---
  // LlenarListaAnalisis: fills the analysis list when empty, selects row 22.
  void LlenarListaAnalisis() override;
  // Looks for history files on the web (key U, row "Buscar Historiales").
  void BuscarHistoriales();
  void PreconditionFailed(int row);
  void OpenMapPair(int m1Pane, int m2Pane) override;
  void RunKeyAction(const KeyEffect& effect);

  // --- Link labels, background pane and the warning (links.cpp, warning_banner.cpp) ---
  // The background pane RtfFondo: 1 the start banner, 2 the warning.
  void ShowBanner(int mode);
  void ShowLinkLabels();
  // Leaves the warning shown over the idle window until its timer ticks, a
  // click on it or a key press.
  void KeepWarningShown() override;
  void HideWarning();

  // ListWorkflowHost
  StepHooks& Hooks() override { return *this; }
  void ShowWarningBehindPanes() override;
  void RestoreCaption() override { model_.caption = savedCaption_; }

  Platform& platform_;
  QString programFolder_;
  bool installed_ = false;
  WindowModel model_;
  ClipPlayer clips_;
  QString savedCaption_;
  ListWorkflow lists_;
  WebAddresses addresses_ = Addresses();
  // The history folder REINICIAR read, waiting for the reload.
  std::optional<QString> nextHistoryFolder_;
  // Counts auto-scroll requests; a LIMPIAR cancels the one waiting to start.
  quint64 autoScrollRequest_ = 0;
};

}  // namespace tombolix
