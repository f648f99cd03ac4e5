#include "app/tombolix_app.h"
#include "ui/main_window.h"
#include "ui/program_icon.h"
#include "ui/qt_platform.h"
#include "ui/startup_timing.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

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

}  // namespace

int main(int argc, char* argv[]) {
  tombolix::ProcessAgeMs();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tombolix"));
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setWindowIcon(tombolix::ProgramIcon());
  // The program speaks Spanish, so Qt's own dialogs (files, printing) do too
  // when Qt's Spanish translation is installed.
  QTranslator qtSpanish;
  if (qtSpanish.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtSpanish);
  }

  // The program works in its own folder: the current directory, which its
  // launcher sets.
  tombolix::QtPlatform platform;
  tombolix::TombolixApp app(platform, QDir::currentPath());
  tombolix::MainWindow window(app);
  platform.AttachWindow(&window, [&window] { window.Sync(); });

  if (!app.Start() || platform.QuitRequested()) return 0;
  window.Sync();
  window.CentreOnScreen();
  window.show();
  ReportStartupTime(window, app);
  return application.exec();
}
