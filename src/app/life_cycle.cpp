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
  return true;
}

void TombolixApp::LoadForReport(const QString& historyPath) {
  const QFileInfo file(historyPath);
  LlenarListaAnalisis();
  model_.caption = ProgramCaption();
  savedCaption_ = model_.caption;
  model_.AnalysisWindow = 100;
  model_.HistoryFolder = file.absolutePath();
  model_.CboLoteria.Tag = QStringLiteral("1");
  ShowReportPane(Pane::Start);
  ClearForReload();
  model_.CboLoteria.items = QStringList{file.completeBaseName()};
  model_.CboLoteria.fileNames = QStringList{file.fileName()};
  model_.CboLoteria.currentIndex = 0;
  LoadHistory();
  model_.CboLoteria.Tag = QStringLiteral("0");
}

void TombolixApp::TmrPublicidad_Timer() {
  TimerState& timer = model_.TmrPublicidad;
  if (!timer.enabled || Ending()) return;
  const int tick = timer.Tag.toInt() + 1;
  timer.Tag = QString::number(tick);
  if (tick == 1) {
    timer.intervalMs = 1000;
    FillLotteryList();
  } else if (tick == kPromotionTick) {
    timer.enabled = false;
    platform_.OpenUrl(Addresses().promotionalPage);
  }
}

// Auto-scroll: moves the caret of the start pane or the combination map one
// line on per tick; at the end of the text it waits and starts again.
void TombolixApp::TmrGameplay_Timer() {
  TimerState& timer = model_.TmrGameplay;
  if (!timer.enabled || Ending()) return;
  for (int pane : {Pane::Start, Pane::GeneradorM2}) {
    ReportPane& target = model_.RtfReporte[static_cast<size_t>(pane)];
    if (!target.visible) continue;
    const int p = timer.Tag.toInt() + 1;
    if (p >= target.report.Length()) {
      timer.enabled = false;
      timer.Tag = QStringLiteral("0");
      Pause(30);
      RunCommand(Command::Reiniciar);
      return;
    }
    // 1-based position of the first CR LF at or after character p; 0 when none.
    const int found = target.report.Text().indexOf(QStringLiteral("\r\n"), p - 1);
    const int next = found < 0 ? 0 : found + 1;
    timer.Tag = QString::number(next);
    target.report.SetCaret(next);
  }
}

void TombolixApp::WindowRestored() { platform_.KeepOnTop(); }

}  // namespace tombolix
