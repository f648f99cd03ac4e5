#include "app/tombolix_app.h"

namespace tombolix {

namespace {

constexpr int kWarningMs = 4000;
constexpr int kProductBanner = 1;

}  // namespace

// After map M2 the warning against playing many combinations stays over the
// pane long enough to be read; the controls are already enabled meanwhile.
void TombolixApp::KeepWarningShown() {
  if (Ending()) return;
  model_.RtfFondo.visible = true;
  model_.TmrAdvertencia = TimerState{true, kWarningMs, QStringLiteral("0")};
}

bool TombolixApp::WarningShown() const { return model_.TmrAdvertencia.enabled; }

void TombolixApp::HideWarning() {
  if (!WarningShown()) return;
  model_.TmrAdvertencia.enabled = false;
  if (!model_.busy) model_.RtfFondo.visible = false;
  ShowBanner(kProductBanner);
}

void TombolixApp::TmrAdvertencia_Timer() { HideWarning(); }

// A click on the background pane hides the warning; otherwise it is the
// product's link.
void TombolixApp::RtfFondo_Click() {
  if (WarningShown()) {
    HideWarning();
    return;
  }
  OpenLink(WebLink::Product);
}

}  // namespace tombolix
