#include "support/fake_platform.h"

#include "synthetic_history.h"

#include <QDir>

namespace tombolix::test {

FakePlatform::FakePlatform(const QString& desktopFolder) : HeadlessPlatform(desktopFolder) { UseFakeClock(0, 10); }

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
  app = std::make_unique<TombolixApp>(*platform, ProgramFolder());
}

bool ProgramRun::StartAndLoad() {
  if (!app->Start()) return false;
  app->TmrPublicidad_Timer();
  return true;
}

}  // namespace tombolix::test
