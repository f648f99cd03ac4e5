#pragma once

#include "support/fake_platform.h"

#include <gtest/gtest.h>

namespace tombolix::test {

// Tests on a program run that has loaded a lottery, its clips silent.
class LoadedProgramTest : public ::testing::Test {
 protected:
  // Adds the history, starts the program and runs its first load.
  void Load(const QByteArray& history = SixNumberHistory(120), const QString& name = QStringLiteral("Seis")) {
    run.AddHistory(name, history);
    ASSERT_TRUE(run.StartAndLoad());
    run.App().SetSoundEnabled(false);
  }
  WindowModel& M() { return run.Model(); }
  ReportText& Report(int pane) { return M().RtfReporte[static_cast<size_t>(pane)].report; }

  ProgramRun run;
};

}  // namespace tombolix::test
