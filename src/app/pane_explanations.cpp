#include "app/pane_explanations.h"

#include "app/pane_table.h"
#include "reports/report_colours.h"
#include "texts/messages.h"

#include <array>

namespace tombolix {

namespace {

using namespace report_colours;

// The honest limit of every method that reads past draws.
constexpr const char16_t* kPastDraws =
    u"Los sorteos pasados no cambian las probabilidades del próximo: cada combinación tiene siempre la misma "
    u"probabilidad de salir. Este informe describe el historial; no lo predice.";

constexpr std::array kThirds{
    ColourKey{kRed, u"tercio superior: los números que más salieron en esa posición"},
    ColourKey{kGreen, u"tercio medio"},
    ColourKey{kBlue, u"tercio inferior: los que menos salieron"},
};
constexpr std::array kMapThirds{
    ColourKey{kRed, u"el número estaba en el tercio superior de la frecuencia antes de ese sorteo"},
    ColourKey{kGreen, u"estaba en el tercio medio"},
    ColourKey{kBlue, u"estaba en el tercio inferior"},
    ColourKey{kLightGrey, u"no figuraba entre los candidatos de su posición"},
};
constexpr std::array kThirdLaw{
    ColourKey{kRed, u"salió dos veces o más"},
    ColourKey{kGreen, u"salió una vez"},
    ColourKey{kBlue, u"no salió"},
};
constexpr std::array kThirdLawMap{
    ColourKey{kRed, u"antes de ese sorteo, el número había salido dos veces o más"},
    ColourKey{kGreen, u"había salido una vez"},
    ColourKey{kBlue, u"no había salido"},
    ColourKey{kLightGrey, u"no figuraba entre los candidatos de su posición"},
};
constexpr std::array kForecastMap{
    ColourKey{kRed, u"el número está en el pronóstico actual y en el tercio superior de su posición"},
    ColourKey{kGreen, u"está en el pronóstico, en el tercio medio"},
    ColourKey{kBlue, u"está en el pronóstico, en el tercio inferior"},
    ColourKey{kLightGrey, u"no está en el pronóstico"},
};
constexpr std::array kHits{
    ColourKey{kRed, u"acierto: el número estaba entre los candidatos de su selector"},
    ColourKey{kGrey, u"el número no estaba entre los candidatos"},
};
constexpr std::array kConsecutive{
    ColourKey{kBlue, u"el número se diferencia en 1 del de la posición vecina"},
    ColourKey{kGrey, u"sin vecino consecutivo"},
};
constexpr std::array kRepeated{
    ColourKey{kBlue, u"el número también salió en el sorteo anterior o en el siguiente"},
    ColourKey{kLightRed, u"el número es igual al de la posición vecina del mismo sorteo"},
    ColourKey{kGrey, u"sin repetición"},
};
constexpr std::array kEvenOdd{
    ColourKey{kGreen, u"número par (el 0 cuenta como par)"},
    ColourKey{kBlue, u"número impar"},
};
constexpr std::array kPrimes{
    ColourKey{kBlue, u"número primo"},
    ColourKey{kGreen, u"número compuesto"},
    ColourKey{kGrey, u"0 y 1, que no son ni primos ni compuestos"},
};
constexpr std::array kPatterns{
    ColourKey{kBlue, u"el sorteo de referencia del bloque"},
    ColourKey{kLightBlue, u"el mismo número en la misma posición que el sorteo de referencia"},
    ColourKey{kGrey, u"un número distinto"},
};
constexpr std::array kSearch{
    ColourKey{kRed, u"todos los números elegidos salieron, cada uno en su posición"},
    ColourKey{kLightRed, u"todos los números elegidos salieron, alguno en otra posición"},
    ColourKey{kBlue, u"un número elegido salió en su posición"},
    ColourKey{kLightBlue, u"un número elegido salió en otra posición"},
    ColourKey{kGrey, u"no salió ningún número elegido en esa posición"},
    ColourKey{kLightGrey, u"posición sin número elegido"},
    ColourKey{kGreen, u"en los códigos de arriba: tercio medio; PA: número par"},
};
constexpr std::array kBackTest{
    ColourKey{kBlue, u"los números del sorteo"},
    ColourKey{kLightBlue, u"un número de la combinación que acertó ese sorteo"},
    ColourKey{kLightRed,
              u"aciertos de una combinación a la que le faltó un solo número (loterías de 6 o 7 "
              u"posiciones); también el índice de las combinaciones que acertaron algún sorteo"},
    ColourKey{kRed, u"aciertos de una combinación que acertó todos los números"},
};
constexpr std::array kListForecast{
    ColourKey{kRed,
              u"número que el pronóstico por ciclo da como «debido» y que está en el tercio superior de su "
              u"posición"},
    ColourKey{kLightRed, u"índice de una combinación que acertó algún sorteo en la prueba"},
    ColourKey{kLightBlue, u"índice de una combinación que no acertó ninguno"},
};
constexpr std::array kSummary{
    ColourKey{kRed,
              u"el número destacado: su paridad o su condición de primo coincide con la que el programa "
              u"espera para el próximo sorteo en esa posición. En FR, CA y PC, tercio superior; en LT, salió "
              u"dos veces o más"},
    ColourKey{kLightRed, u"los demás números"},
    ColourKey{kGreen, u"en FR, CA y PC, tercio medio; en LT, salió una vez; PA cuando el número es par"},
    ColourKey{kBlue, u"en FR, CA y PC, tercio inferior; en LT, no salió; CO, RE y PR cuando se cumplen"},
    ColourKey{kGrey, u"«--»: el código no se cumple o no tiene datos"},
};
constexpr std::array kSummaryCodes{
    CodeKey{u"FR", u"Frecuencia: su tercio en los últimos 100 sorteos"},
    CodeKey{u"LT", u"Ley del Tercio: cuántas veces salió en la ventana de la ley del tercio"},
    CodeKey{u"CA", u"Ciclo de Aparición: su ciclo medio no supera el promedio de la posición; el color es su tercio"},
    CodeKey{u"PC", u"Pronóstico por Ciclo: el número está «debido»; el color es su tercio"},
    CodeKey{u"CO", u"Consecutivos: en los últimos 100 sorteos salió en esa posición junto a un vecino consecutivo"},
    CodeKey{u"RE", u"Repetido: salió en el último sorteo"},
    CodeKey{u"PA", u"Par: el número es par"},
    CodeKey{u"PR", u"Primo: el número es primo"},
};

constexpr std::span<const CodeKey> kNoCodes{};

constexpr const char16_t* kSearchLines =
    u"Arriba, una línea por número elegido con los códigos de ANÁLISIS iA (vea «¿Qué muestra este informe?» en ese "
    u"informe). Debajo, cada sorteo del historial que se parece a la selección, del más reciente al más antiguo: su "
    u"fecha y sus números. Al final, cuántos sorteos parecidos hay.";
constexpr const char16_t* kDrawLines =
    u"Una línea por sorteo, el más reciente arriba: la fecha y los números de cada posición, cada uno con su color.";
constexpr const char16_t* kGroupLines =
    u"Bloques de sorteos del mapa M1 cuyo dibujo de colores coincide en más de la mitad de las posiciones. Los "
    u"sorteos que no se parecen a ningún otro no aparecen.";

// clang-format off
constexpr std::array<PaneExplanation, kPaneCount> kExplanations{{
  {Pane::Start,
   u"Busca en todo el historial los sorteos parecidos a los números elegidos en B1–B7 (botón BUSCAR).",
   u"Al cargar una lotería muestra cuántos sorteos tiene su historial. Tras BUSCAR, arriba, una línea por número "
   u"elegido con los códigos de ANÁLISIS iA (vea «¿Qué muestra este informe?» en ese informe). Debajo, cada sorteo "
   u"del historial que se parece a la selección, del más reciente al más antiguo. Al final, cuántos hay.", kSearch, kNoCodes, kPastDraws},
  {Pane::HistorialAciertos,
   u"Muestra en cuáles de los últimos 100 sorteos acertaron los números candidatos de cada selector.",
   u"Una línea por sorteo, el más reciente arriba. Si los selectores no tienen todos los números, las listas se "
   u"rehacen antes de cada sorteo con los sorteos anteriores, como se habrían visto entonces.",
   kHits, kNoCodes, kPastDraws},
  {Pane::Frecuencia,
   u"Cuenta cuántas veces salió cada número en cada posición en los últimos 100 sorteos.",
   u"Un bloque por posición (B1, B2…): cada número candidato, una flecha y las veces que salió, del más frecuente "
   u"al menos frecuente.",
   kThirds, kNoCodes, kPastDraws},
  {Pane::MapaFrecuenciaM1,
   u"Repasa los últimos 100 sorteos y muestra en qué tercio de la frecuencia estaba cada número que salió.",
   u"Una línea por sorteo, el más reciente arriba. El tercio de cada número se calcula sólo con los sorteos "
   u"anteriores a ese.",
   kMapThirds, kNoCodes, kPastDraws},
  {Pane::LeyTercio,
   u"Aplica la ley del tercio: cuántas veces salió cada número en tantos sorteos recientes como números posibles "
   u"tiene la posición.",
   u"Un bloque por posición (B1, B2…): cada número, una flecha y las veces que salió. En esa ventana, más o menos "
   u"un tercio de los números no sale.",
   kThirdLaw, kNoCodes, kPastDraws},
  {Pane::MapaLeyTercioM1,
   u"Repasa los últimos 100 sorteos y muestra la clase de la ley del tercio de cada número que salió.",
   u"Una línea por sorteo, el más reciente arriba. La clase se calcula sólo con los sorteos anteriores a ese.",
   kThirdLawMap, kNoCodes, kPastDraws},
  {Pane::CicloAparicion,
   u"Da el ciclo medio de cada número: cuántos sorteos pasan, en promedio, entre una salida y la siguiente.",
   u"Un bloque por posición (B1, B2…): cada número que salió en los últimos 100 sorteos, una flecha y su ciclo "
   u"medio. El color es su tercio de frecuencia.",
   kThirds, kNoCodes, kPastDraws},
  {Pane::PronosticoM1,
   u"Lista los números «debidos»: salieron al menos dos veces y llevan sin salir tanto como su ciclo medio.",
   u"Un bloque por posición (B1, B2…): cada número debido, una flecha y su ciclo medio. El color es su tercio de "
   u"frecuencia.",
   kThirds, kNoCodes, kPastDraws},
  {Pane::Consecutivos,
   u"Marca en los últimos 100 sorteos los números consecutivos de posiciones vecinas.",
   kDrawLines, kConsecutive, kNoCodes, kPastDraws},
  {Pane::Repetidos,
   u"Marca en los últimos 100 sorteos los números que se repiten de un sorteo al siguiente.",
   kDrawLines, kRepeated, kNoCodes, kPastDraws},
  {Pane::ParesImparesM1,
   u"Muestra los números pares e impares de los últimos 100 sorteos.",
   kDrawLines, kEvenOdd, kNoCodes, kPastDraws},
  {Pane::PatronJugadas,
   u"Busca en los últimos 300 sorteos grupos que repiten el mismo número en tres posiciones o más.",
   u"Un bloque por sorteo de referencia: él mismo y los sorteos que comparten con él al menos tres números en la "
   u"misma posición. Sólo se muestran los bloques de tres sorteos o más.",
   kPatterns, kNoCodes, kPastDraws},
  {Pane::MapaFrecuenciaM2,
   u"Agrupa los sorteos del mapa de la frecuencia que tienen el mismo dibujo de tercios.",
   kGroupLines, kMapThirds, kNoCodes, kPastDraws},
  {Pane::MapaLeyTercioM2,
   u"Agrupa los sorteos del mapa de la ley del tercio que tienen el mismo dibujo de clases.",
   kGroupLines, kThirdLawMap, kNoCodes, kPastDraws},
  {Pane::GeneradorM1,
   u"Prueba 1000 combinaciones generadas contra los últimos 100 sorteos (botón COMBINACIONES).",
   u"Arriba, cuántos sorteos acertó la lista. Debajo, cada sorteo y las combinaciones que habrían acertado 3 "
   u"números (loterías de 4 posiciones) o 4 o más. Cada combinación lleva su número en la lista.",
   kBackTest, kNoCodes,
   u"Que una lista haya acertado sorteos pasados no la hace más probable en el próximo: cada combinación tiene la "
   u"misma probabilidad. Jugar muchas combinaciones sólo multiplica el gasto."},
  {Pane::GeneradorM2,
   u"Muestra las 1000 combinaciones probadas y marca los números que coinciden con el pronóstico por ciclo.",
   u"Una línea por combinación, con su número en la lista; una línea en blanco separa las que empiezan por "
   u"números distintos.",
   kListForecast, kNoCodes,
   u"Coincidir con el pronóstico no hace una combinación más probable. Jugar varias o todas las combinaciones sólo "
   u"hará que pierda tiempo y dinero."},
  {Pane::PrimosM1,
   u"Muestra los números primos y compuestos de los últimos 100 sorteos.",
   kDrawLines, kPrimes, kNoCodes, kPastDraws},
  {Pane::ParesImparesM2,
   u"Agrupa los sorteos que tienen el mismo dibujo de pares e impares.",
   kGroupLines, kEvenOdd, kNoCodes, kPastDraws},
  {Pane::PrimosM2,
   u"Agrupa los sorteos que tienen el mismo dibujo de primos y compuestos.",
   kGroupLines, kPrimes, kNoCodes, kPastDraws},
  {Pane::PatronUltimoSorteo,
   u"Busca en todo el historial los sorteos parecidos al último sorteo.",
   kSearchLines, kSearch, kNoCodes, kPastDraws},
  {Pane::ResumenIA,
   u"Resume en una línea por número lo que dicen de él ocho análisis, con un código por análisis.",
   u"Un bloque por posición (B1, B2…): cada número, una flecha y ocho códigos de dos letras, siempre en el mismo "
   u"orden. El color de cada código dice su resultado; «--» significa que no se cumple.",
   kSummary, kSummaryCodes, kPastDraws},
  {Pane::PronosticoM2,
   u"Repasa los últimos 100 sorteos y colorea los números que están en el pronóstico por ciclo actual.",
   kDrawLines, kForecastMap, kNoCodes, kPastDraws},
}};
// clang-format on

constexpr bool RowsInPaneOrder() {
  for (int i = 0; i < kPaneCount; ++i) {
    if (kExplanations[static_cast<size_t>(i)].pane != i) return false;
  }
  return true;
}
static_assert(RowsInPaneOrder(), "the explanations are indexed by pane, one per report");

}  // namespace

std::span<const PaneExplanation> PaneExplanations() { return kExplanations; }

const PaneExplanation& ExplanationOf(int pane) { return kExplanations.at(static_cast<size_t>(pane)); }

QString AnalysisRowToolTip(int row) {
  if (IsSeparatorRow(row)) return {};
  if (const PaneRow* pane = PaneForListRow(row)) return QString::fromUtf16(ExplanationOf(pane->pane).summary);
  if (row == kBuscarHistorialesRow) {
    return QStringLiteral("Historiales de otras loterías: abre su página de descarga, si el programa tiene una.");
  }
  return {};
}

}  // namespace tombolix
