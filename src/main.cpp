#include "app/program_folder.h"
#include "app/program_log.h"
#include "app/spanish_translations.h"
#include "app/tombolix_app.h"
#include "files/program_paths.h"
#include "ui/main_window.h"
#include "ui/program_icon.h"
#include "ui/qt_platform.h"
#include "ui/startup_timing.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>

namespace {

// TOMBOLIX_TIMING=1 prints how long the start took, up to the first loaded
// history on screen.
void ReportStartupTime(tombolix::MainWindow& window, const tombolix::TombolixApp& app) {
  if (qEnvironmentVariableIntValue("TOMBOLIX_TIMING") != 1) return;
  window.afterPublicidadTick = [&window, &app] {
    static bool reported = false;
    if (reported || app.Model().history.DrawCount <= 0) return;
    reported = true;
    window.repaint();
    std::fprintf(stderr, "Tombolix: first history on screen %lld ms after the process started\n",
                 static_cast<long long>(tombolix::ProcessAgeMs()));
  };
}

// `tombolix --write-icon FILE SIZE` writes the program's icon as a PNG of
// SIZE pixels and ends: the package build makes its menu icons with it.
bool WriteIconRequested(int& status) {
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() != 4 || arguments.at(1) != QLatin1String("--write-icon")) return false;
  bool isNumber = false;
  const int size = arguments.at(3).toInt(&isNumber);
  status = isNumber && size > 0 && tombolix::SaveProgramIcon(arguments.at(2), size) ? 0 : 1;
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  tombolix::ProcessAgeMs();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tombolix"));
  QApplication::setStyle(QStringLiteral("Fusion"));
  int status = 0;
  if (WriteIconRequested(status)) return status;
  QApplication::setWindowIcon(tombolix::ProgramIcon());
  // The program speaks Spanish, so Qt's own dialogs (files, printing) do too.
  tombolix::InstallSpanishTranslations();

  // A portable program works in its own folder: the current directory, which
  // its launcher sets. An installed one works in the user's data folder, made
  // and filled from the shared data on first start.
  const tombolix::ProgramPlace place =
      tombolix::ChooseProgramPlace(QCoreApplication::applicationDirPath(), QDir::currentPath(),
                                   QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  if (place.installed) tombolix::SeedDataFolder(place.sharedData, place.folder);
  QDir(place.folder).mkpath(tombolix::program_paths::kResources);
  tombolix::InstallProgramLog(place.folder);
  tombolix::LogEndSignals();
  tombolix::QtPlatform platform;
  tombolix::TombolixApp app(platform, place.folder, place.installed);
  tombolix::MainWindow window(app);
  platform.AttachWindow(&window, [&window] { window.Sync(); });
  platform.SetOpenFailureHandler(
      [&app](tombolix::OpenTarget target, const QString& what) { app.OpenFailed(target, what); });

  // Start() logs why it ends the program when it does.
  if (!app.Start() || platform.QuitRequested()) return 0;
  window.Sync();
  window.CentreOnScreen();
  window.show();
  ReportStartupTime(window, app);
  return application.exec();
}
