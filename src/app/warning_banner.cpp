#include "app/tombolix_app.h"

namespace tombolix {

namespace {

constexpr int kWarningMs = 4000;
constexpr int kProductBanner = 1;
constexpr int kWarningBanner = 2;

}  // namespace

// After map M2 the warning against playing many combinations stays over the
// pane long enough to be read; the controls are already enabled meanwhile.
void TombolixApp::KeepWarningShown() {
  if (Ending(model_)) return;
  model_.RtfFondo.visible = true;
  model_.TmrAdvertencia = TimerState{true, kWarningMs, 0};
}

void TombolixApp::HideWarning() {
  if (!WarningShown(model_)) return;
  model_.TmrAdvertencia.enabled = false;
  if (!model_.busy) model_.RtfFondo.visible = false;
  ShowBanner(kProductBanner);
}

void TombolixApp::TmrAdvertencia_Timer() { HideWarning(); }

void TombolixApp::ShowWarningBehindPanes() {
  HideWarning();
  ShowBanner(kWarningBanner);
}

// A click on the background pane hides the warning; otherwise it is the
// product's link.
void TombolixApp::RtfFondo_Click() {
  if (WarningShown(model_)) {
    HideWarning();
    return;
  }
  OpenLink(WebLink::Product);
}

}  // namespace tombolix
