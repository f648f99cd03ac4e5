#include "ui/wheel_dialog.h"

#include "app/platform.h"
#include "app/tombolix_app.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace tombolix {

namespace {

const QString kTitle = QStringLiteral("Tombolix - Reducciones");
constexpr int kGridColumns = 10;

QString NumberText(std::vector<int> numbers) {
  std::sort(numbers.begin(), numbers.end());
  QStringList items;
  for (const int n : numbers) items.append(TwoDigits(n));
  return items.join(QLatin1Char(' '));
}

QSpinBox* Spin(int low, int high, int value) {
  auto* box = new QSpinBox;
  box->setRange(low, high);
  box->setValue(value);
  return box;
}

}  // namespace

WheelDialog::WheelDialog(QWidget* parent, TombolixApp& app, TicketCheckHandOver sendToTicketCheck)
    : QDialog(parent), flow_(app.Model(), app.Host()), sendToTicketCheck_(std::move(sendToTicketCheck)) {
  setWindowTitle(kTitle);
  setObjectName(QStringLiteral("WheelDialog"));
  auto* layout = new QVBoxLayout(this);
  const PoolGame game = flow_.Game().value_or(PoolGame{6, 1, 49});
  layout->addWidget(new QLabel(QStringLiteral("En esta lotería salen %1 números del %2 al %3. Elija de %4 a %5 "
                                              "números en la cuadrícula o escríbalos.")
                                   .arg(game.drawn)
                                   .arg(TwoDigits(game.low), TwoDigits(game.high))
                                   .arg(kMinChosen)
                                   .arg(kMaxChosen)));
  layout->addWidget(BuildGrid());
  layout->addWidget(BuildSettings());
  progress_ = new QProgressBar;
  progress_->setRange(0, 100);
  progress_->setValue(0);
  layout->addWidget(progress_);
  result_ = new QPlainTextEdit;
  result_->setObjectName(QStringLiteral("WheelResult"));
  result_->setReadOnly(true);
  result_->setMinimumHeight(220);
  layout->addWidget(result_, 1);

  auto* buttons = new QHBoxLayout;
  calculate_ = new QPushButton(QStringLiteral("Calcular"));
  cancel_ = new QPushButton(QStringLiteral("Cancelar"));
  save_ = new QPushButton(QStringLiteral("Guardar…"));
  print_ = new QPushButton(QStringLiteral("Imprimir…"));
  send_ = new QPushButton(QStringLiteral("Enviar a «Comprobar jugadas…»"));
  auto* close = new QPushButton(QStringLiteral("Cerrar"));
  for (QPushButton* b : {calculate_, cancel_, save_, print_, send_, close}) buttons->addWidget(b);
  layout->addLayout(buttons);
  calculate_->setDefault(true);
  connect(calculate_, &QPushButton::clicked, this, [this] { Calculate(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelRequested_ = true; });
  connect(save_, &QPushButton::clicked, this, [this] { Save(); });
  connect(print_, &QPushButton::clicked, this, [this] { Print(); });
  connect(send_, &QPushButton::clicked, this, [this] {
    if (!outcome_ || !outcome_->Verified() || !sendToTicketCheck_) return;
    // The checker opens once this dialog has closed: one window at a time.
    sendToTicketCheck_(WheelTicketLines(*outcome_));
    accept();
  });
  send_->setVisible(static_cast<bool>(sendToTicketCheck_));
  connect(close, &QPushButton::clicked, this, [this] { reject(); });
  SetRunning(false);
}

QWidget* WheelDialog::BuildGrid() {
  auto* grid = new QWidget;
  auto* layout = new QGridLayout(grid);
  layout->setSpacing(2);
  const PoolGame game = flow_.Game().value_or(PoolGame{6, 1, 49});
  for (int n = game.low; n <= game.high; ++n) {
    auto* button = new QPushButton(TwoDigits(n));
    button->setCheckable(true);
    button->setFixedWidth(36);
    button->setFocusPolicy(Qt::NoFocus);
    const int index = n - game.low;
    layout->addWidget(button, index / kGridColumns, index % kGridColumns);
    connect(button, &QPushButton::toggled, this, [this, n](bool on) { ToggleNumber(n, on); });
    numberButtons_.push_back(button);
  }
  return grid;
}

QWidget* WheelDialog::BuildSettings() {
  auto* box = new QWidget;
  auto* form = new QFormLayout(box);
  chosen_ = new QLineEdit;
  chosen_->setObjectName(QStringLiteral("WheelChosen"));
  chosen_->setPlaceholderText(QStringLiteral("por ejemplo: 03 07 12 19 22 28 31 36 40 44"));
  connect(chosen_, &QLineEdit::textEdited, this, [this] { SyncGrid(); });
  form->addRow(QStringLiteral("Números elegidos:"), chosen_);
  fixed_ = new QLineEdit;
  fixed_->setPlaceholderText(QStringLiteral("opcional: números que van en todas las jugadas"));
  form->addRow(QStringLiteral("Números fijos:"), fixed_);
  const int drawn = flow_.Game() ? flow_.Game()->drawn : 6;
  ticketSize_ = Spin(1, kMaxChosen - 1, flow_.DefaultTicketSize());
  form->addRow(QStringLiteral("Números por jugada:"), ticketSize_);
  auto* guarantee = new QWidget;
  auto* row = new QHBoxLayout(guarantee);
  row->setContentsMargins(0, 0, 0, 0);
  hits_ = Spin(1, kMaxChosen, std::min(3, drawn));
  drawn_ = Spin(1, drawn, std::min(3, drawn));
  row->addWidget(hits_);
  row->addWidget(new QLabel(QStringLiteral("aciertos si salen")));
  row->addWidget(drawn_);
  row->addWidget(new QLabel(QStringLiteral("de los elegidos")));
  row->addStretch();
  form->addRow(QStringLiteral("Garantía:"), guarantee);
  seconds_ = Spin(1, kMaxSeconds, 3);
  seconds_->setSuffix(QStringLiteral(" s"));
  form->addRow(QStringLiteral("Tiempo de búsqueda:"), seconds_);
  seed_ = Spin(0, 999999, 1);
  form->addRow(QStringLiteral("Semilla:"), seed_);
  return box;
}

// The grid shows the numbers typed.
void WheelDialog::SyncGrid() {
  const std::vector<int> numbers = ParseNumberList(chosen_->text()).value_or(std::vector<int>{});
  const int low = flow_.Game() ? flow_.Game()->low : 1;
  for (size_t i = 0; i < numberButtons_.size(); ++i) {
    const QSignalBlocker quiet(numberButtons_[i]);
    numberButtons_[i]->setChecked(std::find(numbers.begin(), numbers.end(), low + static_cast<int>(i)) !=
                                  numbers.end());
  }
}

// A click on the grid adds the number to the typed ones or takes it out.
void WheelDialog::ToggleNumber(int number, bool on) {
  std::vector<int> numbers = ParseNumberList(chosen_->text()).value_or(std::vector<int>{});
  std::erase(numbers, number);
  if (on) numbers.push_back(number);
  chosen_->setText(NumberText(numbers));
}

void WheelDialog::SetRunning(bool running) {
  running_ = running;
  for (QWidget* w :
       std::initializer_list<QWidget*>{chosen_, fixed_, ticketSize_, hits_, drawn_, seconds_, seed_, calculate_}) {
    w->setEnabled(!running);
  }
  for (QPushButton* b : numberButtons_) b->setEnabled(!running);
  cancel_->setEnabled(running);
  const bool shown = !running && outcome_ && outcome_->Verified();
  save_->setEnabled(shown);
  print_->setEnabled(shown);
  send_->setEnabled(shown);
}

void WheelDialog::Calculate() {
  const std::optional<std::vector<int>> chosen = ParseNumberList(chosen_->text());
  const std::optional<std::vector<int>> fixed = ParseNumberList(fixed_->text());
  if (!chosen || !fixed) {
    QMessageBox::information(this, kTitle, QStringLiteral("Escriba los números separados por espacios o comas."));
    return;
  }
  WheelRequest request;
  request.chosen = *chosen;
  request.fixed = *fixed;
  request.ticketSize = ticketSize_->value();
  request.hits = hits_->value();
  request.drawnAmongChosen = drawn_->value();
  request.seconds = seconds_->value();
  request.seed = static_cast<quint32>(seed_->value());
  const QString problem = flow_.Problem(request);
  if (!problem.isEmpty()) {
    QMessageBox::information(this, kTitle, problem);
    return;
  }
  outcome_.reset();
  result_->setPlainText(QStringLiteral("Buscando…"));
  cancelRequested_ = false;
  SetRunning(true);
  outcome_ = flow_.Build(request, [this](int percent) {
    progress_->setValue(percent);
    return !cancelRequested_;
  });
  progress_->setValue(outcome_ && !outcome_->search.cancelled ? 100 : 0);
  SetRunning(false);
  ShowOutcome();
}

void WheelDialog::ShowOutcome() {
  if (!outcome_) {
    result_->clear();
    return;
  }
  QString text = WheelSummary(*outcome_);
  const QStringList lines = WheelTicketLines(*outcome_);
  if (!lines.isEmpty()) text += QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
  result_->setPlainText(text);
}

void WheelDialog::Save() {
  if (!outcome_ || !outcome_->Verified()) return;
  QString filter;
  QString path =
      QFileDialog::getSaveFileName(this, QStringLiteral("Guardar las jugadas"), QStringLiteral("Reduccion.txt"),
                                   QStringLiteral("Texto (*.txt);;CSV (*.csv)"), &filter);
  if (path.isEmpty()) return;
  const bool csv = filter.contains(QStringLiteral("csv"));
  if (!path.contains(QLatin1Char('.'))) path += csv ? QStringLiteral(".csv") : QStringLiteral(".txt");
  const QString error = WheelFlow::Save(*outcome_, path);
  if (!error.isEmpty()) QMessageBox::warning(this, kTitle, error);
}

void WheelDialog::Print() {
  if (!outcome_ || !outcome_->Verified()) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(kTitle);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  QTextDocument document(result_->toPlainText());
  document.print(&printer);
}

void WheelDialog::reject() {
  if (running_) {
    cancelRequested_ = true;
    return;
  }
  QDialog::reject();
}

void ShowWheelDialog(QWidget* parent, TombolixApp& app, TicketCheckHandOver sendToTicketCheck) {
  if (app.Model().busy) return;
  const WheelFlow flow(app.Model(), app.Host());
  if (!flow.GameProblem().isEmpty()) {
    app.Host().ShowMessage(flow.GameProblem(), kTitle, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
    return;
  }
  WheelDialog dialog(parent, app, std::move(sendToTicketCheck));
  dialog.exec();
}

}  // namespace tombolix
