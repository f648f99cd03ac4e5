#pragma once

#include "app/platform.h"
#include "app/tombolix_app.h"
#include "support/test_files.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

namespace tombolix::test {
// A media device that plays nothing: it records what was opened and played,
// and its state is whatever the owner sets (or what Play leaves behind).
class FakeMediaDevice : public MediaDevice {
 public:
  State CurrentState() const override { return state; }
  // Records the path; succeeds when the file exists (unless `openFails`).
  bool Open(const QString& path) override;
  // Records the open file as played; the state then becomes `stateAfterPlay`.
  void Play() override;

  State state = State::Stopped;
  // Stopped by default: a clip "ends" at once, so the next request plays.
  State stateAfterPlay = State::Stopped;
  bool openFails = false;
  QStringList opened;  // every path passed to Open
  QStringList played;  // the open path at each Play

 private:
  QString open_;
};

// One message box as the program asked for it, with the answer it got.
struct RecordedMessage {
  QString text;
  QString title;
  MessageIcon icon = MessageIcon::Information;
  MessageButtons buttons = MessageButtons::Ok;
  MessageAnswer defaultAnswer = MessageAnswer::Ok;
  MessageAnswer answer = MessageAnswer::Ok;
};

// The platform the app tests run the program on. Message boxes are recorded
// and answered with their default answer unless an answer was queued; every
// other call is recorded. The clock is fake: it starts at 0 and moves 10 ms per
// yield (UseFakeClock changes that) or by AdvanceClock, so waits never take
// real time. Its media device plays nothing, so clips stay on and their
// requests can be checked.
class FakePlatform : public Platform {
 public:
  // desktopFolder: where the launcher goes; empty means there is no desktop.
  explicit FakePlatform(QString desktopFolder = QString());
  int MessageCount() const { return static_cast<int>(Messages().size()); }
  const RecordedMessage& LastMessage() const { return Messages().back(); }

  MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons,
                            MessageAnswer defaultAnswer) override;
  void ProcessEvents() override;
  void SyncView() override { ++syncCount; }
  void Beep() override { ++beepCount; }
  qint64 NowMs() const override;

  bool IsMinimised() const override { return minimised; }
  void Minimise() override;
  void Restore() override {
    ++restoreCount;
    minimised = false;
  }
  void KeepOnTop() override { ++keepOnTopCount; }

  void OpenFile(const QString& path) override { openedFiles.append(path); }
  void OpenFolder(const QString& path) override { openedFolders.append(path); }
  void OpenUrl(const QString& address) override { openedUrls.append(address); }

  void Quit() override { ++quitCount; }

  bool AcquireSingleInstance(const QString& programFolder) override;
  QString DesktopLauncherPath() const override;
  bool CreateDesktopLauncher(const QString& launcherPath, const QString& programFolder) override;

  MediaDevice& Media() override { return media; }

  // --- Script and inspection ---
  // The answer of the next message box (first queued, first used).
  void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
  const QList<RecordedMessage>& Messages() const { return messages_; }
  // Restarts the fake clock at `startMs`; each ProcessEvents call moves it on by `stepMs`.
  void UseFakeClock(qint64 startMs = 0, qint64 stepMs = 0);
  void AdvanceClock(qint64 ms) { fakeNowMs_ += ms; }
  void SetDesktopFolder(const QString& folder) { desktopFolder_ = folder; }

  // Called by every ProcessEvents: where a test delivers the key presses and
  // clicks that arrive while the program yields.
  std::function<void()> onProcessEvents;
  // Called by every ShowMessage after it is recorded (for re-entrant tests).
  std::function<void(const RecordedMessage&)> onMessage;

  int processEventsCount = 0;
  int syncCount = 0;
  int beepCount = 0;
  int minimiseCount = 0;
  int restoreCount = 0;
  int keepOnTopCount = 0;
  int quitCount = 0;
  bool minimised = false;
  bool anotherInstanceRunning = false;  // AcquireSingleInstance answers false
  bool launcherWritable = true;         // CreateDesktopLauncher fails when false
  QStringList openedFiles;
  QStringList openedFolders;
  QStringList openedUrls;
  QStringList instanceFolders;  // folders passed to AcquireSingleInstance
  FakeMediaDevice media;

 private:
  QString desktopFolder_;
  std::deque<MessageAnswer> answers_;
  QList<RecordedMessage> messages_;
  qint64 fakeNowMs_ = 0;
  qint64 fakeStepMs_ = 10;
};

// A full set of product pages for tests, under the reserved ".test" domain.
WebAddresses SomeWebAddresses();

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
  bool installed = false;  // the next Restart() runs as the installed program
  std::unique_ptr<FakePlatform> platform;
  std::unique_ptr<TombolixApp> app;
};

}  // namespace tombolix::test
