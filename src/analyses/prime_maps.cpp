#include "analyses/prime_maps.h"

#include "analyses/map_groups.h"
#include "history/prime.h"

namespace tombolix {

void MapaPrimos(const HistoryView& view, int analysisWindow, AnalysisArrays& arrays, ReportText& report,
                StepHooks& hooks) {
  ClassMapM1(view, analysisWindow, &ClasePrimo, arrays.PrimeLines, report, hooks);
}

void GruposPrimos(AnalysisArrays& arrays, int positionCount, ReportText& report, StepHooks& hooks) {
  GroupMapRows(arrays.PrimeLines, positionCount, GroupRule{}, report, hooks);
}

}  // namespace tombolix
