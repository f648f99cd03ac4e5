#include "app/headless_platform.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tombolix {

bool HeadlessMediaDevice::Open(const QString& path) {
  opened.append(path);
  open_.clear();
  state = State::Stopped;
  if (openFails || !QFileInfo(path).isFile()) return false;
  open_ = path;
  return true;
}

void HeadlessMediaDevice::Play() {
  if (open_.isEmpty()) return;
  played.append(open_);
  state = stateAfterPlay;
}

HeadlessPlatform::HeadlessPlatform(QString desktopFolder) : desktopFolder_(std::move(desktopFolder)) { clock_.start(); }

MessageAnswer HeadlessPlatform::ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                                            MessageButtons buttons, MessageAnswer defaultAnswer) {
  RecordedMessage message{text, title, icon, buttons, defaultAnswer, defaultAnswer};
  if (!answers_.empty()) {
    message.answer = answers_.front();
    answers_.pop_front();
  }
  messages_.append(message);
  if (onMessage) onMessage(message);
  return message.answer;
}

void HeadlessPlatform::ProcessEvents() {
  ++processEventsCount;
  if (fakeClock_) fakeNowMs_ += fakeStepMs_;
  if (onProcessEvents) onProcessEvents();
}

qint64 HeadlessPlatform::NowMs() const { return fakeClock_ ? fakeNowMs_ : clock_.elapsed(); }

void HeadlessPlatform::Minimise() {
  ++minimiseCount;
  minimised = true;
}

bool HeadlessPlatform::AcquireSingleInstance(const QString& programFolder) {
  instanceFolders.append(programFolder);
  return !anotherInstanceRunning;
}

QString HeadlessPlatform::DesktopLauncherPath() const {
  if (desktopFolder_.isEmpty()) return QString();
  return QDir(desktopFolder_).filePath(QStringLiteral("Tombolix.desktop"));
}

bool HeadlessPlatform::CreateDesktopLauncher(const QString& launcherPath, const QString& programFolder) {
  if (!launcherWritable || launcherPath.isEmpty()) return false;
  QSaveFile file(launcherPath);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=Tombolix\nPath=%1\nExec=%2\n")
                           .arg(programFolder, QDir(programFolder).filePath(QStringLiteral("tombolix")));
  file.write(text.toUtf8());
  return file.commit();
}

void HeadlessPlatform::UseFakeClock(qint64 startMs, qint64 stepMs) {
  fakeClock_ = true;
  fakeNowMs_ = startMs;
  fakeStepMs_ = stepMs;
}

}  // namespace tombolix
