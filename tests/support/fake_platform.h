#pragma once

#include "app/headless_platform.h"
#include "app/tombolix_app.h"
#include "support/test_files.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace tombolix::test {

// The headless platform as the app tests use it: a fake clock that moves
// 10 ms per yield, so waits end without real time passing. Its media device
// plays nothing, so clips stay on and their requests can be checked.
class FakePlatform : public HeadlessPlatform {
 public:
  explicit FakePlatform(const QString& desktopFolder = QString());
  int MessageCount() const { return static_cast<int>(Messages().size()); }
  const RecordedMessage& LastMessage() const { return Messages().back(); }
};

// A history file the loader accepts: `draws` draws of six numbers from 1..45.
QByteArray SixNumberHistory(int draws, quint64 seed = 7);

// A program folder and a desktop folder side by side in a temporary folder,
// with a program run (platform + app) that can be restarted on them.
class ProgramRun {
 public:
  ProgramRun();
  QString ProgramFolder() const { return temp.FilePath(QStringLiteral("Tombolix")); }
  QString DesktopFolder() const { return temp.FilePath(QStringLiteral("Desktop")); }
  QString LauncherPath() const { return temp.FilePath(QStringLiteral("Desktop/Tombolix.desktop")); }
  // Path of `relative` inside the program folder.
  QString InProgram(const QString& relative) const;
  // Writes Historiales/<name>.txt.
  void AddHistory(const QString& name, const QByteArray& bytes) const;

  // A fresh process: new platform and app on the same folders.
  void Restart();
  // Start() and, when it succeeds, the first timer tick (the first load).
  bool StartAndLoad();

  FakePlatform& Host() { return *platform; }
  TombolixApp& App() { return *app; }
  WindowModel& Model() { return app->Model(); }

  TempFolder temp;
  std::unique_ptr<FakePlatform> platform;
  std::unique_ptr<TombolixApp> app;
};

}  // namespace tombolix::test
