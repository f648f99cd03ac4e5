#include "app/control_colours.h"
#include "app/program_settings.h"
#include "app/tombolix_app.h"
#include "files/program_paths.h"
#include "history/catalogue.h"
#include "texts/messages.h"

#include <QDir>
#include <QFileInfo>

namespace tombolix {

namespace {

// The settings key of the selected lottery's name. The selection file keeps
// only a position, which a lottery added or removed before it shifts.
const QString kSelectedLotteryKey = QStringLiteral("Seleccion/Loteria");

}  // namespace

QString TombolixApp::SelectionFilePath() const { return program_paths::Selection(programFolder_); }

// Adds the history folder's lotteries to the lottery box (callers clear it
// first when refilling) and selects the saved one.
void TombolixApp::FillLotteryList() {
  for (const LotteryEntry& entry : ListLotteries(model_.HistoryFolder)) {
    model_.CboLoteria.items.append(entry.name);
    model_.CboLoteria.fileNames.append(entry.fileName);
  }
  RestoreLotterySelection();
}

void TombolixApp::RestoreLotterySelection() {
  LotteryBoxState& box = model_.CboLoteria;
  const QString selectionFile = SelectionFilePath();
  int saved = 0;
  if (QFileInfo(selectionFile).isFile()) saved = ReadSelectionIndex(selectionFile).value_or(0);
  // The lottery chosen last is found by its name first; its saved position
  // follows it when files added or removed have moved it.
  const QString savedName = ProgramSettings(programFolder_).Value(kSelectedLotteryKey).toString();
  const qsizetype named = savedName.isEmpty() ? -1 : box.items.indexOf(savedName);
  if (named >= 0 && QFileInfo(QDir(model_.HistoryFolder).filePath(box.fileNames.value(named))).isFile()) {
    if (named != saved) WriteSelectionIndex(selectionFile, static_cast<qint16>(named));
    saved = static_cast<int>(named);
  }
  // An index beyond the list leaves the box without a valid selection.
  if (saved >= 0 && saved < box.items.size()) {
    SelectLottery(saved);
  } else {
    box.currentIndex = -1;
  }
  if (Ending(model_)) return;
  if (box.currentIndex >= 0 && QFileInfo(HistoryFilePath()).isFile()) return;
  if (!box.items.isEmpty()) {
    SelectLottery(0);
    return;
  }
  clips_.PlayClip(12);
  platform_.ShowMessage(Msg(TxtSinHistoriales) + QDir::toNativeSeparators(model_.HistoryFolder) + QLatin1Char('\''),
                        MessageTitle(TxtImposibleContinuar), MessageIcon::Critical, MessageButtons::Ok,
                        MessageAnswer::Ok);
  EndProgram(QStringLiteral("no hay ningún historial en ") + QDir::toNativeSeparators(model_.HistoryFolder));
}

// Setting the selection from code raises the selection event, as a pick by
// the user does; the event's guard keeps the reload's own refill quiet.
void TombolixApp::SelectLottery(int index) {
  model_.CboLoteria.currentIndex = index;
  CboLoteria_Click(index);
}

void TombolixApp::SaveLotterySelection() {
  const LotteryBoxState& box = model_.CboLoteria;
  WriteSelectionIndex(SelectionFilePath(), static_cast<qint16>(box.currentIndex));
  ProgramSettings(programFolder_).SetValue(kSelectedLotteryKey, box.Text());
}

void TombolixApp::CboLoteria_Click(int index) {
  LotteryBoxState& box = model_.CboLoteria;
  if (index < 0 || index >= box.items.size()) return;
  box.currentIndex = index;
  if (box.selecting || Ending(model_)) return;
  model_.SetReloadPending(true);
  model_.Cmd(Command::Reiniciar).backColour = ControlColour::ReiniciarAdvised;
  SaveLotterySelection();
  Limpiar();
}

}  // namespace tombolix
