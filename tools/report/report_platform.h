#pragma once

#include "app/platform.h"

#include <QTextStream>

namespace tombolix {

// The platform of the report tool: no display and no dialogs. A message box
// is written to standard error and answered with its default answer; waits
// end at once (its clock moves by whatever is waited for); nothing is opened,
// downloaded, played or written.
class ReportPlatform : public Platform {
 public:
  explicit ReportPlatform(QTextStream& err) : err_(err) {}

  MessageAnswer ShowMessage(const QString& text, const QString& title, MessageIcon icon, MessageButtons buttons,
                            MessageAnswer defaultAnswer) override;
  // Nobody is there to choose: the box is taken as closed.
  int AskChoice(const QString& text, const QString& /*title*/, const QStringList& /*choices*/, int cancelIndex) override {
    err_ << text << Qt::endl;
    return cancelIndex;
  }
  void ProcessEvents() override {}
  void WaitForEvents(int maxMs) override { nowMs_ += maxMs; }
  void SyncView() override {}
  void Beep() override {}
  qint64 NowMs() const override { return nowMs_; }
  bool IsMinimised() const override { return false; }
  void Minimise() override {}
  void Restore() override {}
  void KeepOnTop() override {}
  void OpenFile(const QString& /*path*/) override {}
  void OpenFolder(const QString& /*path*/) override {}
  void OpenUrl(const QString& /*address*/) override {}
  DownloadOutcome Download(const QString& /*address*/, qint64 /*limitBytes*/, int /*stallMs*/) override {
    return DownloadOutcome{{}, QStringLiteral("La herramienta de informes no descarga archivos."), false, {}};
  }
  void Quit() override { ++quitCount_; }
  bool AcquireSingleInstance(const QString& /*programFolder*/) override { return true; }
  QString DesktopLauncherPath() const override { return QString(); }
  bool CreateDesktopLauncher(const QString& /*launcherPath*/, const QString& /*programFolder*/) override {
    return false;
  }
  MediaDevice& Media() override { return media_; }

  int MessageCount() const { return messageCount_; }
  int QuitCount() const { return quitCount_; }

 private:
  // Plays nothing: every clip fails to open.
  class SilentMedia : public MediaDevice {
   public:
    State CurrentState() const override { return State::Stopped; }
    bool Open(const QString& /*path*/) override { return false; }
    void Play() override {}
  };

  QTextStream& err_;
  SilentMedia media_;
  qint64 nowMs_ = 0;
  int messageCount_ = 0;
  int quitCount_ = 0;
};

}  // namespace tombolix
