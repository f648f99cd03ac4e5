#pragma once

#include "app/platform.h"
#include "ui/qt_media_device.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QLockFile;
class QUrl;

namespace tombolix {

// The program's outside world on Qt: message boxes, the event loop, the
// window's state, the desktop, downloads, the single-instance lock and the clip device.
class QtPlatform : public Platform {
 public:
  // Real event processing runs at most once per this many milliseconds.
  static constexpr qint64 kYieldIntervalMs = 15;

  QtPlatform();
  ~QtPlatform() override;

  // The main window and how to bring it up to date with the window model.
  void AttachWindow(QWidget* window, std::function<void()> sync);
  // Tests keep the launcher, web pages and the end of the process to themselves.
  void SetDesktopFolder(const QString& folder) { desktopFolder_ = folder; }
  void SetUrlOpener(std::function<bool(const QUrl&)> opener) { openUrl_ = std::move(opener); }
  // Told when the desktop could not open a file, folder or page; it may be
  // called later, from the event loop, once the opener has answered.
  using OpenFailure = std::function<void(OpenTarget, const QString&)>;
  void SetOpenFailureHandler(OpenFailure handler) { openFailed_ = std::move(handler); }
  // leaveLoop: how Quit leaves the event loop; endNow: how a yield after Quit ends the process.
  void SetQuitActions(std::function<void()> leaveLoop, std::function<void()> endNow) {
    leaveLoop_ = std::move(leaveLoop);
    endProcess_ = std::move(endNow);
  }
  bool QuitRequested() const { return quitRequested_; }

  MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons,
                            MessageAnswer defaultAnswer) override;
  int AskChoice(const QString& text, const QString& title, const QStringList& choices, int cancelIndex) override;
  void ProcessEvents() override;
  void WaitForEvents(int maxMs) override;
  void SyncView() override;
  void Beep() override;
  qint64 NowMs() const override { return clock_.elapsed(); }

  bool IsMinimised() const override;
  void Minimise() override;
  void Restore() override;
  void KeepOnTop() override;

  void OpenFile(const QString& path) override;
  void OpenFolder(const QString& path) override;
  void OpenUrl(const QString& address) override;
  DownloadOutcome Download(const QString& address, qint64 limitBytes, int stallMs) override;

  void Quit() override;

  bool AcquireSingleInstance(const QString& programFolder) override;
  QString DesktopLauncherPath() const override;
  bool CreateDesktopLauncher(const QString& launcherPath, const QString& programFolder) override;
  TextEncoding EditorEncoding() const override;

  MediaDevice& Media() override { return media_; }
  void OpenTicketChecker(const TicketsRequest& request) override;

 private:
  void EndIfQuitting();
  void Open(const QUrl& url, OpenTarget target, const QString& shown);
  void OpenFailedNow(OpenTarget target, const QString& shown);

  QPointer<QWidget> window_;
  std::function<void()> sync_;
  std::function<bool(const QUrl&)> openUrl_;
  OpenFailure openFailed_;
  std::function<void()> leaveLoop_;
  std::function<void()> endProcess_;
  QElapsedTimer clock_;
  QElapsedTimer sinceYield_;
  bool syncing_ = false;
  bool quitRequested_ = false;
  QString desktopFolder_;
  std::unique_ptr<QLockFile> lock_;
  QtMediaDevice media_;
};

}  // namespace tombolix
