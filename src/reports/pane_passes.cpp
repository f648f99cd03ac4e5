#include "reports/colour_marks.h"
#include "reports/panes.h"

namespace tombolix {

namespace {

constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kGreen = MakeRgb(0, 192, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);
constexpr Rgb kGrey = MakeRgb(128, 128, 128);
constexpr Rgb kLightGrey = MakeRgb(224, 224, 224);
constexpr Rgb kLightRed = MakeRgb(255, 128, 128);
constexpr Rgb kLightBlue = MakeRgb(128, 128, 255);

MarkPass Pass(char16_t mark, Rgb colour) { return MarkPass{QChar(mark), colour}; }

// The search for similar draws (pane 0 with a selection, pane 19 for the last
// draw) colours in five groups of three passes.
std::vector<MarkPass> SearchPasses() {
  return {
      Pass(u'}', kLightGrey), Pass(u'%', kRed),  Pass(u'&', kBlue),      // 96 %
      Pass(u':', kLightRed),  Pass(u';', kRed),  Pass(u'¡', kLightRed),  // 97 %
      Pass(u'{', kGrey),      Pass(u'#', kBlue), Pass(u'$', kGreen),     // 98 %
      Pass(u'[', kLightBlue), Pass(u'*', kBlue), Pass(u'_', kGreen),     // 99 %
      Pass(u']', kBlue),      Pass(u'=', kBlue), Pass(u'?', kGrey),      // 100 %
  };
}

}  // namespace

std::vector<MarkPass> PanePasses(int pane) {
  switch (pane) {
    case Pane::Start:
    case Pane::PatronUltimoSorteo:
      return SearchPasses();
    case Pane::HistorialAciertos:
      return {Pass(u'&', kGrey), Pass(u'+', kRed)};
    case Pane::Frecuencia:
    case Pane::LeyTercio:
    case Pane::CicloAparicion:
    case Pane::PronosticoM1:
      return {Pass(u'B', kGrey), Pass(u'#', kBlue), Pass(u'$', kGreen), Pass(u'%', kRed)};
    case Pane::MapaFrecuenciaM1:
    case Pane::MapaLeyTercioM1:
    case Pane::MapaFrecuenciaM2:
    case Pane::MapaLeyTercioM2:
    case Pane::PronosticoM2:
      return {Pass(u'&', kLightGrey), Pass(u'#', kBlue), Pass(u'$', kGreen), Pass(u'%', kRed)};
    case Pane::Consecutivos:
      return {Pass(u'&', kGrey), Pass(u'+', kBlue)};
    case Pane::Repetidos:
      return {Pass(u'&', kGrey), Pass(u'+', kBlue), Pass(u'-', kLightRed)};
    case Pane::ParesImparesM1:
    case Pane::ParesImparesM2:
      return {Pass(u'+', kGreen), Pass(u'-', kBlue)};
    case Pane::PatronJugadas:
      return {Pass(u'-', kBlue), Pass(u'+', kLightBlue), Pass(u'&', kGrey)};
    case Pane::GeneradorM1:
      return {Pass(u'+', kLightRed), Pass(u'$', kRed), Pass(u'-', kLightBlue), Pass(u'&', kBlue)};
    case Pane::GeneradorM2:
      return {Pass(u'?', kRed)};
    case Pane::PrimosM1:
    case Pane::PrimosM2:
      return {Pass(u'&', kGrey), Pass(u'+', kBlue), Pass(u'-', kGreen)};
    case Pane::ResumenIA:
      return {Pass(u'B', kGrey), Pass(u'#', kBlue),  Pass(u'$', kGreen), Pass(u'%', kRed),  Pass(u'&', kBlue),
              Pass(u'/', kBlue), Pass(u'(', kGreen), Pass(u')', kBlue),  Pass(u'?', kGrey), Pass(u'¡', kLightRed)};
    default:
      return {};
  }
}

bool PassIsBold(int pane, QChar mark) {
  if (pane == Pane::HistorialAciertos) return true;
  if (mark != QLatin1Char('+')) return false;
  switch (pane) {
    case Pane::Consecutivos:
    case Pane::Repetidos:
    case Pane::ParesImparesM1:
    case Pane::PrimosM1:
    case Pane::ParesImparesM2:
    case Pane::PrimosM2:
      return true;
    default:
      return false;
  }
}

}  // namespace tombolix
