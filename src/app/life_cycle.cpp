#include "app/program_log.h"
#include "app/tombolix_app.h"
#include "texts/messages.h"

#include <QFileInfo>

namespace tombolix {

namespace {
constexpr int kPromotionTick = 120;
}  // namespace

bool TombolixApp::QueryClose() {
  if (model_.AnalysisWindow > 0) {
    const MessageAnswer answer =
        platform_.ShowMessage(Msg(TxtConfirmarSalida), MessageTitle(TxtCerrarAplicacion), MessageIcon::Exclamation,
                              MessageButtons::YesNo, MessageAnswer::No);
    if (answer != MessageAnswer::Yes) return false;
    model_.AnalysisWindow = 0;
  }
  // A computation that is still running returns at its next step.
  model_.closingConfirmed = true;
  // An end the program chose was logged with its own reason.
  if (!model_.quitting) LogProgramEnd(QStringLiteral("ventana cerrada por el usuario"));
  return true;
}

void TombolixApp::LoadForReport(const QString& historyPath) {
  const QFileInfo file(historyPath);
  LlenarListaAnalisis();
  model_.caption = ProgramCaption();
  savedCaption_ = model_.caption;
  model_.AnalysisWindow = 100;
  model_.HistoryFolder = file.absolutePath();
  model_.CboLoteria.selecting = true;
  ShowReportPane(Pane::Start);
  ClearForReload();
  model_.CboLoteria.items = QStringList{file.completeBaseName()};
  model_.CboLoteria.fileNames = QStringList{file.fileName()};
  model_.CboLoteria.currentIndex = 0;
  LoadHistory();
  model_.CboLoteria.selecting = false;
}

void TombolixApp::TmrPublicidad_Timer() {
  TimerState& timer = model_.TmrPublicidad;
  if (!timer.enabled || Ending(model_)) return;
  const int tick = timer.count + 1;
  timer.count = tick;
  if (tick == 1) {
    timer.intervalMs = 1000;
    FillLotteryList();
  } else if (tick == kPromotionTick) {
    // Once only, and only when the build gave a promotional page.
    timer.enabled = false;
    if (!addresses_.promotionalPage.isEmpty()) platform_.OpenUrl(addresses_.promotionalPage);
  }
}

void TombolixApp::WindowRestored() { platform_.KeepOnTop(); }

}  // namespace tombolix
