#pragma once

#include "app/tombolix_app.h"

namespace tombolix {

// The few steps of the window tests drive directly instead of through a
// command: showing a pane, computing one, switching the busy state.
struct AppTestAccess {
  static void ShowReportPane(TombolixApp& app, int pane) { app.ShowReportPane(pane); }
  static void ComputePane(TombolixApp& app, int pane) { app.ComputePane(pane); }
  static void EnableControls(TombolixApp& app, bool enabled) { app.EnableControls(enabled); }
};

}  // namespace tombolix
