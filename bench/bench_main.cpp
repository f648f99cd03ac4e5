// The benchmark program's own entry point. The view benchmarks need a
// QApplication; it lives on main's stack, so it is gone before Qt's global
// objects are destroyed at exit (an application held in a static outlives
// them and crashes the program on its way out).
#include <benchmark/benchmark.h>

#if defined(QT_WIDGETS_LIB)
#include <QApplication>
#endif

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
#if defined(QT_WIDGETS_LIB)
  // Off screen unless a display is asked for.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
#endif
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
