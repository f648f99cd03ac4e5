#include "app/control_colours.h"
#include "app/tombolix_app.h"
#include "texts/messages.h"

#include <algorithm>

namespace tombolix {

namespace {

constexpr int kLastRow = kAnalysisRowCount - 1;
constexpr int kBuscarHistorialesRow = 20;

// What a row of the analysis list opens: one pane, or a pair of maps (M1, M2).
struct RowAction {
  int row;
  bool needsLongHistory;  // more than 100 draws
  int pane;               // the pane, or the M1 pane of the pair
  int m2Pane;             // -1 for a single pane
};

constexpr RowAction kRowActions[] = {
    {1, true, Pane::HistorialAciertos, -1},
    {3, false, Pane::Frecuencia, -1},
    {4, true, Pane::MapaFrecuenciaM1, Pane::MapaFrecuenciaM2},
    {6, false, Pane::LeyTercio, -1},
    {7, true, Pane::MapaLeyTercioM1, Pane::MapaLeyTercioM2},
    {9, false, Pane::CicloAparicion, -1},
    {10, true, Pane::PronosticoM1, Pane::PronosticoM2},
    {12, false, Pane::Consecutivos, -1},
    {13, false, Pane::Repetidos, -1},
    {14, true, Pane::ParesImparesM1, Pane::ParesImparesM2},
    {15, true, Pane::PrimosM1, Pane::PrimosM2},
    {17, false, Pane::PatronJugadas, -1},
    {18, false, Pane::PatronUltimoSorteo, -1},
};

const RowAction* FindRowAction(int row) {
  const auto* it = std::find_if(std::begin(kRowActions), std::end(kRowActions),
                                [row](const RowAction& action) { return action.row == row; });
  return it == std::end(kRowActions) ? nullptr : it;
}

bool IsM2Pane(int pane) {
  return std::any_of(kMapPairs.begin(), kMapPairs.end(), [pane](const auto& pair) { return pair[1] == pane; });
}

}  // namespace

void TombolixApp::LstFormula_Click(int row) {
  ListState& list = model_.LstFormula;
  if (!list.visible || Ending() || row < 0 || row >= list.items.size()) return;
  list.selectedRow = row;
  if (!IsSeparatorRow(row)) {
    model_.CmdFuncion[4].backColour = ControlColour::Combinaciones;
    model_.CmdFuncion[7].backColour = ControlColour::AnalisisIa;
  }
  if (row == kBuscarHistorialesRow) {
    BuscarHistoriales();
    return;
  }
  const RowAction* action = FindRowAction(row);
  if (action == nullptr) {
    // Separators and the empty rows send the selection back to the last row.
    list.Tag = QStringLiteral("1");
    list.selectedRow = kLastRow;
    list.Tag = QStringLiteral("0");
    return;
  }
  if (action->needsLongHistory && model_.history.DrawCount <= 100) {
    PreconditionFailed(row);
    return;
  }
  if (action->m2Pane >= 0) {
    OpenMapPair(action->pane, action->m2Pane);
    return;
  }
  ShowReportPane(action->pane);
  if (model_.RtfReporte[static_cast<size_t>(action->pane)].report.IsEmptyMarker()) ComputePane(action->pane);
}

void TombolixApp::PreconditionFailed(int row) {
  platform_.ShowMessage(Msg(45), MessageTitle(model_.LstFormula.items[row]), MessageIcon::Information,
                        MessageButtons::Ok, MessageAnswer::Ok);
  RunCommand(3);
}

// Points the map buttons at a pair and reopens the map of the pair shown last.
void TombolixApp::OpenMapPair(int m1Pane, int m2Pane) {
  model_.LblMapas[0].Tag = QString::number(m1Pane);
  model_.LblMapas[1].Tag = QString::number(m2Pane);
  const bool m2Last = model_.RtfReporte[static_cast<size_t>(m2Pane)].Tag.toInt() != 0;
  LblMapas_Click(m2Last ? 1 : 0);
}

void TombolixApp::LblMapas_Click(int index) {
  if (index < 0 || index > 1 || Ending()) return;
  const int m2Pane = model_.LblMapas[1].Tag.toInt();
  if (IsM2Pane(m2Pane)) {
    model_.RtfReporte[static_cast<size_t>(m2Pane)].Tag = index == 0 ? QStringLiteral("0") : QStringLiteral("1");
  }
  const int pane = model_.LblMapas[static_cast<size_t>(index)].Tag.toInt();
  ShowReportPane(pane);
  if (IsMapPane(pane) && model_.RtfReporte[static_cast<size_t>(pane)].report.IsEmptyMarker()) ComputePane(pane);
}

// The history files are the user's to find: the download page opens in the
// browser with the window minimised.
void TombolixApp::BuscarHistoriales() {
  Pause(1);
  RunCommand(3);
  platform_.Minimise();
  platform_.OpenUrl(Addresses().historyDownloads);
}

}  // namespace tombolix
