#include "support/fake_platform.h"

#include "app/desktop_entry.h"

#include "synthetic_history.h"

#include <QDir>
#include <QFileInfo>

namespace tombolix::test {

bool FakeMediaDevice::Open(const QString& path) {
  opened.append(path);
  open_.clear();
  state = State::Stopped;
  if (!QFileInfo(path).isFile()) return false;
  open_ = path;
  return true;
}

void FakeMediaDevice::Play() {
  if (open_.isEmpty()) return;
  played.append(open_);
  state = stateAfterPlay;
}

MessageAnswer FakePlatform::ShowMessage(const QString& text, const QString& title, MessageIcon icon,
                                        MessageButtons /*buttons*/, MessageAnswer defaultAnswer) {
  messages_.append(RecordedMessage{text, title, icon});
  if (answers_.empty()) return defaultAnswer;
  const MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void FakePlatform::ProcessEvents() {
  ++processEventsCount;
  fakeNowMs_ += 10;
  if (onProcessEvents) onProcessEvents();
}

QString FakePlatform::DesktopLauncherPath() const {
  if (desktopFolder_.isEmpty()) return QString();
  return QDir(desktopFolder_).filePath(QStringLiteral("Tombolix.desktop"));
}

bool FakePlatform::CreateDesktopLauncher(const QString& launcherPath, const QString& programFolder) {
  if (!launcherWritable || launcherPath.isEmpty()) return false;
  return WriteDesktopLauncher(LauncherKind::DesktopEntry, launcherPath,
                              QDir(programFolder).filePath(QStringLiteral("tombolix")), programFolder);
}

QByteArray SixNumberHistory(int draws, quint64 seed) {
  SynthOptions options;
  options.draws = draws;
  options.seed = seed;
  return SyntheticHistory(options);
}

ProgramRun::ProgramRun() {
  temp.MakeFolder(QStringLiteral("Tombolix"));
  temp.MakeFolder(QStringLiteral("Desktop"));
  Restart();
}

QString ProgramRun::InProgram(const QString& relative) const { return QDir(ProgramFolder()).filePath(relative); }

void ProgramRun::AddHistory(const QString& name, const QByteArray& bytes) const {
  WriteFile(InProgram(QStringLiteral("Historiales/") + name + QStringLiteral(".txt")), bytes);
}

void ProgramRun::Restart() {
  app.reset();
  platform = std::make_unique<FakePlatform>(DesktopFolder());
  app = std::make_unique<TombolixApp>(*platform, ProgramFolder(), installed);
}

bool ProgramRun::StartAndLoad() {
  if (!app->Start()) return false;
  app->TmrPublicidad_Timer();
  return true;
}

WebAddresses SomeWebAddresses() {
  return WebAddresses{
      QStringLiteral("https://tombolix.test/"),          QStringLiteral("https://tombolix.test/videos"),
      QStringLiteral("https://tombolix.test/boletos"),   QStringLiteral("https://tombolix.test/donar"),
      QStringLiteral("https://tombolix.test/novedades"), QStringLiteral("https://tombolix.test/historiales"),
      QStringLiteral("escribe@tombolix.test"),
  };
}

}  // namespace tombolix::test
