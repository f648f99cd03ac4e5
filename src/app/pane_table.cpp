#include "app/pane_table.h"

#include "analyses/ciclo_aparicion.h"
#include "analyses/consecutive_numbers.h"
#include "analyses/even_odd_maps.h"
#include "analyses/frequency.h"
#include "analyses/ley_del_tercio.h"
#include "analyses/play_patterns.h"
#include "analyses/prime_maps.h"
#include "analyses/pronostico_ciclo.h"
#include "analyses/repeated_numbers.h"
#include "analyses/third_law_maps.h"
#include "analyses/winning_history.h"
#include "app/tombolix_app.h"
#include "app/window_model.h"
#include "reports/report_colours.h"
#include "texts/messages.h"

#include <algorithm>
#include <array>

namespace tombolix {

namespace {

using namespace report_colours;

constexpr MarkPass Pass(char16_t mark, Rgb colour) { return MarkPass{QChar(mark), colour}; }

// The colour passes, one list per kind of report.
constexpr std::array kThirdsPasses{Pass(u'B', kGrey), Pass(u'#', kBlue), Pass(u'$', kGreen), Pass(u'%', kRed)};
constexpr std::array kMapThirdsPasses{Pass(u'&', kLightGrey), Pass(u'#', kBlue), Pass(u'$', kGreen), Pass(u'%', kRed)};
constexpr std::array kHitsPasses{Pass(u'&', kGrey), Pass(u'+', kRed)};
constexpr std::array kConsecutivePasses{Pass(u'&', kGrey), Pass(u'+', kBlue)};
constexpr std::array kRepeatedPasses{Pass(u'&', kGrey), Pass(u'+', kBlue), Pass(u'-', kLightRed)};
constexpr std::array kEvenOddPasses{Pass(u'+', kGreen), Pass(u'-', kBlue)};
constexpr std::array kPrimePasses{Pass(u'&', kGrey), Pass(u'+', kBlue), Pass(u'-', kGreen)};
constexpr std::array kPatternPasses{Pass(u'&', kGrey), Pass(u'+', kLightBlue), Pass(u'-', kBlue)};
constexpr std::array kBackTestPasses{Pass(u'+', kLightRed), Pass(u'$', kRed), Pass(u'-', kLightBlue),
                                     Pass(u'&', kBlue)};
constexpr std::array kListForecastPasses{Pass(u'?', kRed)};
// The similar-draw search colours in five groups of three passes (96..100 %).
constexpr std::array kSearchPasses{
    Pass(u'}', kLightGrey), Pass(u'%', kRed),  Pass(u'&', kBlue),      //
    Pass(u':', kLightRed),  Pass(u';', kRed),  Pass(u'¡', kLightRed),  //
    Pass(u'{', kGrey),      Pass(u'#', kBlue), Pass(u'$', kGreen),     //
    Pass(u'[', kLightBlue), Pass(u'*', kBlue), Pass(u'_', kGreen),     //
    Pass(u']', kBlue),      Pass(u'=', kBlue), Pass(u'?', kGrey),
};
constexpr std::array kSummaryPasses{Pass(u'B', kGrey), Pass(u'#', kBlue),    Pass(u'$', kGreen), Pass(u'%', kRed),
                                    Pass(u'&', kBlue), Pass(u'/', kBlue),    Pass(u'(', kGreen), Pass(u')', kBlue),
                                    Pass(u'?', kGrey), Pass(u'¡', kLightRed)};

constexpr PaneColouring Plain(std::span<const MarkPass> passes) { return {passes, BoldRule::None, -1}; }
constexpr PaneColouring BoldPlus(std::span<const MarkPass> passes) { return {passes, BoldRule::PlusMark, -1}; }

// --- The computations ---

constexpr AnalysisOutcome Done = AnalysisOutcome::Done;

AnalysisOutcome Frecuencia(PaneJob& j) {
  ComputeFrequency(HistoryView(j.history), j.model.SelectorValues(), j.report, j.hooks);
  return Done;
}
AnalysisOutcome MapaFrecuenciaM1(PaneJob& j) {
  return FrequencyMapM1(j.history, j.model.AnalysisWindow, j.model.arrays, j.report, j.hooks);
}
AnalysisOutcome MapaFrecuenciaM2(PaneJob& j) {
  FrequencyMapM2(j.model.arrays, j.history.PositionCount, j.report, j.hooks);
  return Done;
}
AnalysisOutcome LeyTercio(PaneJob& j) {
  LeyDelTercio(HistoryView(j.history), j.model.SelectorValues(), j.report, j.hooks);
  return Done;
}
AnalysisOutcome Ciclo(PaneJob& j) {
  CicloAparicion(HistoryView(j.history), j.model.SelectorValues(), j.report, j.hooks);
  return Done;
}
AnalysisOutcome PronosticoM1(PaneJob& j) {
  PronosticoCiclo(HistoryView(j.history), j.model.SelectorValues(), j.report, j.hooks);
  return Done;
}
AnalysisOutcome PronosticoM2(PaneJob& j) {
  MapaPronosticoCiclo(HistoryView(j.history), j.model.SelectorValues(), j.model.AnalysisWindow,
                      j.model.arrays.ForecastArrays, j.report, j.hooks);
  return Done;
}
AnalysisOutcome Consecutivos(PaneJob& j) {
  ConsecutiveNumbers(HistoryView(j.history), j.report, j.hooks);
  return Done;
}
AnalysisOutcome Repetidos(PaneJob& j) {
  RepeatedNumbers(HistoryView(j.history), j.report, j.hooks);
  return Done;
}
AnalysisOutcome ParesImparesM1(PaneJob& j) {
  EvenOddMapM1(HistoryView(j.history), j.model.AnalysisWindow, j.model.arrays, j.report, j.hooks);
  return Done;
}
AnalysisOutcome ParesImparesM2(PaneJob& j) {
  EvenOddMapM2(j.model.arrays, j.history.PositionCount, j.report, j.hooks);
  return Done;
}
AnalysisOutcome PrimosM1(PaneJob& j) {
  MapaPrimos(HistoryView(j.history), j.model.AnalysisWindow, j.model.arrays, j.report, j.hooks);
  return Done;
}
AnalysisOutcome HistorialAciertos(PaneJob& j) {
  const SelectorLists lists = j.model.SelectorValues();
  if (WinningHistoryNeedsReplay(lists, j.model.FullListCount, j.history.PositionCount)) {
    j.replayed = true;
    return WinningHistoryReplay(j.history, j.model.AnalysisWindow, j.model.arrays, j.report, j.hooks);
  }
  return WinningHistory(HistoryView(j.history), lists, j.model.AnalysisWindow, j.report, j.hooks);
}
AnalysisOutcome MapaLeyTercioM1(PaneJob& j) {
  return ThirdLawMapM1(j.history, j.model.AnalysisWindow, j.model.arrays, j.report, j.hooks);
}
AnalysisOutcome MapaLeyTercioM2(PaneJob& j) {
  ThirdLawMapM2(j.model.arrays, j.history.PositionCount, j.report, j.hooks);
  return Done;
}
AnalysisOutcome PatronDeJugadas(PaneJob& j) { return PatronJugadas(HistoryView(j.history), j.report, j.hooks); }
void PatronUltimoSorteo(TombolixApp& app) { app.BuscarParecidos(Pane::PatronUltimoSorteo); }
void ResumenIA(TombolixApp& app) { app.AnalisisIA(); }
void GeneradorM1(TombolixApp& app) { app.PruebaGenerador(); }
void GeneradorM2(TombolixApp& app) { app.MapaCombinacionesRun(); }
AnalysisOutcome PrimosM2(PaneJob& j) {
  GruposPrimos(j.model.arrays, j.history.PositionCount, j.report, j.hooks);
  return Done;
}

constexpr int kNone = -1;
constexpr int kBuscar = Index(Command::Buscar);
constexpr int kCombinaciones = Index(Command::Combinaciones);
constexpr int kAnalisisIa = Index(Command::AnalisisIa);
constexpr auto kMore100 = Precondition::MoreThan100Draws;
constexpr auto kNoCheck = Precondition::None;

// clang-format off
// pane, tool name, list row, command, title message, title text, partner, M2, Escape stops,
// colouring, precondition, computation, window routine, finish, ANÁLISIS iA source
constexpr std::array<PaneRow, kPaneCount> kPanes{{
  {Pane::Start, "inicio", kNone, kBuscar, kNone, nullptr, kNone, false, true,
   {kSearchPasses, BoldRule::None, 96}, kNoCheck, nullptr, nullptr, Finish::Plain, false},
  {Pane::HistorialAciertos, "historial-de-aciertos", 1, kNone, TxtHistorialAciertos, nullptr, kNone, false, true,
   {kHitsPasses, BoldRule::All, -1}, kMore100, HistorialAciertos, nullptr, Finish::Plain, false},
  {Pane::Frecuencia, "frecuencia", 3, kNone, TxtFrecuencia, nullptr, kNone, false, false,
   Plain(kThirdsPasses), kNoCheck, Frecuencia, nullptr, Finish::Plain, true},
  {Pane::MapaFrecuenciaM1, "mapa-de-la-frecuencia", 4, kNone, TxtMapaFrecuencia, nullptr, Pane::MapaFrecuenciaM2,
   false, true, Plain(kMapThirdsPasses), kMore100, MapaFrecuenciaM1, nullptr, Finish::Replay, false},
  {Pane::LeyTercio, "ley-del-tercio", 6, kNone, TxtLeyTercio, nullptr, kNone, false, false,
   Plain(kThirdsPasses), kNoCheck, LeyTercio, nullptr, Finish::Plain, true},
  {Pane::MapaLeyTercioM1, "mapa-ley-del-tercio", 7, kNone, TxtMapaLeyTercio, nullptr, Pane::MapaLeyTercioM2,
   false, true, Plain(kMapThirdsPasses), kMore100, MapaLeyTercioM1, nullptr, Finish::Replay, false},
  {Pane::CicloAparicion, "ciclo-de-aparicion", 9, kNone, TxtCicloAparicion, nullptr, kNone, false, false,
   Plain(kThirdsPasses), kNoCheck, Ciclo, nullptr, Finish::Plain, true},
  {Pane::PronosticoM1, "pronostico-por-ciclo", 10, kNone, TxtPronosticoCiclo, nullptr, Pane::PronosticoM2,
   false, false, Plain(kThirdsPasses), kMore100, PronosticoM1, nullptr, Finish::Plain, true},
  {Pane::Consecutivos, "numeros-consecutivos", 12, kNone, TxtConsecutivos, nullptr, kNone, false, false,
   BoldPlus(kConsecutivePasses), kNoCheck, Consecutivos, nullptr, Finish::Plain, true},
  {Pane::Repetidos, "numeros-repetidos", 13, kNone, TxtRepetidos, nullptr, kNone, false, false,
   BoldPlus(kRepeatedPasses), kNoCheck, Repetidos, nullptr, Finish::Plain, true},
  {Pane::ParesImparesM1, "numeros-pares-impares", 14, kNone, TxtParesImpares, nullptr, Pane::ParesImparesM2,
   false, false, BoldPlus(kEvenOddPasses), kMore100, ParesImparesM1, nullptr, Finish::Plain, true},
  {Pane::PatronJugadas, "patron-de-jugadas", 17, kNone, TxtPatronJugadas, nullptr, kNone, false, true,
   {kPatternPasses, BoldRule::None, 98}, kNoCheck, PatronDeJugadas, nullptr, Finish::Plain, false},
  {Pane::MapaFrecuenciaM2, "mapa-de-la-frecuencia-m2", 4, kNone, TxtMapaFrecuencia, nullptr, Pane::MapaFrecuenciaM1,
   true, false, Plain(kMapThirdsPasses), kMore100, MapaFrecuenciaM2, nullptr, Finish::Plain, false},
  {Pane::MapaLeyTercioM2, "mapa-ley-del-tercio-m2", 7, kNone, TxtMapaLeyTercio, nullptr, Pane::MapaLeyTercioM1,
   true, false, Plain(kMapThirdsPasses), kMore100, MapaLeyTercioM2, nullptr, Finish::Plain, false},
  {Pane::GeneradorM1, "generador-de-combinaciones", kNone, kCombinaciones, TxtGeneradorCombinaciones, nullptr,
   Pane::GeneradorM2, false, true, Plain(kBackTestPasses), kNoCheck, nullptr, GeneradorM1, Finish::Plain, false},
  {Pane::GeneradorM2, "generador-de-combinaciones-m2", kNone, kCombinaciones, TxtGeneradorCombinaciones, nullptr,
   Pane::GeneradorM1, true, false, Plain(kListForecastPasses), kNoCheck, nullptr, GeneradorM2, Finish::Plain, false},
  {Pane::PrimosM1, "numeros-primos-compuestos", 15, kNone, TxtPrimosCompuestos, nullptr, Pane::PrimosM2,
   false, false, BoldPlus(kPrimePasses), kMore100, PrimosM1, nullptr, Finish::Plain, true},
  {Pane::ParesImparesM2, "numeros-pares-impares-m2", 14, kNone, TxtParesImpares, nullptr, Pane::ParesImparesM1,
   true, false, BoldPlus(kEvenOddPasses), kMore100, ParesImparesM2, nullptr, Finish::Plain, false},
  {Pane::PrimosM2, "numeros-primos-compuestos-m2", 15, kNone, TxtPrimosCompuestos, nullptr, Pane::PrimosM1,
   true, false, BoldPlus(kPrimePasses), kMore100, PrimosM2, nullptr, Finish::Plain, false},
  {Pane::PatronUltimoSorteo, "patron-del-ultimo-sorteo", 18, kNone, TxtPatronUltimoSorteo, nullptr, kNone, false,
   true, {kSearchPasses, BoldRule::None, 96}, kNoCheck, nullptr, PatronUltimoSorteo, Finish::Plain, false},
  {Pane::ResumenIA, "analisis-ia", kNone, kAnalisisIa, kNone, u"ANÁLISIS iA", kNone, false, false,
   Plain(kSummaryPasses), kNoCheck, nullptr, ResumenIA, Finish::Plain, false},
  {Pane::PronosticoM2, "pronostico-por-ciclo-m2", 10, kNone, TxtPronosticoCiclo, nullptr, Pane::PronosticoM1,
   true, false, Plain(kMapThirdsPasses), kMore100, PronosticoM2, nullptr, Finish::Plain, false},
}};
// clang-format on

constexpr bool RowsInPaneOrder() {
  for (int i = 0; i < kPaneCount; ++i) {
    if (kPanes[static_cast<size_t>(i)].pane != i) return false;
  }
  return true;
}
static_assert(RowsInPaneOrder(), "the pane table is indexed by pane");

constexpr bool PairsAgree() {
  for (const PaneRow& row : kPanes) {
    if (row.partner < 0) continue;
    const PaneRow& other = kPanes[static_cast<size_t>(row.partner)];
    if (other.partner != row.pane || other.isM2 == row.isM2 || other.listRow != row.listRow) return false;
  }
  return true;
}
static_assert(PairsAgree(), "map pairs name each other, one M1 and one M2, opened by the same row");

}  // namespace

std::span<const PaneRow> PaneTable() { return kPanes; }

bool IsPaneIndex(int pane) { return pane >= 0 && pane < kPaneCount; }

const PaneRow& PaneInfo(int pane) { return kPanes.at(static_cast<size_t>(pane)); }

bool IsMapPane(int pane) { return IsPaneIndex(pane) && PaneInfo(pane).partner >= 0; }

bool IsM2Pane(int pane) { return IsMapPane(pane) && PaneInfo(pane).isM2; }

const PaneRow* PaneForListRow(int row) {
  const auto* it =
      std::find_if(kPanes.begin(), kPanes.end(), [row](const PaneRow& r) { return r.listRow == row && !r.isM2; });
  return it == kPanes.end() ? nullptr : &*it;
}

std::optional<int> PaneForToolName(QStringView name) {
  for (const PaneRow& row : kPanes) {
    if (name == QLatin1String(row.toolName)) return row.pane;
  }
  return std::nullopt;
}

QString PaneTitle(int pane) {
  const PaneRow& row = PaneInfo(pane);
  if (row.titleMessage < 0) {
    return row.titleText == nullptr ? ProgramCaption() : MessageTitle(QString::fromUtf16(row.titleText));
  }
  QString title = MessageTitle(row.titleMessage);
  if (row.isM2) title += QLatin1String(" M2");
  return title;
}

}  // namespace tombolix
