#pragma once

#include "app/chance_texts.h"
#include "app/command.h"
#include "app/key_table.h"
#include "combinations/chance_baseline.h"
#include "combinations/fresh_draw_test.h"
#include "generator/combination_generator.h"
#include "reports/step_hooks.h"

#include <QRandomGenerator>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace tombolix {

class ClipPlayer;
class Platform;
struct WindowModel;

// What the combination list asks of the window it runs in: its busy state,
// its commands and panes, the warning banner and the step hooks.
class ListWorkflowHost {
 public:
  virtual StepHooks& Hooks() = 0;
  virtual void EnableControls(bool enabled) = 0;
  virtual void Pause(int seconds) = 0;
  virtual void RunCommand(Command command) = 0;
  virtual KeyEffect KeyDown(int keyCode, int modifiers) = 0;
  virtual void BuscarParecidos(int pane) = 0;
  virtual void OpenMapPair(int m1Pane, int m2Pane) = 0;
  virtual void LlenarListaAnalisis() = 0;
  // The warning behind the panes while map M2 of the list is drawn, then kept shown.
  virtual void ShowWarningBehindPanes() = 0;
  virtual void KeepWarningShown() = 0;
  virtual void AbortAnalysis() = 0;
  // The caption a run showed its progress in goes back to the saved one.
  virtual void RestoreCaption() = 0;

 protected:
  ~ListWorkflowHost() = default;
};

// COMBINACIONES and its two maps: the generator, the lottery's list file (or
// the list handed over by the report tool), the back-test of the list and its
// comparisons with chance.
class ListWorkflow {
 public:
  ListWorkflow(WindowModel& model, Platform& platform, ClipPlayer& clips, ListWorkflowHost& host);
  ~ListWorkflow();

  void Combinaciones();
  // PruebaGenerador: the list (loaded or generated) back-tested on the newest
  // 100 draws into map M1; a new list that hit something is saved.
  void PruebaGenerador();
  // Map M2: the saved list marked against the forecast.
  void MapaCombinacionesRun();

  // GenerarCombinacion: one new combination left in the selectors; with
  // `runSearch` its similar-draw search follows. False when none was accepted
  // (the failure was handled: message, clip, LIMPIAR or the Escape handling).
  bool GenerarCombinacion(bool runSearch);
  // One new combination with its similar-draw search, left in the selectors.
  void CombinacionAutomatica();
  // The combinations generated since the list was last started (ListaGenerada).
  const std::vector<Combination>& ListaGenerada();
  // The generator's random numbers: seeded once per process, from the clock
  // unless a seed is given (the report tool's --seed).
  void SeedGenerator(quint32 seed) { random_.seed(seed); }
  // A reloaded history needs a generator of its own (its acceptance tests belong to the history).
  void ForgetGenerator() { generator_.reset(); }

  // The report tool hands the list over instead of the lottery's list file: the
  // file to load (empty: generate one), and whether a new list may be saved there.
  struct HandOver {
    QString path;
    bool saves = false;
  };
  void SetHandOver(const HandOver& handOver) { handOver_ = handOver; }
  // The list file of the current lottery (or the one handed over).
  QString ListFile() const;

  // What `randomLists` random lists of the same size score on the same draws
  // as the list the last back-test left; nothing while busy or without one.
  std::optional<ChanceBaseline> CompareListWithChance(int randomLists, quint32 seed) const;
  // Both comparisons of the back-test: the list on the draws it was tested on,
  // and a list the generator makes from the draws before them (seeded with
  // `listSeed`), tested on them. Nothing when CompareListWithChance gives nothing.
  struct ChanceTests {
    ChanceBaseline inSample;
    FreshDrawTest fresh;
  };
  std::optional<ChanceTests> CompareListWithChanceTests(int randomLists, quint32 seed, quint32 listSeed) const;
  // The same as the window shows it: the plain sentence and the table of figures.
  std::optional<ChanceTexts> CompareListWithChanceTexts(int randomLists, quint32 seed) const;
  // The generator's seed for the list of the test on fresh draws in the window:
  // fixed, so the same history always gets the same verdict.
  static constexpr quint32 kFreshListSeed = 1;

 private:
  CombinationGenerator& Generator();
  bool LoadSavedList(bool& newList);
  AnalysisOutcome GenerateList();
  // The grouping tags of the selectors B1..B7 as they stand.
  SelectorTags CurrentTags() const;

  WindowModel& model_;
  Platform& platform_;
  ClipPlayer& clips_;
  ListWorkflowHost& host_;
  // Built on first use after each load: its acceptance tests belong to the history.
  std::unique_ptr<CombinationGenerator> generator_;
  QRandomGenerator random_;
  std::optional<HandOver> handOver_;
  ListOrigin listOrigin_ = ListOrigin::Saved;  // of the list the last back-test left
};

}  // namespace tombolix
