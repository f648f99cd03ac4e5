#include "ui/tickets_window.h"

#include "app/tickets_flow.h"
#include "ui/report_export_actions.h"
#include "ui/report_pane_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

namespace tombolix {

namespace {

class TicketsWindow : public QDialog {
 public:
  TicketsWindow(QWidget* parent, const TicketsRequest& request);

 private:
  QGroupBox* BuildShapeBox();
  QWidget* BuildButtons();
  void ShowOptions(const TicketsOptions& options);
  TicketsOptions ReadOptions() const;
  void UpdateExtras();
  void Check();
  void OpenFile();
  QString Title() const { return QStringLiteral("Comprobar jugadas - ") + request_.lottery; }

  TicketsRequest request_;
  ReportText report_;
  QComboBox* kind_ = nullptr;
  QSpinBox* mainCount_ = nullptr;
  QSpinBox* mainLow_ = nullptr;
  QSpinBox* mainHigh_ = nullptr;
  QLabel* extraCount_ = nullptr;
  QSpinBox* extraLow_ = nullptr;
  QSpinBox* extraHigh_ = nullptr;
  QCheckBox* fromMainPool_ = nullptr;
  QComboBox* rule_ = nullptr;
  QSpinBox* threshold_ = nullptr;
  QPlainTextEdit* tickets_ = nullptr;
  ReportPaneView* view_ = nullptr;
  QLabel* status_ = nullptr;
};

QSpinBox* NumberBox(int low, int high) {
  auto* box = new QSpinBox;
  box->setRange(low, high);
  return box;
}

// "low al high": the two boxes of a range of numbers.
QHBoxLayout* Range(QSpinBox* low, QSpinBox* high) {
  auto* range = new QHBoxLayout;
  range->addWidget(low);
  range->addWidget(new QLabel(QStringLiteral("al")));
  range->addWidget(high);
  return range;
}

TicketsWindow::TicketsWindow(QWidget* parent, const TicketsRequest& request) : QDialog(parent), request_(request) {
  setObjectName(QStringLiteral("TicketsWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Tombolix - ") + Title());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildShapeBox());

  auto* splitter = new QSplitter(Qt::Horizontal);
  auto* left = new QWidget;
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(new QLabel(QStringLiteral("Jugadas, una por línea:")));
  tickets_ = new QPlainTextEdit;
  tickets_->setObjectName(QStringLiteral("TicketsText"));
  tickets_->setPlaceholderText(QStringLiteral("03 11 12 14 41 43\n5, 18, 22, 30, 41\n0-4-2-7"));
  tickets_->setPlainText(request.text);
  leftLayout->addWidget(tickets_);
  auto* leftButtons = new QHBoxLayout;
  auto* open = new QPushButton(QStringLiteral("Abrir archivo…"));
  open->setAutoDefault(false);
  connect(open, &QPushButton::clicked, this, [this] { OpenFile(); });
  auto* check = new QPushButton(QStringLiteral("Comprobar"));
  check->setObjectName(QStringLiteral("CheckButton"));
  check->setToolTip(QStringLiteral("Ctrl+Intro"));
  // Intro in the shape's boxes checks again; in the tickets it starts a new line.
  check->setDefault(true);
  connect(check, &QPushButton::clicked, this, [this] { Check(); });
  leftButtons->addWidget(open);
  leftButtons->addStretch();
  leftButtons->addWidget(check);
  leftLayout->addLayout(leftButtons);
  splitter->addWidget(left);
  view_ = new ReportPaneView;
  view_->setObjectName(QStringLiteral("TicketsReport"));
  // The report's columns line up only unwrapped.
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  splitter->addWidget(view_);
  splitter->setStretchFactor(1, 3);
  layout->addWidget(splitter, 1);
  layout->addWidget(BuildButtons());

  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), this);
  connect(shortcut, &QShortcut::activated, this, [this] { Check(); });
  ShowOptions(TicketsOptionsFor(request_));
  resize(1100, 700);
  tickets_->setFocus();
  if (!request.text.trimmed().isEmpty()) Check();
}

QGroupBox* TicketsWindow::BuildShapeBox() {
  auto* box =
      new QGroupBox(QStringLiteral("Juego (%1 números por sorteo; la forma se adivina del historial: compruébela)")
                        .arg(request_.history.PositionCount));
  auto* grid = new QGridLayout(box);
  kind_ = new QComboBox;
  kind_->addItems({QStringLiteral("Bombo: números distintos"), QStringLiteral("Cifras: una por posición")});
  mainCount_ = NumberBox(1, request_.history.PositionCount);
  mainLow_ = NumberBox(0, 99);
  mainHigh_ = NumberBox(0, 99);
  extraCount_ = new QLabel;
  extraLow_ = NumberBox(0, 99);
  extraHigh_ = NumberBox(0, 99);
  fromMainPool_ = new QCheckBox(QStringLiteral("salen del mismo bombo (complementario)"));
  rule_ = new QComboBox;
  rule_->addItems({QStringLiteral("En cualquier orden"), QStringLiteral("En su posición")});
  threshold_ = NumberBox(1, request_.history.PositionCount);
  int row = 0;
  grid->addWidget(new QLabel(QStringLiteral("Tipo:")), row, 0);
  grid->addWidget(kind_, row, 1, 1, 3);
  grid->addWidget(new QLabel(QStringLiteral("Regla:")), row, 4);
  grid->addWidget(rule_, row, 5);
  ++row;
  grid->addWidget(new QLabel(QStringLiteral("Números principales:")), row, 0);
  grid->addWidget(mainCount_, row, 1);
  grid->addWidget(new QLabel(QStringLiteral("del")), row, 2);
  grid->addLayout(Range(mainLow_, mainHigh_), row, 3);
  grid->addWidget(new QLabel(QStringLiteral("Premio desde:")), row, 4);
  auto* prize = new QHBoxLayout;
  prize->addWidget(threshold_);
  prize->addWidget(new QLabel(QStringLiteral("aciertos")));
  grid->addLayout(prize, row, 5);
  ++row;
  grid->addWidget(new QLabel(QStringLiteral("Números extra:")), row, 0);
  grid->addWidget(extraCount_, row, 1);
  grid->addWidget(new QLabel(QStringLiteral("del")), row, 2);
  grid->addLayout(Range(extraLow_, extraHigh_), row, 3);
  grid->addWidget(fromMainPool_, row, 4, 1, 2);
  grid->setColumnStretch(6, 1);
  connect(mainCount_, &QSpinBox::valueChanged, this, [this] { UpdateExtras(); });
  connect(kind_, &QComboBox::currentIndexChanged, this, [this] { UpdateExtras(); });
  connect(fromMainPool_, &QCheckBox::toggled, this, [this] { UpdateExtras(); });
  return box;
}

QWidget* TicketsWindow::BuildButtons() {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("TicketsStatus"));
  layout->addWidget(status_, 1);
  const QString name =
      request_.lottery.isEmpty() ? QStringLiteral("Jugadas") : QStringLiteral("Jugadas ") + request_.lottery;
  const auto add = [this, layout](const QString& text, auto action) {
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    layout->addWidget(button);
  };
  add(QStringLiteral("Copiar"), [this] { CopyReportPart(report_, 0, report_.Length()); });
  add(QStringLiteral("Guardar como HTML…"),
      [this, name] { SaveReportAsHtml(this, report_, Title(), name + QStringLiteral(".html")); });
  add(QStringLiteral("Guardar como PDF…"),
      [this, name] { SaveReportAsPdf(this, report_, Title(), name + QStringLiteral(".pdf")); });
  add(QStringLiteral("Imprimir…"), [this] { PrintReport(this, report_, Title()); });
  add(QStringLiteral("Cerrar"), [this] { close(); });
  return row;
}

void TicketsWindow::ShowOptions(const TicketsOptions& o) {
  kind_->setCurrentIndex(o.shape.kind == GameKind::Digits ? 1 : 0);
  mainCount_->setValue(o.shape.mainCount);
  mainLow_->setValue(o.shape.mainLow);
  mainHigh_->setValue(o.shape.mainHigh);
  extraLow_->setValue(o.shape.extraLow);
  extraHigh_->setValue(o.shape.extraHigh);
  fromMainPool_->setChecked(o.shape.extraFromMainPool);
  rule_->setCurrentIndex(o.rule == MatchRule::InPosition ? 1 : 0);
  threshold_->setValue(o.threshold);
  UpdateExtras();
}

// The extra balls are the positions the main numbers leave.
void TicketsWindow::UpdateExtras() {
  const int extras = request_.history.PositionCount - mainCount_->value();
  extraCount_->setText(QString::number(extras));
  const bool pool = kind_->currentIndex() == 0;
  fromMainPool_->setEnabled(pool && extras > 0);
  extraLow_->setEnabled(pool && extras > 0 && !fromMainPool_->isChecked());
  extraHigh_->setEnabled(extraLow_->isEnabled());
  threshold_->setMaximum(mainCount_->value());
}

TicketsOptions TicketsWindow::ReadOptions() const {
  TicketsOptions o;
  o.shape.kind = kind_->currentIndex() == 1 ? GameKind::Digits : GameKind::Pool;
  o.shape.mainCount = mainCount_->value();
  o.shape.mainLow = mainLow_->value();
  o.shape.mainHigh = mainHigh_->value();
  o.shape.extraCount = request_.history.PositionCount - o.shape.mainCount;
  o.shape.extraFromMainPool = fromMainPool_->isChecked();
  o.shape.extraLow = o.shape.extraFromMainPool ? o.shape.mainLow : extraLow_->value();
  o.shape.extraHigh = o.shape.extraFromMainPool ? o.shape.mainHigh : extraHigh_->value();
  o.rule = rule_->currentIndex() == 1 ? MatchRule::InPosition : MatchRule::AnyOrder;
  o.threshold = threshold_->value();
  return o;
}

void TicketsWindow::Check() {
  const TicketsOptions options = ReadOptions();
  const TicketsRun run = RunTicketsCheck(request_, options, tickets_->toPlainText());
  if (!run.problem.isEmpty()) {
    QMessageBox::warning(this, QStringLiteral("Tombolix - Comprobar jugadas"),
                         QStringLiteral("La forma del juego no sirve: %1.").arg(run.problem));
    return;
  }
  RememberTicketsOptions(request_, options);
  report_ = run.outcome.report;
  view_->Draw(report_);
  const int bad = static_cast<int>(run.outcome.errors.size());
  QString status = run.outcome.checked == 1 ? QStringLiteral("1 jugada comprobada.")
                                            : QStringLiteral("%1 jugadas comprobadas.").arg(run.outcome.checked);
  if (bad > 0) {
    status += QStringLiteral(" %1 %2 de este juego: vea el final del informe.")
                  .arg(bad)
                  .arg(bad == 1 ? QStringLiteral("línea no es una jugada") : QStringLiteral("líneas no son jugadas"));
  }
  status_->setText(status);
}

void TicketsWindow::OpenFile() {
  const QString path =
      QFileDialog::getOpenFileName(this, QStringLiteral("Abrir jugadas"), request_.historyFolder,
                                   QStringLiteral("Jugadas (*.txt *.csv *.cmb *.CMB);;Todos los archivos (*)"));
  if (path.isEmpty()) return;
  const TicketsFileText file = ReadTicketsFile(path, request_.history.PositionCount, ReadOptions().shape);
  if (!file.error.isEmpty()) {
    QMessageBox::warning(this, QStringLiteral("Tombolix - Comprobar jugadas"), file.error);
    return;
  }
  tickets_->setPlainText(file.text);
  Check();
}

}  // namespace

QWidget* OpenTicketsWindow(QWidget* parent, const TicketsRequest& request) {
  auto* window = new TicketsWindow(parent, request);
  window->show();
  window->activateWindow();
  return window;
}

}  // namespace tombolix
