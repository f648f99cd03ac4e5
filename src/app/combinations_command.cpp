#include "app/control_colours.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "combinations/back_test.h"
#include "combinations/chance_report.h"
#include "combinations/index_colours.h"
#include "combinations/list_file.h"
#include "combinations/mapa_combinaciones.h"
#include "history/two_digits.h"
#include "texts/messages.h"

#include <QFileInfo>

#include <algorithm>
#include <QRandomGenerator>

namespace tombolix {

namespace {

constexpr int kWarningBanner = 2;

}  // namespace

QString TombolixApp::ListFile() const {
  if (listHandOver_) return listHandOver_->path;
  return ListFilePath(model_.HistoryFolder, model_.CboLoteria.Text());
}

void TombolixApp::Combinaciones() {
  WindowModel& m = model_;
  const int refusal = m.history.PositionCount < 4  ? TxtFaltanPosiciones
                      : m.history.DrawCount <= 100 ? TxtFaltanSorteos
                                                   : -1;
  if (refusal >= 0) {
    platform_.ShowMessage(Msg(refusal), MessageTitle(TxtGeneradorCombinaciones), MessageIcon::Information,
                          MessageButtons::Ok, MessageAnswer::Ok);
    RunCommand(Command::Limpiar);
    return;
  }
  m.Cmd(Command::Combinaciones).backColour = ControlColour::CombinacionesInUse;
  m.Cmd(Command::AnalisisIa).backColour = ControlColour::AnalisisIa;
  LlenarListaAnalisis();
  if (m.RtfReporte[Pane::GeneradorM1].visible || m.RtfReporte[Pane::GeneradorM2].visible) {
    const MessageAnswer answer =
        platform_.ShowMessage(Msg(TxtConfirmarEliminarLista), MessageTitle(TxtEliminarCombinaciones),
                              MessageIcon::Critical, MessageButtons::YesNo, MessageAnswer::No);
    if (answer == MessageAnswer::Yes) {
      if (!listHandOver_) RemoveListFile(ListFile());
      m.RtfReporte[Pane::GeneradorM1].report.SetText(QStringLiteral(" "));
      m.RtfReporte[Pane::GeneradorM2].report.SetText(QStringLiteral(" "));
      m.SetShowsM2Last(Pane::GeneradorM2, false);
      m.LblMapas[0].backColour = ControlColour::MapShown;
      m.LblMapas[1].backColour = ControlColour::MapOther;
    }
  }
  m.LblMapas[0].Tag = QString::number(Pane::GeneradorM1);
  m.LblMapas[1].Tag = QString::number(Pane::GeneradorM2);
  LblMapas_Click(m.ShowsM2Last(Pane::GeneradorM2) ? 1 : 0);
}

// Loads the lottery's saved list, or says that a new one must be generated.
// A damaged file is deleted and REINICIAR runs, which stops this run at its
// next step; a file that cannot be read is left alone and a list generated.
bool TombolixApp::LoadSavedList(bool& newList) {
  const QString path = ListFile();
  newList = path.isEmpty() || !QFileInfo::exists(path);
  if (newList) {
    clips_.PlayClip(1);
    return false;
  }
  const ListFileLoad load = CargarListaCmb(path, model_.history.PositionCount);
  if (load.status == ListFileStatus::Loaded) {
    model_.combinations = load.list;
    clips_.PlayClip(8);
    return true;
  }
  if (load.status == ListFileStatus::Rejected) {
    if (!listHandOver_) RemoveListFile(path);
    platform_.Restore();
    RunCommand(Command::Reiniciar);
    clips_.PlayClip(10);
  }
  return false;
}

// A new list: 1000 calls of the generator, each leaving its combination (or,
// after a failure, its last candidate) in the selectors; the lines pass through
// the sorted working list CboBal(0), so the list is in ascending text order.
AnalysisOutcome TombolixApp::GenerateList() {
  WindowModel& m = model_;
  const int positions = m.history.PositionCount;
  QStringList& items = m.CboBal[0].items;
  for (int i = 1; i <= kListSize; ++i) {
    Step();
    if (StopRequested()) return AnalysisOutcome::Stopped;
    Progress(i * 90 / kListSize, false);
    GenerarCombinacion(false);
    QStringList texts;
    for (int k = 1; k <= kMaxPositions; ++k) texts.append(m.CboBal[static_cast<size_t>(k)].text);
    items.append(QString(13, QLatin1Char(' ')) + texts.join(QLatin1Char(' ')));
  }
  items.sort();
  for (int k = 1; k <= positions; ++k) m.CboBal[static_cast<size_t>(k)].text = QStringLiteral("B%1").arg(k);
  for (int i = 1; i <= kListSize; ++i) {
    Step();
    const QString& item = items[i - 1];
    for (int k = 1; k <= positions; ++k) {
      m.combinations.CombPos[static_cast<size_t>(k)][static_cast<size_t>(i - 1)] =
          static_cast<quint8>(std::max(0, TwoDigitValueAt(item, 13 + 3 * (k - 1))));
    }
    m.combinations.LineasComb[i - 1] = CombinationLine(i, m.combinations.CombPos, positions);
  }
  return AnalysisOutcome::Done;
}

// PruebaGenerador: the list (loaded or generated) back-tested on the newest
// 100 draws into pane 14, headed by the draws it hit; a new list that hit
// something is saved. A stop at any step ends through the stop routine.
void TombolixApp::PruebaGenerador() {
  WindowModel& m = model_;
  EnableControls(false);
  const int positions = m.history.PositionCount;
  if (positions < 4) {
    EnableControls(true);
    return;
  }
  m.LineasCombLimpias = QStringList();
  platform_.ProcessEvents();
  ReportText& report = m.RtfReporte[Pane::GeneradorM1].report;
  report.SetText(QString());
  Generator().ClearGenerated();
  m.combinations = CombinationList::Empty();
  m.CboBal[0].items.clear();
  bool newList = false;
  const bool loaded = LoadSavedList(newList);
  const History history = m.history;
  const auto stop = [this] {
    model_.caption = savedCaption_;
    AbortAnalysis();
  };
  if (!loaded && GenerateList() == AnalysisOutcome::Stopped) return stop();
  if (newList) {
    static constexpr int kListClips[] = {4, 6, 7};
    clips_.PlayClip(kListClips[QRandomGenerator::global()->bounded(3)]);
  }
  BackTestResult result;
  if (BackTestList(HistoryView(history), m.combinations.CombPos, m.combinations.LineasComb, CurrentTags(), newList, report,
                   result, *this) == AnalysisOutcome::Stopped) {
    return stop();
  }
  QString savedReport;
  int bestHitDraws = 0;
  if (result.hitDraws > 0) {
    m.LineasCombLimpias = CleanCombinationLines(m.combinations.LineasComb);
    if (newList && (!listHandOver_ || listHandOver_->saves)) {
      GuardarListaCmb(ListFile(), m.LineasCombLimpias, positions);
      clips_.PlayClip(4);
    }
    savedReport = report.Text();
    bestHitDraws = result.hitDraws;
  }
  m.lastBackTest = result;
  listOrigin_ = newList ? ListOrigin::GeneratedNow : ListOrigin::Saved;
  report.SetText(BackTestHeading(bestHitDraws) + savedReport);
  if (newList) {
    clips_.PlayClip(2);
    Pause(2);
    if (StopRequested()) return stop();
  }
  if (ColourHitIndexes(report, *this) == AnalysisOutcome::Stopped) return stop();
  clips_.PlayClip(3);
  if (ColourPasses(report, PaneInfo(Pane::GeneradorM1).colouring, positions, *this) == AnalysisOutcome::Stopped) {
    return stop();
  }
  m.caption = savedCaption_;
  EnableControls(true);
  platform_.Beep();
}

std::optional<ChanceBaseline> TombolixApp::CompareListWithChance(int randomLists, quint32 seed) const {
  const WindowModel& m = model_;
  const int positions = m.history.PositionCount;
  if (m.busy || positions < 4 || m.RtfReporte[Pane::GeneradorM1].report.IsEmptyMarker()) return std::nullopt;
  for (int k = 1; k <= positions; ++k) {
    if (m.combinations.CombPos[static_cast<size_t>(k)].size() != static_cast<size_t>(kListSize)) return std::nullopt;
  }
  ChanceBaseline baseline = CompareWithChance(HistoryView(m.history), m.combinations.CombPos, m.SelectorValues(),
                                              CurrentTags(), randomLists, seed);
  baseline.origin = listOrigin_;
  return baseline;
}

std::optional<TombolixApp::ListChance> TombolixApp::CompareListWithChanceTests(int randomLists, quint32 seed,
                                                                               quint32 listSeed) const {
  std::optional<ChanceBaseline> inSample = CompareListWithChance(randomLists, seed);
  if (!inSample) return std::nullopt;
  return ListChance{std::move(*inSample), TestOnFreshDraws(model_.history, CurrentTags(), randomLists, listSeed, seed)};
}

std::optional<TombolixApp::ChanceTexts> TombolixApp::CompareListWithChanceTexts(int randomLists, quint32 seed) const {
  const std::optional<ListChance> tests = CompareListWithChanceTests(randomLists, seed, kFreshListSeed);
  if (!tests) return std::nullopt;
  QString table = QStringLiteral("En los sorteos de la prueba:\n") + ChanceTable(tests->inSample) +
                  QStringLiteral("\nEn sorteos nuevos:\n");
  table += tests->fresh.problem.isEmpty() ? ChanceTable(tests->fresh.baseline) : tests->fresh.problem + u'\n';
  return ChanceTexts{ChanceSentence(tests->inSample) + QStringLiteral("\n\n") + FreshDrawSentence(tests->fresh), table};
}

SelectorTags TombolixApp::CurrentTags() const {
  SelectorTags tags;
  for (int k = 1; k <= kMaxPositions; ++k) tags[static_cast<size_t>(k)] = model_.CboBal[static_cast<size_t>(k)].Tag;
  return tags;
}

// Map M2 of the pair: the saved list marked against the forecast, with the
// warning behind the panes while it runs. It does not stop.
void TombolixApp::MapaCombinacionesRun() {
  WindowModel& m = model_;
  HideWarning();
  ShowBanner(kWarningBanner);
  EnableControls(false);
  ReportText& report = m.RtfReporte[Pane::GeneradorM2].report;
  const History history = m.history;
  MapaCombinaciones(HistoryView(history), m.SelectorValues(), m.LineasCombLimpias, m.arrays.ForecastArrays, report,
                    *this);
  if (Ending()) return;
  if (!report.Text().isEmpty()) {
    clips_.PlayClip(9);
    ColourPasses(report, PaneInfo(Pane::GeneradorM2).colouring, history.PositionCount, *this);
    ColourMapIndexes(report, *this);
  }
  report.SetCaret(0);
  m.caption = savedCaption_;
  EnableControls(true);
  KeepWarningShown();
}

}  // namespace tombolix
