#include "app/control_colours.h"
#include "app/tombolix_app.h"
#include "history/loader.h"
#include "history/selector_population.h"
#include "reports/start_pane.h"

#include <QDir>
#include <QFileInfo>

namespace tombolix {

QString TombolixApp::HistoryFilePath() const {
  const LotteryBoxState& box = model_.CboLoteria;
  const int i = box.currentIndex;
  // The real file name keeps the extension's case; the item is the name alone.
  const QString fileName = i >= 0 && i < box.fileNames.size() ? box.fileNames[i] : box.Text() + QStringLiteral(".txt");
  return QDir(model_.HistoryFolder).filePath(fileName);
}

// Reads the selected lottery's history and leaves the window in its success
// state (selectors filled, start pane) or its failure state (the rejected
// line in pane 0, everything but the lottery box and REINICIAR disabled).
void TombolixApp::LoadHistory() {
  if (Ending(model_)) return;
  EnableControls(false);
  platform_.ProcessEvents();
  if (Ending(model_)) return;
  const QString path = HistoryFilePath();
  if (model_.CboLoteria.currentIndex < 0 || !QFileInfo(path).isFile()) {
    EndProgram(QStringLiteral("falta el historial de la lotería elegida: ") + QDir::toNativeSeparators(path));
    return;
  }
  LoadedHistory loaded = ReadHistoryFile(path);
  model_.history = std::move(loaded.history);
  model_.acceptance = loaded.acceptance;
  ReportText& pane0 = model_.RtfReporte[Pane::Start].report;
  if (loaded.accepted) {
    FillSelectors(0, model_.history.DrawCount);
    ShowStartPane();
  } else {
    pane0.SetText(RejectionText(loaded.rejectedLine));
    pane0.SetAllColour(ControlColour::Rejection);
    EnableControls(true);
    for (int k = 1; k <= kMaxPositions; ++k) {
      SelectorState& selector = model_.CboBal[static_cast<size_t>(k)];
      selector.enabled = false;
      selector.text = QStringLiteral("--");
    }
    for (int i : {0, 1, 4, 7}) model_.CmdFuncion[static_cast<size_t>(i)].enabled = false;
    model_.LstFormula.enabled = false;
    model_.SetReloadPending(true);
    model_.Cmd(Command::Reiniciar).backColour = ControlColour::ReiniciarAdvised;
  }
  pane0.SetCaret(0);
}

void TombolixApp::FillSelectors(quint8 offset, qint32 drawCount) {
  const SelectorPopulation population = ::tombolix::FillSelectors(HistoryView(model_.history, drawCount), offset);
  for (int k = 1; k <= kMaxPositions; ++k) {
    const auto ku = static_cast<size_t>(k);
    SelectorState& selector = model_.CboBal[ku];
    selector.Tag = population.tags[ku];
    if (k > model_.history.PositionCount) continue;
    selector.items.clear();
    for (quint8 value : population.lists[ku])
      selector.items.append(QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')));
    selector.text = QStringLiteral("B") + QString::number(k);
  }
  model_.FullListCount = population.FullListCount;
}

}  // namespace tombolix
