#include "ui/main_window.h"

#include "app/key_codes.h"
#include "app/program_settings.h"
#include "ui/display_colours.h"
#include "ui/help_pages.h"
#include "ui/pane_context_menu.h"
#include "ui/wheel_dialog.h"

namespace tombolix {

namespace {

// Where the high-contrast choice is kept in the program's settings file.
const QString kHighContrastKey = QStringLiteral("Ver/AltoContraste");

}  // namespace

// "Archi&vo", "&Informe" and "Ayuda": the key table's letters act with Alt,
// so only free letters are mnemonics. Entries show the key table's keys in
// their shortcut column (after a tab) but take no shortcut of their own.
void MainWindow::BuildMenuBar() {
  menuBar_ = new QMenuBar(this);
  menuBar_->setObjectName(QStringLiteral("MenuBar"));

  QMenu* file = menuBar_->addMenu(QStringLiteral("Archi&vo"));
  importEntry_ = file->addAction(QStringLiteral("Importar historial…"));
  connect(importEntry_, &QAction::triggered, this, [this] { RunLotteryAction(false); });
  webEntry_ = file->addAction(QStringLiteral("Actualizar desde la web…"));
  connect(webEntry_, &QAction::triggered, this, [this] { RunLotteryAction(true); });
  file->addSeparator();
  AddReportEntry(file, QStringLiteral("Guardar informe como HTML…"), static_cast<int>(ReportAction::SaveHtml));
  AddReportEntry(file, QStringLiteral("Guardar informe como PDF…"), static_cast<int>(ReportAction::SavePdf));
  AddReportEntry(file, QStringLiteral("Imprimir…"), static_cast<int>(ReportAction::Print));
  file->addSeparator();
  QAction* quit = file->addAction(QStringLiteral("Salir"));
  connect(quit, &QAction::triggered, this, [this] { close(); });

  QMenu* report = menuBar_->addMenu(QStringLiteral("&Informe"));
  AddReportEntry(report, QStringLiteral("Copiar"), static_cast<int>(ReportAction::Copy));
  report->addSeparator();
  AddReportEntry(report, QStringLiteral("Ver gráfico…"), static_cast<int>(ReportAction::Chart));
  AddReportEntry(report, QStringLiteral("Comparar con el azar…"), static_cast<int>(ReportAction::Chance));
  AddReportEntry(report, QStringLiteral("¿Qué muestra este informe?"), static_cast<int>(ReportAction::Explain));
  report->addSeparator();
  highContrastEntry_ = report->addAction(QStringLiteral("Colores de alto contraste"));
  highContrastEntry_->setCheckable(true);
  const bool highContrast = ProgramSettings(app_.ProgramFolder()).Value(kHighContrastKey, false).toBool();
  highContrastEntry_->setChecked(highContrast);
  SetHighContrastColours(highContrast);
  connect(highContrastEntry_, &QAction::toggled, this, [this](bool on) { SetHighContrast(on); });

  QMenu* plays = menuBar_->addMenu(QStringLiteral("&Jugadas"));
  QAction* tickets = plays->addAction(QStringLiteral("Comprobar jugadas…"));
  tickets->setObjectName(QStringLiteral("TicketsEntry"));
  connect(tickets, &QAction::triggered, this, [this] { Forward([this] { app_.OpenTicketChecker(); }); });
  QAction* wheels = plays->addAction(QStringLiteral("Reducciones…"));
  connect(wheels, &QAction::triggered, this, [this] {
    QStringList handedOver;
    ShowWheelDialog(this, app_, [&handedOver](const QStringList& lines) { handedOver = lines; });
    Sync();
    if (!handedOver.isEmpty()) {
      Forward([this, &handedOver] { app_.OpenTicketChecker(handedOver.join(QLatin1Char('\n'))); });
    }
  });

  QMenu* help = menuBar_->addMenu(QStringLiteral("Ayuda"));
  readmeEntry_ = help->addAction(QStringLiteral("Léame\tCtrl+F1"));
  // The read-me opens exactly as its key does.
  connect(readmeEntry_, &QAction::triggered, this, [this] { Forward([this] { app_.KeyDown(KeyCode::F1, kCtrl); }); });
  QAction* keys = help->addAction(QStringLiteral("Atajos de teclado"));
  connect(keys, &QAction::triggered, this, [this] { ShowKeyTablePage(this); });
  help->addSeparator();
  QAction* about = help->addAction(QStringLiteral("Acerca de Tombolix"));
  connect(about, &QAction::triggered, this, [this] { ShowAboutPage(this); });
  idleEntries_ = {readmeEntry_, keys, about, highContrastEntry_, wheels, tickets};
}

QAction* MainWindow::AddReportEntry(QMenu* menu, const QString& text, int action) {
  QAction* entry = menu->addAction(text);
  entry->setData(action);
  connect(entry, &QAction::triggered, this, [this, action] { RunMenuReportAction(action); });
  reportEntries_.emplace_back(entry, action);
  return entry;
}

int MainWindow::ShownPane() const {
  for (int i = 0; i < kPaneCount; ++i) {
    if (model_.RtfReporte[static_cast<size_t>(i)].visible) return i;
  }
  return -1;
}

// Each entry is enabled exactly when its twin in the context menus is: the
// shown pane's menu for the report entries (an entry the pane's menu lacks is
// disabled), the lottery box's menu for the import entries. The entries
// without a twin follow the key table's idle rule; Salir is always there.
void MainWindow::SyncMenuBar() {
  const int pane = ShownPane();
  const std::vector<ReportEntry> entries = pane < 0 ? std::vector<ReportEntry>{} : ReportEntries(app_, pane);
  for (const auto& [entry, action] : reportEntries_) {
    bool enabled = false;
    for (const ReportEntry& e : entries) {
      if (static_cast<int>(e.action) == action) enabled = e.enabled;
    }
    entry->setEnabled(enabled);
  }
  importEntry_->setEnabled(ImportEnabled());
  webEntry_->setEnabled(UpdateFromWebEnabled());
  const bool idle = !model_.busy && model_.CboLoteria.enabled && !Ending(model_);
  for (QAction* entry : idleEntries_) entry->setEnabled(idle);
}

void MainWindow::RunMenuReportAction(int action) {
  const int pane = ShownPane();
  if (pane < 0) return;
  RunReportAction(app_, *panes_[static_cast<size_t>(pane)], pane, static_cast<ReportAction>(action));
  Sync();
}

void MainWindow::SetHighContrast(bool on) {
  SetHighContrastColours(on);
  ProgramSettings(app_.ProgramFolder()).SetValue(kHighContrastKey, on);
  for (ReportPaneView* pane : panes_) pane->Repaint();
  Sync();
}

}  // namespace tombolix
