#include "app/command_log.h"
#include "app/tombolix_app.h"

namespace tombolix {

namespace {

constexpr int kStartPauseSeconds = 20;
constexpr int kEndPauseSeconds = 30;

bool ScrollsPane(const WindowModel& m) {
  return m.RtfReporte[Pane::Start].visible || m.RtfReporte[Pane::GeneradorM2].visible;
}

}  // namespace

// Ctrl+Alt+Shift+"-": after a pause, the start pane or the combination map
// scrolls on by itself. A LIMPIAR during the pause (Escape, say) cancels the
// start, as it stops a running scroll; so does the window turning busy.
void TombolixApp::StartAutoScroll() {
  if (!ScrollsPane(model_)) return;
  const quint64 request = ++autoScrollRequest_;
  Pause(kStartPauseSeconds);
  if (request != autoScrollRequest_ || Ending(model_) || model_.busy || !ScrollsPane(model_)) {
    qCInfo(lcCommands) << "auto-scroll cancelled";
    return;
  }
  model_.TmrGameplay.enabled = true;
  qCInfo(lcCommands) << "auto-scroll started";
}

void TombolixApp::CancelAutoScroll() {
  ++autoScrollRequest_;
  model_.TmrGameplay.enabled = false;
  model_.TmrGameplay.count = 0;
}

// One tick: the caret of the visible pane moves to the next line break. At the
// end of the text, or where no line break follows, the scroll stops, waits and
// runs REINICIAR.
void TombolixApp::TmrGameplay_Timer() {
  TimerState& timer = model_.TmrGameplay;
  if (!timer.enabled || Ending(model_)) return;
  for (int pane : {Pane::Start, Pane::GeneradorM2}) {
    ReportPane& target = model_.RtfReporte[static_cast<size_t>(pane)];
    if (!target.visible) continue;
    const int p = timer.count + 1;
    // 1-based position of the first CR LF at or after character p.
    const int found = p < target.report.Length() ? target.report.Text().indexOf(QStringLiteral("\r\n"), p - 1) : -1;
    if (found < 0) {
      timer.enabled = false;
      timer.count = 0;
      qCInfo(lcCommands) << "auto-scroll reached the end of pane" << pane;
      Pause(kEndPauseSeconds);
      RunCommand(Command::Reiniciar);
      return;
    }
    timer.count = found + 1;
    target.report.SetCaret(found + 1);
  }
}

}  // namespace tombolix
