#pragma once

#include "app/key_table.h"
#include "app/platform.h"
#include "app/window_model.h"
#include "combinations/chance_baseline.h"
#include "combinations/fresh_draw_test.h"
#include "combinations/forecast_chance_report.h"
#include "combinations/forecast_replay.h"
#include "generator/combination_generator.h"
#include "reports/step_hooks.h"
#include "sound/clip_player.h"
#include "texts/messages.h"

#include <QRandomGenerator>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace tombolix {

// The product's pages the window links to.
enum class WebLink { Product, HelpVideo, Tickets, Donation };

// Key modifiers as a bit set, as the keyboard handler reads them.
enum KeyModifier : int { kShift = 1, kCtrl = 2, kAlt = 4 };

// The main window's routines: start-up, commands, keys, the Clear command and
// stop routine, the busy state, analysis selection and the timers. Owns the
// window model; talks to the outside only through Platform.
class TombolixApp : public StepHooks {
 public:
  // `installed`: the program was installed by its package and works in the
  // user's data folder; it then keeps no desktop launcher of its own.
  TombolixApp(Platform& platform, QString programFolder, bool installed = false);

  WindowModel& Model() { return model_; }
  const WindowModel& Model() const { return model_; }
  Platform& Host() { return platform_; }
  const QString& ProgramFolder() const { return programFolder_; }
  bool Installed() const { return installed_; }
  // Tests switch clips off; the program plays them.
  void SetSoundEnabled(bool enabled) { clips_.SetEnabled(enabled); }
  // The product's pages (the build's unless set); empty ones disable their links.
  const WebAddresses& WebPages() const { return addresses_; }
  void SetWebAddresses(const WebAddresses& addresses);

  // --- Life cycle (startup.cpp) ---
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
  void WindowRestored();
  // True once the program is ending (closing confirmed or ending itself):
  // long computations return at once and nothing new starts.
  bool Ending() const { return model_.closingConfirmed || model_.quitting; }

  // --- BUSCAR, ANÁLISIS iA and the searches (ai_and_search.cpp) ---
  void Buscar();
  void AnalisisIaCommand();
  // The AI summary into pane 20 (its source panes already computed).
  void AnalisisIA();
  // The similar-draw search: pane 0 for the selectors' numbers, pane 19 for the newest draw.
  void BuscarParecidos(int pane);
  // Whether pane 0 holds the start text of the loaded history (what ShowStartPane writes).
  bool PaneZeroHoldsStartText() const;

  // --- The generator and AUTOMÁTICO (generation.cpp) ---
  // GenerarCombinacion: one new combination left in the selectors; with
  // `runSearch` its similar-draw search follows. False when none was accepted
  // (the failure was handled: message, clip, LIMPIAR or the Escape handling).
  bool GenerarCombinacion(bool runSearch);
  void CombinacionAutomatica();
  void Automatico();
  // The combinations generated since the list was last started (ListaGenerada).
  const std::vector<Combination>& ListaGenerada();
  // The generator's random numbers: seeded once per process, from the clock
  // unless a seed is given (the report tool's --seed).
  void SeedGenerator(quint32 seed) { random_.seed(seed); }

  // --- Checking the player's tickets (tickets_flow.cpp) ---
  // Opens the checker filled with `text` (tickets, one per line) while the
  // window is idle with a history loaded; otherwise beeps and returns false.
  bool OpenTicketChecker(const QString& text = {});

  // --- COMBINACIONES and its maps (combinations_command.cpp) ---
  void Combinaciones();
  void PruebaGenerador();
  void MapaCombinacionesRun();
  // The report tool hands the list over instead of the lottery's list file: the
  // file to load (empty: generate one), and whether a new list may be saved there.
  struct ListHandOver {
    QString path;
    bool saves = false;
  };
  void SetListHandOver(const ListHandOver& handOver) { listHandOver_ = handOver; }
  // The list file of the current lottery (or the one handed over).
  QString ListFile() const;
  // What `randomLists` random lists of the same size score on the same draws
  // as the list the last back-test left; nothing while busy or without one.
  std::optional<ChanceBaseline> CompareListWithChance(int randomLists, quint32 seed) const;
  // The same as the window shows it: the plain sentence and the table of figures.
  struct ChanceTexts {
    QString sentence;
    QString table;
  };
  std::optional<ChanceTexts> CompareListWithChanceTexts(int randomLists, quint32 seed) const;
  // Both comparisons of the back-test: the list on the draws it was tested on,
  // and a list the generator makes from the draws before them (seeded with
  // `listSeed`), tested on them. Nothing when CompareListWithChance gives nothing.
  struct ListChance {
    ChanceBaseline inSample;
    FreshDrawTest fresh;
  };
  std::optional<ListChance> CompareListWithChanceTests(int randomLists, quint32 seed, quint32 listSeed) const;
  // The generator's seed for the list of the test on fresh draws in the window:
  // fixed, so the same history always gets the same verdict.
  static constexpr quint32 kFreshListSeed = 1;

  // --- Forecasts against chance (forecast_chance.cpp) ---
  // Panes whose report names numbers for the next draw: 7 (the due values) and
  // 20 (the highlighted values).
  static bool HasForecastChance(int pane);
  // Replays the last `draws` draws (0 or less: the analysis window; never
  // more than it, nor the first draw): before each, the pane's numbers are
  // computed from the draws known then by the pane's own analyses, on data,
  // and weighed against each position's own law of chance, beside the rule
  // that names the most frequent candidates. Nothing while busy, for another
  // pane, while the pane holds no report, or once `progress` stops it.
  // Changes nothing in the window.
  std::optional<ForecastComparison> CompareForecastWithChance(int pane, int draws,
                                                              const ReplayProgress& progress) const;
  // The draws the analysis window replays: the only count that gets a verdict.
  int ForecastWindowDraws() const;
  // The same as the window shows it: the plain sentence and the table of figures.
  std::optional<ChanceTexts> CompareForecastWithChanceTexts(int pane, const ReplayProgress& progress) const;

  // --- Commands (commands.cpp) ---
  // A press of CmdFuncion(index), as the view forwards it.
  void RunCommand(int index);
  void RunCommand(Command command);

  // --- ACTUALIZAR, AGREGAR, REINICIAR and the files opened by keys (file_commands.cpp) ---
  void Actualizar();
  void Agregar();
  // After a history was written into the folder: the reload is advised as AGREGAR advises it.
  void AdviseReloadAfterImport();
  void Reiniciar();
  void OpenConfigurationFile();
  void OpenReadme();
  // The desktop could not open `what` (a path or an address): the window,
  // minimised to make room, comes back and a message names it and what to do.
  void OpenFailed(OpenTarget target, const QString& what);

  // --- Auto-scroll (auto_scroll.cpp) ---
  void StartAutoScroll();

  // --- Clear command and stop routine (limpiar.cpp) ---
  void Limpiar();
  void AbortAnalysis();
  void Pause(int seconds);

  // --- Panes and busy state (panes.cpp) ---
  void ShowReportPane(int pane);
  void EnableControls(bool enabled);
  void ShowStartPane();

  // --- History and lotteries (lottery_selection.cpp) ---
  void LoadHistory();
  void FillLotteryList();
  void RestoreLotterySelection();
  void SaveLotterySelection();
  void CboLoteria_Click(int index);
  // Rebuilds the selector lists from the first `drawCount` draws (FillSelectors).
  void FillSelectors(quint8 offset, qint32 drawCount);

  // --- Selectors (selector_events.cpp) ---
  // The view reports the text the user picked or typed into CboBal(k).
  void CboBal_SetText(int k, const QString& text);
  void CboBal_Click(int k);
  void CboBal_GotFocus(int k);
  // A typed character; returns true when the selector accepts it (the view then
  // edits the text), false when it is dropped.
  bool CboBal_KeyPress(int k, QChar c);

  // --- Keyboard (keyboard.cpp) ---
  // The window's key-down handler; returns what the key did.
  KeyEffect KeyDown(int keyCode, int modifiers);
  // A character typed into the analysis list: true when the list may use it (never).
  bool LstFormula_KeyPress(QChar c);

  // --- Analysis selection (analysis_selection.cpp) ---
  void LstFormula_Click(int row);
  void LblMapas_Click(int index);
  // Computes the report of `pane` (analysis_runner.cpp): called by the list and
  // the map buttons when the pane holds no report.
  void ComputePane(int pane);

  // --- Link labels and background pane (links.cpp) ---
  // Opens a page of the product with the window minimised; nothing without an address.
  void OpenLink(WebLink link);
  // The background pane RtfFondo: 1 the start banner, 2 the warning.
  void ShowBanner(int mode);

  // --- The warning after map M2 (warning_banner.cpp) ---
  // Leaves the warning shown over the idle window until its timer ticks, a
  // click on it or a key press.
  void KeepWarningShown();
  bool WarningShown() const;
  void HideWarning();
  void TmrAdvertencia_Timer();
  void RtfFondo_Click();
  // LlenarListaAnalisis: fills the analysis list when empty, selects row 22.
  void LlenarListaAnalisis();
  // Looks for history files on the web (key U, row "Buscar Historiales").
  void BuscarHistoriales();

  // StepHooks: what long computations call once per step.
  void Step() override;
  bool StopRequested() const override;
  void Progress(int percent, bool last) override;

  ClipPlayer& Clips() { return clips_; }

 private:
  void SetDesignState();
  // Ends the program without its closing question; `reason` goes to the log.
  void EndProgram(const QString& reason);
  void ShowFolderUnwritable();
  void CreateDesktopShortcut();
  // Steps of the reload branch of Limpiar before the lottery list is refilled.
  void ClearForReload();
  // Selects lottery `index` from code; the selection event runs as if the user had picked it.
  void SelectLottery(int index);
  QString HistoryFilePath() const;
  QString SelectionFilePath() const;
  void PreconditionFailed(int row);
  void OpenMapPair(int m1Pane, int m2Pane);
  void RunKeyAction(const KeyEffect& effect);
  void RequestStopOnListedPane();
  void CancelAutoScroll();
  void TakeNextHistoryFolder();
  void ShowLinkLabels();
  bool QuietPreparationBegins();
  CombinationGenerator& Generator();
  bool LoadSavedList(bool& newList);
  AnalysisOutcome GenerateList();
  void QuietPreparationRuns();

  Platform& platform_;
  QString programFolder_;
  bool installed_ = false;
  WindowModel model_;
  ClipPlayer clips_;
  QString savedCaption_;
  // Built on first use after each load: its acceptance tests belong to the history.
  std::unique_ptr<CombinationGenerator> generator_;
  QRandomGenerator random_;
  std::optional<ListHandOver> listHandOver_;
  // The grouping tags of the selectors B1..B7 as they stand.
  SelectorTags CurrentTags() const;
  ListOrigin listOrigin_ = ListOrigin::Saved;  // of the list the last back-test left
  WebAddresses addresses_ = Addresses();
  // The history folder REINICIAR read, waiting for the reload.
  std::optional<QString> nextHistoryFolder_;
  // Counts auto-scroll requests; a LIMPIAR cancels the one waiting to start.
  quint64 autoScrollRequest_ = 0;
};

}  // namespace tombolix
