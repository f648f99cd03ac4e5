#include "app/list_workflow.h"

#include "app/control_colours.h"
#include "app/key_codes.h"
#include "app/pane_table.h"
#include "app/platform.h"
#include "app/window_model.h"
#include "combinations/back_test.h"
#include "combinations/chance_report.h"
#include "combinations/index_colours.h"
#include "combinations/list_file.h"
#include "combinations/mapa_combinaciones.h"
#include "history/two_digits.h"
#include "texts/messages.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <QRandomGenerator>

namespace tombolix {

ListWorkflow::ListWorkflow(WindowModel& model, Platform& platform, ClipPlayer& clips, ListWorkflowHost& host)
    : model_(model),
      platform_(platform),
      clips_(clips),
      host_(host),
      random_(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch())) {}

ListWorkflow::~ListWorkflow() = default;

CombinationGenerator& ListWorkflow::Generator() {
  if (!generator_) generator_ = std::make_unique<CombinationGenerator>(HistoryView(model_.history), model_.acceptance);
  return *generator_;
}

const std::vector<Combination>& ListWorkflow::ListaGenerada() { return Generator().Generated(); }

bool ListWorkflow::GenerarCombinacion(bool runSearch) {
  CombinationGenerator& generator = Generator();
  const GenerationResult result = generator.Generate(model_.SelectorValues(), random_);
  // The selectors show every candidate drawn; writing the last one is the same to the eye.
  for (int k = 1; result.candidatesDrawn > 0 && k <= model_.history.PositionCount; ++k) {
    const quint8 value = result.lastCandidate[static_cast<size_t>(k - 1)];
    model_.CboBal[static_cast<size_t>(k)].text = QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
  }
  if (result.accepted) {
    if (runSearch) host_.BuscarParecidos(Pane::Start);
    return true;
  }
  // No acceptable combination in 1000 tries (or an empty candidate list).
  host_.Pause(3);
  clips_.PlayClip(5);
  platform_.Restore();
  if (model_.RtfReporte[Pane::Start].visible) {
    host_.RunCommand(Command::Limpiar);
  } else {
    host_.KeyDown(KeyCode::Escape, 0);
  }
  platform_.ShowMessage(Msg(TxtImposibleGenerar), MessageTitle(TxtGeneradorCombinaciones), MessageIcon::Information,
                        MessageButtons::Ok, MessageAnswer::Ok);
  return false;
}

// One new combination with its similar-draw search, left in the selectors.
void ListWorkflow::CombinacionAutomatica() {
  const size_t before = ListaGenerada().size();
  host_.RunCommand(Command::Limpiar);
  host_.EnableControls(false);
  platform_.ProcessEvents();
  if (Ending(model_)) return;
  GenerarCombinacion(true);
  if (ListaGenerada().size() <= before) return;
  const Combination& last = ListaGenerada().back();
  for (int k = 1; k <= model_.history.PositionCount; ++k) {
    model_.CboBal[static_cast<size_t>(k)].text =
        QStringLiteral("%1").arg(last[static_cast<size_t>(k - 1)], 2, 10, QLatin1Char('0'));
  }
}

QString ListWorkflow::ListFile() const {
  if (handOver_) return handOver_->path;
  return ListFilePath(model_.HistoryFolder, model_.CboLoteria.Text());
}

void ListWorkflow::Combinaciones() {
  WindowModel& m = model_;
  const std::optional<MessageId> refusal = m.history.PositionCount < 4  ? TxtFaltanPosiciones
                                           : m.history.DrawCount <= 100 ? std::optional(TxtFaltanSorteos)
                                                                        : std::nullopt;
  if (refusal) {
    platform_.ShowMessage(Msg(*refusal), MessageTitle(TxtGeneradorCombinaciones), MessageIcon::Information,
                          MessageButtons::Ok, MessageAnswer::Ok);
    host_.RunCommand(Command::Limpiar);
    return;
  }
  m.Cmd(Command::Combinaciones).backColour = ControlColour::CombinacionesInUse;
  m.Cmd(Command::AnalisisIa).backColour = ControlColour::AnalisisIa;
  host_.LlenarListaAnalisis();
  if (m.RtfReporte[Pane::GeneradorM1].visible || m.RtfReporte[Pane::GeneradorM2].visible) {
    const MessageAnswer answer =
        platform_.ShowMessage(Msg(TxtConfirmarEliminarLista), MessageTitle(TxtEliminarCombinaciones),
                              MessageIcon::Critical, MessageButtons::YesNo, MessageAnswer::No);
    if (answer == MessageAnswer::Yes) {
      if (!handOver_) RemoveListFile(ListFile());
      m.RtfReporte[Pane::GeneradorM1].report.SetText(QStringLiteral(" "));
      m.RtfReporte[Pane::GeneradorM2].report.SetText(QStringLiteral(" "));
      m.SetShowsM2Last(Pane::GeneradorM2, false);
      m.LblMapas[0].backColour = ControlColour::MapShown;
      m.LblMapas[1].backColour = ControlColour::MapOther;
    }
  }
  host_.OpenMapPair(Pane::GeneradorM1, Pane::GeneradorM2);
}

// Loads the lottery's saved list, or says that a new one must be generated.
// A damaged file is deleted and REINICIAR runs, which stops this run at its
// next step; a file that cannot be read is left alone and a list generated.
bool ListWorkflow::LoadSavedList(bool& newList) {
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
    if (!handOver_) RemoveListFile(path);
    platform_.Restore();
    host_.RunCommand(Command::Reiniciar);
    clips_.PlayClip(10);
  }
  return false;
}

// A new list: 1000 calls of the generator, each leaving its combination (or,
// after a failure, its last candidate) in the selectors; the lines pass through
// the sorted working list CboBal(0), so the list is in ascending text order.
AnalysisOutcome ListWorkflow::GenerateList() {
  WindowModel& m = model_;
  const int positions = m.history.PositionCount;
  QStringList& items = m.CboBal[0].items;
  for (int i = 1; i <= kListSize; ++i) {
    host_.Hooks().Step();
    if (host_.Hooks().StopRequested()) return AnalysisOutcome::Stopped;
    host_.Hooks().Progress(i * 90 / kListSize, false);
    GenerarCombinacion(false);
    QStringList texts;
    for (int k = 1; k <= kMaxPositions; ++k) texts.append(m.CboBal[static_cast<size_t>(k)].text);
    items.append(QString(13, QLatin1Char(' ')) + texts.join(QLatin1Char(' ')));
  }
  items.sort();
  for (int k = 1; k <= positions; ++k) m.CboBal[static_cast<size_t>(k)].text = QStringLiteral("B%1").arg(k);
  for (int i = 1; i <= kListSize; ++i) {
    host_.Hooks().Step();
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
void ListWorkflow::PruebaGenerador() {
  WindowModel& m = model_;
  host_.EnableControls(false);
  const int positions = m.history.PositionCount;
  if (positions < 4) {
    host_.EnableControls(true);
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
    host_.RestoreCaption();
    host_.AbortAnalysis();
  };
  if (!loaded && GenerateList() == AnalysisOutcome::Stopped) return stop();
  if (newList) {
    static constexpr int kListClips[] = {4, 6, 7};
    clips_.PlayClip(kListClips[QRandomGenerator::global()->bounded(3)]);
  }
  BackTestResult result;
  if (BackTestList(HistoryView(history), m.combinations.CombPos, m.combinations.LineasComb, CurrentTags(), newList,
                   report, result, host_.Hooks()) == AnalysisOutcome::Stopped) {
    return stop();
  }
  QString savedReport;
  int bestHitDraws = 0;
  if (result.hitDraws > 0) {
    m.LineasCombLimpias = CleanCombinationLines(m.combinations.LineasComb);
    if (newList && (!handOver_ || handOver_->saves)) {
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
    host_.Pause(2);
    if (host_.Hooks().StopRequested()) return stop();
  }
  if (ColourHitIndexes(report, host_.Hooks()) == AnalysisOutcome::Stopped) return stop();
  clips_.PlayClip(3);
  if (ColourPasses(report, PaneInfo(Pane::GeneradorM1).colouring, positions, host_.Hooks()) ==
      AnalysisOutcome::Stopped) {
    return stop();
  }
  host_.RestoreCaption();
  host_.EnableControls(true);
  platform_.Beep();
}

std::optional<ChanceBaseline> ListWorkflow::CompareListWithChance(int randomLists, quint32 seed) const {
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

std::optional<ListWorkflow::ChanceTests> ListWorkflow::CompareListWithChanceTests(int randomLists, quint32 seed,
                                                                                  quint32 listSeed) const {
  std::optional<ChanceBaseline> inSample = CompareListWithChance(randomLists, seed);
  if (!inSample) return std::nullopt;
  return ChanceTests{std::move(*inSample),
                     TestOnFreshDraws(model_.history, CurrentTags(), randomLists, listSeed, seed)};
}

std::optional<ChanceTexts> ListWorkflow::CompareListWithChanceTexts(int randomLists, quint32 seed) const {
  const std::optional<ChanceTests> tests = CompareListWithChanceTests(randomLists, seed, kFreshListSeed);
  if (!tests) return std::nullopt;
  QString table = QStringLiteral("En los sorteos de la prueba:\n") + ChanceTable(tests->inSample) +
                  QStringLiteral("\nEn sorteos nuevos:\n");
  table += tests->fresh.problem.isEmpty() ? ChanceTable(tests->fresh.baseline) : tests->fresh.problem + u'\n';
  return ChanceTexts{ChanceSentence(tests->inSample) + QStringLiteral("\n\n") + FreshDrawSentence(tests->fresh), table};
}

SelectorTags ListWorkflow::CurrentTags() const {
  SelectorTags tags;
  for (int k = 1; k <= kMaxPositions; ++k) tags[static_cast<size_t>(k)] = model_.CboBal[static_cast<size_t>(k)].Tag;
  return tags;
}

// Map M2 of the pair: the saved list marked against the forecast, with the
// warning behind the panes while it runs. It does not stop.
void ListWorkflow::MapaCombinacionesRun() {
  WindowModel& m = model_;
  host_.ShowWarningBehindPanes();
  host_.EnableControls(false);
  ReportText& report = m.RtfReporte[Pane::GeneradorM2].report;
  const History history = m.history;
  MapaCombinaciones(HistoryView(history), m.SelectorValues(), m.LineasCombLimpias, m.arrays.ForecastArrays, report,
                    host_.Hooks());
  if (Ending(model_)) return;
  if (!report.Text().isEmpty()) {
    clips_.PlayClip(9);
    ColourPasses(report, PaneInfo(Pane::GeneradorM2).colouring, history.PositionCount, host_.Hooks());
    ColourMapIndexes(report, host_.Hooks());
  }
  report.SetCaret(0);
  host_.RestoreCaption();
  host_.EnableControls(true);
  host_.KeepWarningShown();
}

}  // namespace tombolix
