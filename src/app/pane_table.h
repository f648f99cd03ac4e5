#pragma once

#include "app/command.h"
#include "app/pane_computations.h"
#include "reports/colour_marks.h"
#include "reports/panes.h"
#include "reports/report_colours.h"
#include "texts/messages.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

namespace tombolix {

// What must hold before a list row opens its pane.
enum class Precondition {
  None,
  MoreThan100Draws,  // message TxtFaltanSorteos titled with the row, then LIMPIAR
};

// What follows a pane's computation before the window goes idle.
enum class Finish {
  Plain,
  // A replay rebuilt the selector lists from fewer draws: they are rebuilt
  // from the whole history, their texts put back, and the window beeps.
  Replay,
};

// A pane written by a routine of the window, which runs its own busy state
// and colour passes, instead of by a computation.
enum class PaneRoutine { None, SimilarToLastDraw, AiSummary, BackTest, ListMap };

// How a pane's report is weighed against chance from its menu.
enum class ChanceComparison {
  None,
  BackTest,  // the back-tested list against random lists
  Forecast,  // the numbers the report names for the next draw, replayed on past draws
};

// Everything the program knows about one report pane.
struct PaneRow {
  int pane;
  const char* toolName;    // the report tool's name for it
  int listRow;             // the analysis-list row that opens it (an M2 pane: its M1's row); -1 none
  char listKey;            // the letter key of its list row (M1 and single panes); 0 none
  int command;             // the command that opens it (Command index); -1 none
  MessageId titleMessage;  // its title and its list row's text; kNoMessage: titleText
  const char16_t* titleText;
  int partner;       // the other map of its pair; -1 for a single pane
  bool isM2;         // the second map of a pair
  bool escapeStops;  // Escape asks its computation to stop
  PaneColouring colouring;
  Precondition precondition;
  PaneCompute compute;  // its computation; nullptr: see routine
  PaneRoutine routine;  // the window routine that writes it (or None: a command's own)
  Finish finish;
  bool aiSource;            // computed by ANÁLISIS iA before its summary (in pane order)
  bool hasChart;            // "Ver gráfico…" in its menu
  ChanceComparison chance;  // "Comparar con el azar…" in its menu unless None
};

inline constexpr MessageId kNoMessage = static_cast<MessageId>(-1);

// The analysis list: 23 rows. The panes' rows show their titles; the first
// and last rows are empty; one row opens the history-download page; every
// other row is a separator of 26 U+00AF characters.
inline constexpr int kAnalysisRowCount = 23;
inline constexpr int kBuscarHistorialesRow = 20;

namespace pane_rows {

using namespace report_colours;

inline constexpr MarkPass Pass(char16_t mark, Rgb colour) { return MarkPass{QChar(mark), colour}; }

// The colour passes, one list per kind of report.
inline constexpr std::array kThirdsPasses{Pass(u'B', kGrey), Pass(u'#', kBlue), Pass(u'$', kGreen), Pass(u'%', kRed)};
inline constexpr std::array kMapThirdsPasses{Pass(u'&', kLightGrey), Pass(u'#', kBlue), Pass(u'$', kGreen),
                                             Pass(u'%', kRed)};
inline constexpr std::array kHitsPasses{Pass(u'&', kGrey), Pass(u'+', kRed)};
inline constexpr std::array kConsecutivePasses{Pass(u'&', kGrey), Pass(u'+', kBlue)};
inline constexpr std::array kRepeatedPasses{Pass(u'&', kGrey), Pass(u'+', kBlue), Pass(u'-', kLightRed)};
inline constexpr std::array kEvenOddPasses{Pass(u'+', kGreen), Pass(u'-', kBlue)};
inline constexpr std::array kPrimePasses{Pass(u'&', kGrey), Pass(u'+', kBlue), Pass(u'-', kGreen)};
inline constexpr std::array kPatternPasses{Pass(u'&', kGrey), Pass(u'+', kLightBlue), Pass(u'-', kBlue)};
inline constexpr std::array kBackTestPasses{Pass(u'+', kLightRed), Pass(u'$', kRed), Pass(u'-', kLightBlue),
                                            Pass(u'&', kBlue)};
inline constexpr std::array kListForecastPasses{Pass(u'?', kRed)};
// The similar-draw search colours in five groups of three passes (96..100 %).
inline constexpr std::array kSearchPasses{
    Pass(u'}', kLightGrey), Pass(u'%', kRed),  Pass(u'&', kBlue),      //
    Pass(u':', kLightRed),  Pass(u';', kRed),  Pass(u'¡', kLightRed),  //
    Pass(u'{', kGrey),      Pass(u'#', kBlue), Pass(u'$', kGreen),     //
    Pass(u'[', kLightBlue), Pass(u'*', kBlue), Pass(u'_', kGreen),     //
    Pass(u']', kBlue),      Pass(u'=', kBlue), Pass(u'?', kGrey),
};
inline constexpr std::array kSummaryPasses{
    Pass(u'B', kGrey), Pass(u'#', kBlue),  Pass(u'$', kGreen), Pass(u'%', kRed),  Pass(u'&', kBlue),
    Pass(u'/', kBlue), Pass(u'(', kGreen), Pass(u')', kBlue),  Pass(u'?', kGrey), Pass(u'¡', kLightRed)};

inline constexpr PaneColouring Plain(std::span<const MarkPass> passes) { return {passes, BoldRule::None, -1}; }
inline constexpr PaneColouring BoldPlus(std::span<const MarkPass> passes) { return {passes, BoldRule::PlusMark, -1}; }

constexpr int kNone = -1;
constexpr int kBuscar = Index(Command::Buscar);
constexpr int kCombinaciones = Index(Command::Combinaciones);
constexpr int kAnalisisIa = Index(Command::AnalisisIa);
constexpr auto kMore100 = Precondition::MoreThan100Draws;
constexpr auto kNoCheck = Precondition::None;
constexpr auto kNoRoutine = PaneRoutine::None;
constexpr auto kNoChance = ChanceComparison::None;
constexpr auto kBackTestChance = ChanceComparison::BackTest;
constexpr auto kForecastChance = ChanceComparison::Forecast;

// clang-format off
// pane, tool name, list row, list key, command, title message, title text,
// partner, M2, Escape stops, colouring, precondition,
// computation, window routine, finish, ANÁLISIS iA source, chart, comparison with chance
inline constexpr std::array<PaneRow, kPaneCount> kPanes{{
  {Pane::Start, "inicio", kNone, 0, kBuscar, kNoMessage, nullptr,
   kNone, false, true, {kSearchPasses, BoldRule::None, 96}, kNoCheck,
   nullptr, kNoRoutine, Finish::Plain, false, false, kNoChance},
  {Pane::HistorialAciertos, "historial-de-aciertos", 1, 'Q', kNone, TxtHistorialAciertos, nullptr,
   kNone, false, true, {kHitsPasses, BoldRule::All, -1}, kMore100,
   pane_compute::HistorialAciertos, kNoRoutine, Finish::Plain, false, false, kNoChance},
  {Pane::Frecuencia, "frecuencia", 3, 'W', kNone, TxtFrecuencia, nullptr,
   kNone, false, false, Plain(kThirdsPasses), kNoCheck,
   pane_compute::Frecuencia, kNoRoutine, Finish::Plain, true, true, kNoChance},
  {Pane::MapaFrecuenciaM1, "mapa-de-la-frecuencia", 4, 'S', kNone, TxtMapaFrecuencia, nullptr,
   Pane::MapaFrecuenciaM2, false, true, Plain(kMapThirdsPasses), kMore100,
   pane_compute::MapaFrecuenciaM1, kNoRoutine, Finish::Replay, false, false, kNoChance},
  {Pane::LeyTercio, "ley-del-tercio", 6, 'E', kNone, TxtLeyTercio, nullptr,
   kNone, false, false, Plain(kThirdsPasses), kNoCheck,
   pane_compute::LeyTercio, kNoRoutine, Finish::Plain, true, false, kNoChance},
  {Pane::MapaLeyTercioM1, "mapa-ley-del-tercio", 7, 'D', kNone, TxtMapaLeyTercio, nullptr,
   Pane::MapaLeyTercioM2, false, true, Plain(kMapThirdsPasses), kMore100,
   pane_compute::MapaLeyTercioM1, kNoRoutine, Finish::Replay, false, false, kNoChance},
  {Pane::CicloAparicion, "ciclo-de-aparicion", 9, 'R', kNone, TxtCicloAparicion, nullptr,
   kNone, false, false, Plain(kThirdsPasses), kNoCheck,
   pane_compute::Ciclo, kNoRoutine, Finish::Plain, true, true, kNoChance},
  {Pane::PronosticoM1, "pronostico-por-ciclo", 10, 'F', kNone, TxtPronosticoCiclo, nullptr,
   Pane::PronosticoM2, false, false, Plain(kThirdsPasses), kMore100,
   pane_compute::PronosticoM1, kNoRoutine, Finish::Plain, true, false, kForecastChance},
  {Pane::Consecutivos, "numeros-consecutivos", 12, 'T', kNone, TxtConsecutivos, nullptr,
   kNone, false, false, BoldPlus(kConsecutivePasses), kNoCheck,
   pane_compute::Consecutivos, kNoRoutine, Finish::Plain, true, false, kNoChance},
  {Pane::Repetidos, "numeros-repetidos", 13, 'G', kNone, TxtRepetidos, nullptr,
   kNone, false, false, BoldPlus(kRepeatedPasses), kNoCheck,
   pane_compute::Repetidos, kNoRoutine, Finish::Plain, true, false, kNoChance},
  {Pane::ParesImparesM1, "numeros-pares-impares", 14, 'B', kNone, TxtParesImpares, nullptr,
   Pane::ParesImparesM2, false, false, BoldPlus(kEvenOddPasses), kMore100,
   pane_compute::ParesImparesM1, kNoRoutine, Finish::Plain, true, false, kNoChance},
  {Pane::PatronJugadas, "patron-de-jugadas", 17, 'Y', kNone, TxtPatronJugadas, nullptr,
   kNone, false, true, {kPatternPasses, BoldRule::None, 98}, kNoCheck,
   pane_compute::PatronDeJugadas, kNoRoutine, Finish::Plain, false, false, kNoChance},
  {Pane::MapaFrecuenciaM2, "mapa-de-la-frecuencia-m2", 4, 0, kNone, TxtMapaFrecuencia, nullptr,
   Pane::MapaFrecuenciaM1, true, false, Plain(kMapThirdsPasses), kMore100,
   pane_compute::MapaFrecuenciaM2, kNoRoutine, Finish::Plain, false, false, kNoChance},
  {Pane::MapaLeyTercioM2, "mapa-ley-del-tercio-m2", 7, 0, kNone, TxtMapaLeyTercio, nullptr,
   Pane::MapaLeyTercioM1, true, false, Plain(kMapThirdsPasses), kMore100,
   pane_compute::MapaLeyTercioM2, kNoRoutine, Finish::Plain, false, false, kNoChance},
  {Pane::GeneradorM1, "generador-de-combinaciones", kNone, 0, kCombinaciones, TxtGeneradorCombinaciones, nullptr,
   Pane::GeneradorM2, false, true, Plain(kBackTestPasses), kNoCheck,
   nullptr, PaneRoutine::BackTest, Finish::Plain, false, true, kBackTestChance},
  {Pane::GeneradorM2, "generador-de-combinaciones-m2", kNone, 0, kCombinaciones, TxtGeneradorCombinaciones, nullptr,
   Pane::GeneradorM1, true, false, Plain(kListForecastPasses), kNoCheck,
   nullptr, PaneRoutine::ListMap, Finish::Plain, false, false, kNoChance},
  {Pane::PrimosM1, "numeros-primos-compuestos", 15, 'N', kNone, TxtPrimosCompuestos, nullptr,
   Pane::PrimosM2, false, false, BoldPlus(kPrimePasses), kMore100,
   pane_compute::PrimosM1, kNoRoutine, Finish::Plain, true, false, kNoChance},
  {Pane::ParesImparesM2, "numeros-pares-impares-m2", 14, 0, kNone, TxtParesImpares, nullptr,
   Pane::ParesImparesM1, true, false, BoldPlus(kEvenOddPasses), kMore100,
   pane_compute::ParesImparesM2, kNoRoutine, Finish::Plain, false, false, kNoChance},
  {Pane::PrimosM2, "numeros-primos-compuestos-m2", 15, 0, kNone, TxtPrimosCompuestos, nullptr,
   Pane::PrimosM1, true, false, BoldPlus(kPrimePasses), kMore100,
   pane_compute::PrimosM2, kNoRoutine, Finish::Plain, false, false, kNoChance},
  {Pane::PatronUltimoSorteo, "patron-del-ultimo-sorteo", 18, 'H', kNone, TxtPatronUltimoSorteo, nullptr,
   kNone, false, true, {kSearchPasses, BoldRule::None, 96}, kNoCheck,
   nullptr, PaneRoutine::SimilarToLastDraw, Finish::Plain, false, false, kNoChance},
  {Pane::ResumenIA, "analisis-ia", kNone, 0, kAnalisisIa, kNoMessage, u"ANÁLISIS iA",
   kNone, false, false, Plain(kSummaryPasses), kNoCheck,
   nullptr, PaneRoutine::AiSummary, Finish::Plain, false, false, kForecastChance},
  {Pane::PronosticoM2, "pronostico-por-ciclo-m2", 10, 0, kNone, TxtPronosticoCiclo, nullptr,
   Pane::PronosticoM1, true, false, Plain(kMapThirdsPasses), kMore100,
   pane_compute::PronosticoM2, kNoRoutine, Finish::Plain, false, false, kNoChance},
}};
// clang-format on

}  // namespace pane_rows

// The 22 rows, indexed by pane.
inline constexpr const std::array<PaneRow, kPaneCount>& kPaneRows = pane_rows::kPanes;

std::span<const PaneRow> PaneTable();
constexpr const PaneRow& PaneInfo(int pane) { return kPaneRows.at(static_cast<size_t>(pane)); }
constexpr bool IsPaneIndex(int pane) { return pane >= 0 && pane < kPaneCount; }
constexpr bool IsMapPane(int pane) { return IsPaneIndex(pane) && PaneInfo(pane).partner >= 0; }
constexpr bool IsM2Pane(int pane) { return IsMapPane(pane) && PaneInfo(pane).isM2; }
// The pane a list row opens (the M1 pane of a pair); nothing for other rows.
const PaneRow* PaneForListRow(int row);
// A pane by its report-tool name.
std::optional<int> PaneForToolName(QStringView name);
// The report's name as the window titles it: "Tombolix - Frecuencia",
// "... M2" for the second map of a pair, the program caption for the start pane.
QString PaneTitle(int pane);

// The rows of the analysis list, built from the pane table.
QStringList AnalysisListRows();
// Empty rows, separators and rows outside the list start nothing.
bool IsSeparatorRow(int row);

}  // namespace tombolix
