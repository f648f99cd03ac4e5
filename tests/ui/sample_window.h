#pragma once

#include "support/test_files.h"
#include "ui/event_loop_wait.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace tombolix::test {

// The window on the bundled sample lotteries, in a temporary program folder
// whose desktop already holds the launcher (so no welcome message waits), with
// the web pages opened and the end of the process kept in the test.
class SampleWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp.IsValid());
    programFolder = temp.MakeFolder(QStringLiteral("Tombolix"));
    const QDir samples(QStringLiteral(TOMBOLIX_SOURCE_DIR "/data/Historiales"));
    for (const QString& name : samples.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
      temp.Write(QStringLiteral("Tombolix/Historiales/") + name, ReadFile(samples.filePath(name)));
    }
    temp.Write(QStringLiteral("Escritorio/Tombolix.desktop"), "[Desktop Entry]\n");
    platform.SetDesktopFolder(temp.FilePath(QStringLiteral("Escritorio")));
    platform.SetUrlOpener([this](const QUrl& url) {
      openedUrls.append(url);
      return true;
    });
    platform.SetQuitActions([this] { ++loopExits; }, [this] { ++processEnds; });
    Open();
  }

  // A fresh app and window on the same program folder.
  void Open() {
    window.reset();
    app = std::make_unique<TombolixApp>(platform, programFolder);
    app->SetSoundEnabled(false);
    window = std::make_unique<MainWindow>(*app);
    platform.AttachWindow(window.get(), [this] { window->Sync(); });
  }

  WindowModel& Model() { return app->Model(); }

  // Start-up, the window shown and active, and the first history loaded by the start timer.
  void StartAndLoad() {
    ASSERT_TRUE(app->Start());
    window->Sync();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(WaitFor([this] { return QApplication::activeWindow() == window.get(); }));
    ASSERT_TRUE(WaitFor([this] { return Model().history.DrawCount > 0 && Model().RtfReporte[0].visible; }));
  }

  TempFolder temp;
  QString programFolder;
  QtPlatform platform;
  QList<QUrl> openedUrls;
  int loopExits = 0;
  int processEnds = 0;
  std::unique_ptr<TombolixApp> app;
  std::unique_ptr<MainWindow> window;
};

}  // namespace tombolix::test
