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
// A media device that plays nothing: it records what was opened and played.
class FakeMediaDevice : public MediaDevice {
 public:
  State CurrentState() const override { return state; }
  bool Open(const QString& path) override;  // succeeds when the file exists
  void Play() override;

  State state = State::Stopped;
  State stateAfterPlay = State::Stopped;  // by default a clip ends at once
  QStringList opened;                     // every path passed to Open
  QStringList played;                     // the open path at each Play

 private:
  QString open_;
};

struct RecordedMessage {
  QString text;
  QString title;
  MessageIcon icon = MessageIcon::Information;
};

// The platform the app tests run the program on: every call is recorded;
// message boxes get their default answer unless one was queued. The clock is
// fake and moves 10 ms per yield, so waits never take real time.
class FakePlatform : public Platform {
 public:
  explicit FakePlatform(QString desktopFolder) : desktopFolder_(std::move(desktopFolder)) {}
  int MessageCount() const { return static_cast<int>(messages_.size()); }
  const RecordedMessage& LastMessage() const { return messages_.back(); }

  MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons,
                            MessageAnswer defaultAnswer) override;
  // Recorded as a message; answered from `choices`, or closed (cancelIndex) when none is queued.
  int AskChoice(const QString& text, const QString& title, const QStringList& options, int cancelIndex) override {
    messages_.append(RecordedMessage{text, title, MessageIcon::Exclamation});
    if (choices.empty()) return cancelIndex;
    const int choice = choices.front();
    choices.pop_front();
    return options.isEmpty() ? cancelIndex : choice;
  }
  std::deque<int> choices;
  void ProcessEvents() override;
  void SyncView() override {}
  void Beep() override { ++beepCount; }
  qint64 NowMs() const override { return fakeNowMs_; }

  bool IsMinimised() const override { return minimised; }
  void Minimise() override {
    ++minimiseCount;
    minimised = true;
  }
  void Restore() override { minimised = false; }
  void KeepOnTop() override { ++keepOnTopCount; }

  void OpenFile(const QString& path) override { openedFiles.append(path); }
  void OpenFolder(const QString& path) override { openedFolders.append(path); }
  void OpenUrl(const QString& address) override { openedUrls.append(address); }
  // No test goes online: every download fails as the network would.
  DownloadOutcome Download(const QString&, qint64, int) override {
    return DownloadOutcome{{}, QStringLiteral("Sin respuesta preparada."), false, {}};
  }

  void Quit() override { ++quitCount; }

  bool AcquireSingleInstance(const QString& folder) override {
    instanceFolders << folder;
    return !anotherInstanceRunning;
  }
  QString DesktopLauncherPath() const override;
  bool CreateDesktopLauncher(const QString& launcherPath, const QString& programFolder) override;

  MediaDevice& Media() override { return media; }

  // The answer of the next message box (first queued, first used).
  void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }

  // Called by every ProcessEvents: where a test delivers the key presses and
  // clicks that arrive while the program yields.
  std::function<void()> onProcessEvents;

  int processEventsCount = 0;
  int beepCount = 0;
  int minimiseCount = 0;
  int keepOnTopCount = 0;
  int quitCount = 0;
  bool minimised = false;
  bool anotherInstanceRunning = false;  // AcquireSingleInstance answers false
  QStringList instanceFolders;          // the folders AcquireSingleInstance was asked for
  bool launcherWritable = true;         // CreateDesktopLauncher fails when false
  QStringList openedFiles;
  QStringList openedFolders;
  QStringList openedUrls;
  FakeMediaDevice media;

 private:
  QString desktopFolder_;
  std::deque<MessageAnswer> answers_;
  QList<RecordedMessage> messages_;
  qint64 fakeNowMs_ = 0;
};

// A full set of product pages for tests, under the reserved ".test" domain.
WebAddresses SomeWebAddresses();

// A history file the loader accepts: `draws` draws of six numbers from 1..45.
QByteArray SixNumberHistory(int draws, quint64 seed = 7);

// A program folder and a desktop folder in a temporary folder, with a
// program run (platform + app) that can be restarted on them.
class ProgramRun {
 public:
  ProgramRun();
  QString ProgramFolder() const { return temp.FilePath(QStringLiteral("Tombolix")); }
  QString DesktopFolder() const { return temp.FilePath(QStringLiteral("Desktop")); }
  QString LauncherPath() const { return temp.FilePath(QStringLiteral("Desktop/Tombolix.desktop")); }
  QString InProgram(const QString& relative) const;
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
