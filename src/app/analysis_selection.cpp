#include "app/command_log.h"
#include "app/control_colours.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "texts/messages.h"

#include <algorithm>

namespace tombolix {

namespace {

constexpr int kLastRow = kAnalysisRowCount - 1;

}  // namespace

void TombolixApp::LstFormula_Click(int row) {
  ListState& list = model_.LstFormula;
  if (!list.visible || Ending(model_) || row < 0 || row >= list.items.size()) return;
  list.selectedRow = row;
  if (!IsSeparatorRow(row)) {
    model_.Cmd(Command::Combinaciones).backColour = ControlColour::Combinaciones;
    model_.Cmd(Command::AnalisisIa).backColour = ControlColour::AnalisisIa;
  }
  if (row == kBuscarHistorialesRow) {
    BuscarHistoriales();
    return;
  }
  const PaneRow* action = PaneForListRow(row);
  if (action == nullptr) {
    // Separators and the empty rows send the selection back to the last row.
    list.selecting = true;
    list.selectedRow = kLastRow;
    list.selecting = false;
    return;
  }
  if (action->precondition == Precondition::MoreThan100Draws && model_.history.DrawCount <= 100) {
    PreconditionFailed(row);
    return;
  }
  if (action->partner >= 0) {
    OpenMapPair(action->pane, action->partner);
    return;
  }
  ShowReportPane(action->pane);
  if (model_.RtfReporte[static_cast<size_t>(action->pane)].report.IsEmptyMarker()) ComputePane(action->pane);
}

void TombolixApp::PreconditionFailed(int row) {
  platform_.ShowMessage(Msg(TxtFaltanSorteos), MessageTitle(model_.LstFormula.items[row]), MessageIcon::Information,
                        MessageButtons::Ok, MessageAnswer::Ok);
  RunCommand(Command::Limpiar);
}

// Points the map buttons at a pair and reopens the map of the pair shown last.
void TombolixApp::OpenMapPair(int m1Pane, int m2Pane) {
  model_.PointMapsAt(m1Pane, m2Pane);
  LblMapas_Click(model_.ShowsM2Last(m2Pane) ? 1 : 0);
}

void TombolixApp::LblMapas_Click(int index) {
  if (index < 0 || index > 1 || Ending(model_)) return;
  const int m2Pane = model_.LblMapas[1].pane;
  if (IsM2Pane(m2Pane)) {
    model_.SetShowsM2Last(m2Pane, index == 1);
  }
  const int pane = model_.LblMapas[static_cast<size_t>(index)].pane;
  ShowReportPane(pane);
  if (IsMapPane(pane) && model_.RtfReporte[static_cast<size_t>(pane)].report.IsEmptyMarker()) ComputePane(pane);
}

// The history files are the user's to find: the download page opens in the
// browser with the window minimised. A build without that page says so and
// points to the importer.
void TombolixApp::BuscarHistoriales() {
  Pause(1);
  RunCommand(Command::Limpiar);
  if (Ending(model_)) return;
  if (addresses_.historyDownloads.isEmpty()) {
    platform_.ShowMessage(
        QString::fromUtf8("Esta versión de Tombolix no tiene una página de descarga de historiales.\n\n"
                          "Descargue los resultados de su lotería (un archivo CSV o de hoja de cálculo) desde la "
                          "página oficial del sorteo y añádalos con «Importar historial…»: menú Archivo, o clic "
                          "derecho en la lista de loterías."),
        QStringLiteral("Tombolix - Buscar Historiales"), MessageIcon::Information, MessageButtons::Ok,
        MessageAnswer::Ok);
    return;
  }
  qCInfo(lcCommands) << "link opened:" << addresses_.historyDownloads;
  platform_.Minimise();
  platform_.OpenUrl(addresses_.historyDownloads);
}

}  // namespace tombolix
