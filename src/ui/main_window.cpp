#include "ui/main_window.h"

#include "ui/pane_context_menu.h"
#include "ui/control_style.h"
#include "ui/fonts.h"
#include "ui/import_dialog.h"

#include "app/web_update.h"

#include <QApplication>
#include <QFrame>
#include <QMenu>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace tombolix {

namespace {

// The window was designed in twips; 15 twips make one pixel.
constexpr int Px(int twips) { return twips / 15; }
QRect TwipsRect(int left, int top, int width, int height) { return QRect(Px(left), Px(top), Px(width), Px(height)); }

constexpr int kSelectorLeft[8] = {7425, 285, 1275, 2265, 3255, 4245, 5235, 6225};

struct ButtonPlace {
  int left;
  int top;
};
constexpr ButtonPlace kButtonPlaces[8] = {{7410, 495}, {7410, 885},  {9360, 2265}, {9360, 8610},
                                          {9360, 885}, {7410, 2265}, {7410, 8610}, {9360, 495}};

QGroupBox* MakeFrame(QWidget* parent, const QString& caption, const QRect& place) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setFont(VerdanaFont(8, true));
  frame->setGeometry(place);
  return frame;
}

ClickLabel* MakeLink(QWidget* parent, const QRect& place) {
  auto* label = new ClickLabel(parent);
  label->setFont(LucidaFont(8));
  label->setGeometry(place);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

}  // namespace

MainWindow::MainWindow(TombolixApp& app, QWidget* parent) : QWidget(parent), app_(app), model_(app.Model()) {
  setFocusPolicy(Qt::NoFocus);
  // The controls keep their places in a fixed client area; the menu bar sits
  // above it and the window grows by the bar's height.
  client_ = new QWidget(this);
  client_->setFixedSize(kClientWidth, kClientHeight);
  client_->setFocusPolicy(Qt::NoFocus);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(client_);
  focusSink_ = new QWidget(client_);
  focusSink_->setGeometry(0, 0, 0, 0);
  focusSink_->setFocusPolicy(Qt::NoFocus);
  BuildNumbersFrame();
  BuildSideControls();
  BuildResultsFrame();
  BuildLinks();
  Connect();
  WatchChildren();
  // After WatchChildren: the menus keep their own keys.
  BuildMenuBar();
  layout->setMenuBar(menuBar_);
}

void MainWindow::BuildNumbersFrame() {
  numbers_ = MakeFrame(client_, QStringLiteral(" Números "), TwipsRect(150, 210, 7275, 1275));
  for (int k = 1; k <= 7; ++k) {
    selectors_[static_cast<size_t>(k)] = MakeSelector(numbers_, k);
    selectors_[static_cast<size_t>(k)]->setGeometry(TwipsRect(kSelectorLeft[k], 420, 765, 525));
  }
}

QComboBox* MainWindow::MakeSelector(QWidget* parent, int k) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
  box->setFont(CourierFont(14, true));
  box->setEditText(QStringLiteral("--"));
  // Text reaches a selector only through typing, which the app filters.
  box->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
  box->lineEdit()->setAcceptDrops(false);
  box->setAcceptDrops(false);
  box->setObjectName(QStringLiteral("CboBal%1").arg(k));
  return box;
}

void MainWindow::BuildSideControls() {
  for (int i = 0; i < 8; ++i) {
    auto* button = new QPushButton(client_);
    button->setFont(VerdanaFont(8, true));
    button->setGeometry(TwipsRect(kButtonPlaces[i].left, kButtonPlaces[i].top, 1965, 405));
    button->setAutoDefault(false);
    button->setObjectName(QStringLiteral("CmdFuncion%1").arg(i));
    buttons_[static_cast<size_t>(i)] = button;
  }
  selectors_[0] = MakeSelector(client_, 0);
  selectors_[0]->setGeometry(TwipsRect(kSelectorLeft[0], 1305, 765, 525));

  lotteries_ = new QComboBox(client_);
  lotteries_->setEditable(false);
  lotteries_->setFont(LucidaFont(11));
  lotteries_->setGeometry(TwipsRect(7425, 1860, 3930, 420));
  lotteries_->setObjectName(QStringLiteral("CboLoteria"));
  // The lottery box offers the history importer while the window is idle.
  lotteries_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lotteries_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(lotteries_);
    QAction* import = menu.addAction(QStringLiteral("Importar historial…"));
    QAction* web = menu.addAction(QStringLiteral("Actualizar desde la web…"));
    import->setEnabled(ImportEnabled());
    web->setEnabled(UpdateFromWebEnabled());
    QAction* chosen = menu.exec(lotteries_->mapToGlobal(at));
    if (chosen) RunLotteryAction(chosen == web);
  });

  auto* separator = new QFrame(client_);
  separator->setFrameShape(QFrame::VLine);
  separator->setFrameShadow(QFrame::Sunken);
  separator->setGeometry(TwipsRect(11325, 1860, 120, 7155));

  list_ = new QListWidget(client_);
  list_->setFont(VerdanaFont(10));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setObjectName(QStringLiteral("LstFormula"));
  // The list ends just above the REINICIAR and LIMPIAR buttons below it.
  QRect listPlace = TwipsRect(7395, 2655, 3930, 6240);
  listPlace.setBottom(Px(8610) - 3);
  list_->setGeometry(listPlace);
}

void MainWindow::BuildResultsFrame() {
  results_ = MakeFrame(client_, QStringLiteral(" Resultados "), TwipsRect(150, 1500, 7275, 7785));
  const QRect panePlace = TwipsRect(285, 420, 6705, 7035);
  for (int i = 0; i < kPaneCount; ++i) {
    auto* pane = new ReportPaneView(results_);
    pane->setGeometry(panePlace);
    pane->hide();
    pane->setObjectName(QStringLiteral("RtfReporte%1").arg(i));
    panes_[static_cast<size_t>(i)] = pane;
  }
  // Every report pane has a context menu: copy, save, print, chart, chance.
  for (int i = 0; i < kPaneCount; ++i) {
    ReportPaneView* pane = panes_[static_cast<size_t>(i)];
    pane->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pane, &QWidget::customContextMenuRequested, this, [this, pane, i](const QPoint& at) {
      RunPaneContextMenu(app_, *pane, i, pane->mapToGlobal(at));
    });
  }
  // The background pane covers the reports while it is shown (during long computations).
  fondo_ = new ReportPaneView(results_);
  fondo_->setGeometry(panePlace);
  fondo_->setObjectName(QStringLiteral("RtfFondo"));
  fondo_->viewport()->setCursor(Qt::PointingHandCursor);
  fondo_->raise();

  status_ = new QLabel(results_);
  status_->setFont(VerdanaFont(8));
  status_->setAlignment(Qt::AlignCenter);
  status_->setGeometry(TwipsRect(285, 7500, 6705, 210));
  status_->setObjectName(QStringLiteral("LblAjuste"));

  const int mapLeft[2] = {735, 1425};
  for (int i = 0; i < 2; ++i) {
    auto* map = new ClickLabel(results_);
    map->setFont(VerdanaFont(8, true));
    map->setAlignment(Qt::AlignCenter);
    map->setGeometry(TwipsRect(mapLeft[i], 7440, 705, 225));
    map->setCursor(Qt::PointingHandCursor);
    map->hide();
    map->setObjectName(QStringLiteral("LblMapas%1").arg(i));
    maps_[static_cast<size_t>(i)] = map;
  }
}

void MainWindow::BuildLinks() {
  ayuda_ = MakeLink(client_, TwipsRect(10245, 1515, 930, 225));
  boletos_ = MakeLink(client_, TwipsRect(9435, 9105, 930, 225));
  donacion_ = MakeLink(client_, TwipsRect(10500, 9105, 675, 225));
}

void MainWindow::Connect() {
  for (int i = 0; i < 8; ++i) {
    connect(buttons_[static_cast<size_t>(i)], &QPushButton::clicked, this,
            [this, i] { Forward([this, i] { app_.RunCommand(i); }); });
  }
  for (int k = 0; k < 8; ++k) {
    QComboBox* box = selectors_[static_cast<size_t>(k)];
    connect(box, &QComboBox::activated, this, [this, k, box](int index) {
      if (syncing_) return;
      const QString text = box->itemText(index);
      Forward([this, k, text] {
        app_.CboBal_SetText(k, text);
        app_.CboBal_Click(k);
      });
    });
    connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, k](const QString& text) {
      if (syncing_) return;
      app_.CboBal_SetText(k, text);
      if (auto& drawn = drawnSelectors_[static_cast<size_t>(k)]) drawn->text = text;
    });
  }
  connect(lotteries_, &QComboBox::activated, this, [this](int index) {
    if (!syncing_) Forward([this, index] { app_.CboLoteria_Click(index); });
  });
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    // Moves by keyboard; mouse presses are forwarded where they land.
    if (!syncing_ && row >= 0) Forward([this, row] { app_.LstFormula_Click(row); });
  });
  for (int i = 0; i < 2; ++i) {
    maps_[static_cast<size_t>(i)]->onClick = [this, i] { Forward([this, i] { app_.LblMapas_Click(i); }); };
  }
  ayuda_->onClick = [this] { Forward([this] { app_.OpenLink(WebLink::HelpVideo); }); };
  boletos_->onClick = [this] { Forward([this] { app_.OpenLink(WebLink::Tickets); }); };
  donacion_->onClick = [this] { Forward([this] { app_.OpenLink(WebLink::Donation); }); };
  fondo_->onClick = [this] { Forward([this] { app_.RtfFondo_Click(); }); };

  connect(&publicidad_, &QTimer::timeout, this, [this] {
    Forward([this] { app_.TmrPublicidad_Timer(); });
    if (afterPublicidadTick) afterPublicidadTick();
  });
  connect(&gameplay_, &QTimer::timeout, this, [this] { Forward([this] { app_.TmrGameplay_Timer(); }); });
  connect(&advertencia_, &QTimer::timeout, this, [this] { Forward([this] { app_.TmrAdvertencia_Timer(); }); });
}

// The window sees the keys, focus changes and list clicks of its controls
// before the controls do. Only its own controls are watched: a message box
// keeps its keys.
void MainWindow::WatchChildren() {
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void MainWindow::CentreOnScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void MainWindow::Forward(const std::function<void()>& handler) {
  handler();
  Sync();
}

bool MainWindow::ImportEnabled() const { return !app_.Model().busy; }

bool MainWindow::UpdateFromWebEnabled() const {
  return !app_.Model().busy && !app_.Model().CboLoteria.Text().isEmpty();
}

void MainWindow::RunLotteryAction(bool fromWeb) {
  if (app_.Model().busy) return;
  const bool written = fromWeb ? UpdateFromWeb() : ShowImportDialog(this, app_.Host(), app_.Model().HistoryFolder);
  if (written) Forward([this] { app_.AdviseReloadAfterImport(); });
}

bool MainWindow::UpdateFromWeb() {
  const QString lottery = app_.Model().CboLoteria.Text();
  const QString title = QStringLiteral("Tombolix - Actualizar desde la web");
  bool ok = false;
  const QString address = QInputDialog::getText(
      this, title,
      QStringLiteral("Dirección del archivo de resultados (CSV) de «%1»:\nTombolix la recordará para la próxima vez.")
          .arg(lottery),
      QLineEdit::Normal, RememberedAddress(app_.ProgramFolder(), lottery), &ok);
  if (!ok || address.trimmed().isEmpty()) return false;
  const WebResults results = DownloadResults(app_.Host(), app_.ProgramFolder(), lottery, address);
  if (results.cancelled) return false;
  if (!results.error.isEmpty()) {
    QMessageBox::warning(this, title, results.error);
    return false;
  }
  return ShowImportDialog(this, app_.Host(), app_.Model().HistoryFolder, {results.bytes, address.trimmed(), lottery});
}

}  // namespace tombolix
