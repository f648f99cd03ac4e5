#pragma once

#include "app/platform.h"
#include "sound/clip_player.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

namespace tombolix {

// A media device that plays nothing: it records what was opened and played,
// and its state is whatever the owner sets (or what Play leaves behind).
class HeadlessMediaDevice : public MediaDevice {
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

// A Platform with no display: the report tool and the tests run the program
// on it. Message boxes are recorded and answered with their default answer
// unless an answer was queued; every other call is recorded. The clock is real
// unless a fake one is switched on, in which case only ProcessEvents (by the
// configured step) and AdvanceClock move it, so waits never take real time.
class HeadlessPlatform : public Platform {
 public:
  // desktopFolder: where the launcher goes; empty means there is no desktop.
  explicit HeadlessPlatform(QString desktopFolder = QString());

  MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons,
                            MessageAnswer defaultAnswer) override;
  void ProcessEvents() override;
  void SyncView() override { ++syncCount; }
  void Beep() override { ++beepCount; }
  qint64 NowMs() const override;

  bool IsMinimised() const override { return minimised; }
  void Minimise() override;
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
  // From now on NowMs reads a fake clock starting at `startMs`; each
  // ProcessEvents call moves it on by `stepMs`.
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
  int keepOnTopCount = 0;
  int quitCount = 0;
  bool minimised = false;
  bool anotherInstanceRunning = false;  // AcquireSingleInstance answers false
  bool launcherWritable = true;         // CreateDesktopLauncher fails when false
  QStringList openedFiles;
  QStringList openedFolders;
  QStringList openedUrls;
  QStringList instanceFolders;  // folders passed to AcquireSingleInstance
  HeadlessMediaDevice media;

 private:
  QString desktopFolder_;
  std::deque<MessageAnswer> answers_;
  QList<RecordedMessage> messages_;
  QElapsedTimer clock_;
  bool fakeClock_ = false;
  qint64 fakeNowMs_ = 0;
  qint64 fakeStepMs_ = 0;
};

}  // namespace tombolix
