#include "analyses/even_odd_maps.h"

#include "analyses/map_groups.h"

namespace tombolix {

QChar ParityClass(quint8 x) { return x % 2 == 0 ? u'+' : u'-'; }

void EvenOddMapM1(const HistoryView& view, int analysisWindow, AnalysisArrays& arrays, ReportText& report,
                  StepHooks& hooks) {
  ClassMapM1(view, analysisWindow, &ParityClass, arrays.EvenOddMapRows, report, hooks);
}

void EvenOddMapM2(AnalysisArrays& arrays, int positionCount, ReportText& report, StepHooks& hooks) {
  GroupMapRows(arrays.EvenOddMapRows, positionCount, GroupRule{}, report, hooks);
}

}  // namespace tombolix
