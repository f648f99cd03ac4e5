#include "ui/import_dialog.h"

#include "app/import_flow.h"
#include "importer/text_decoding.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace tombolix {

namespace {

// Files above this size show the progress bar and its Cancel button.
constexpr qsizetype kLargeFile = 1 << 20;
constexpr int kNumberBoxes = 7;
const QString kTitle = QStringLiteral("Tombolix - Importar historial");

class ImportDialog : public QDialog {
 public:
  ImportDialog(QWidget* parent, Platform& platform, QString historyFolder);

  bool Written() const { return written_; }
  void Preset(const ImportPreset& preset);

 protected:
  void reject() override {
    cancelled_ = true;
    if (!busy_) QDialog::reject();
  }

 private:
  void Build();
  void BuildChoices(QFormLayout* form);
  void PickFile();
  void Analyse(bool guess);
  void ShowAnalysis();
  void FillColumnBoxes();
  void Import();
  ImportOptions ChosenOptions(bool guess) const;
  QString ColumnName(int column) const;

  Platform& platform_;
  QString historyFolder_;
  ImportSession session_;
  bool busy_ = false;
  bool cancelled_ = false;
  bool filling_ = false;
  bool written_ = false;
  qsizetype size_ = 0;
  QLineEdit* file_ = nullptr;
  QComboBox* encoding_ = nullptr;
  QComboBox* dateOrder_ = nullptr;
  QTableWidget* preview_ = nullptr;
  QComboBox* dateBox_ = nullptr;
  std::array<QComboBox*, kNumberBoxes> numberBoxes_{};
  QLineEdit* name_ = nullptr;
  QLabel* summary_ = nullptr;
  QListWidget* problems_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* import_ = nullptr;
  QWidget* inputs_ = nullptr;
};

ImportDialog::ImportDialog(QWidget* parent, Platform& platform, QString historyFolder)
    : QDialog(parent), platform_(platform), historyFolder_(std::move(historyFolder)), session_(&platform) {
  setWindowTitle(kTitle);
  setObjectName(QStringLiteral("ImportDialog"));
  Build();
  resize(860, 680);
}

void ImportDialog::Build() {
  auto* layout = new QVBoxLayout(this);
  inputs_ = new QWidget(this);
  auto* form = new QFormLayout(inputs_);
  form->setContentsMargins(0, 0, 0, 0);
  auto* fileRow = new QHBoxLayout;
  file_ = new QLineEdit(inputs_);
  file_->setReadOnly(true);
  auto* browse = new QPushButton(QStringLiteral("Examinar…"), inputs_);
  fileRow->addWidget(file_);
  fileRow->addWidget(browse);
  form->addRow(QStringLiteral("Archivo de resultados:"), fileRow);
  encoding_ = new QComboBox(inputs_);
  encoding_->addItem(QStringLiteral("Automática"), int(ImportEncoding::Auto));
  for (const ImportEncoding e : {ImportEncoding::Utf8, ImportEncoding::Windows1252, ImportEncoding::Utf16LE,
                                 ImportEncoding::Utf16BE}) {
    encoding_->addItem(EncodingName(e), int(e));
  }
  form->addRow(QStringLiteral("Codificación:"), encoding_);
  BuildChoices(form);
  name_ = new QLineEdit(inputs_);
  form->addRow(QStringLiteral("Nombre de la lotería:"), name_);
  layout->addWidget(inputs_);

  preview_ = new QTableWidget(this);
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->verticalHeader()->hide();
  layout->addWidget(new QLabel(QStringLiteral("Primeras filas del archivo:"), this));
  layout->addWidget(preview_, 3);
  summary_ = new QLabel(this);
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(summary_);
  layout->addWidget(new QLabel(QStringLiteral("Problemas encontrados (primero los errores):"), this));
  problems_ = new QListWidget(this);
  layout->addWidget(problems_, 2);

  auto* progressRow = new QHBoxLayout;
  progress_ = new QProgressBar(this);
  cancel_ = new QPushButton(QStringLiteral("Cancelar"), this);
  progressRow->addWidget(progress_);
  progressRow->addWidget(cancel_);
  layout->addLayout(progressRow);
  progress_->hide();
  cancel_->hide();

  auto* buttons = new QDialogButtonBox(this);
  import_ = buttons->addButton(QStringLiteral("Importar"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
  import_->setEnabled(false);
  layout->addWidget(buttons);

  connect(browse, &QPushButton::clicked, this, [this] { PickFile(); });
  connect(encoding_, &QComboBox::currentIndexChanged, this, [this] { Analyse(true); });
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { Import(); });
  connect(buttons, &QDialogButtonBox::rejected, this, [this] { reject(); });
}

void ImportDialog::BuildChoices(QFormLayout* form) {
  auto* dateRow = new QHBoxLayout;
  dateBox_ = new QComboBox(inputs_);
  dateBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  dateOrder_ = new QComboBox(inputs_);
  dateOrder_->addItem(QStringLiteral("Orden: automático"), 0);
  dateOrder_->addItem(QStringLiteral("día/mes/año"), int(DateOrder::DayMonthYear));
  dateOrder_->addItem(QStringLiteral("mes/día/año"), int(DateOrder::MonthDayYear));
  dateOrder_->addItem(QStringLiteral("año/mes/día"), int(DateOrder::YearMonthDay));
  dateRow->addWidget(dateBox_, 1);
  dateRow->addWidget(dateOrder_);
  form->addRow(QStringLiteral("Columna de la fecha:"), dateRow);
  auto* numbersRow = new QHBoxLayout;
  for (auto& box : numberBoxes_) {
    box = new QComboBox(inputs_);
    // Wide enough for "(ninguna)" and a two-digit column.
    box->setMinimumContentsLength(9);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    numbersRow->addWidget(box);
    connect(box, &QComboBox::currentIndexChanged, this, [this] { Analyse(false); });
  }
  form->addRow(QStringLiteral("Columnas de los números:"), numbersRow);
  connect(dateBox_, &QComboBox::currentIndexChanged, this, [this] { Analyse(false); });
  connect(dateOrder_, &QComboBox::currentIndexChanged, this, [this] { Analyse(false); });
}

void ImportDialog::Preset(const ImportPreset& preset) {
  if (preset.bytes.isEmpty()) return;
  file_->setText(preset.source);
  name_->setText(preset.lottery);
  size_ = preset.bytes.size();
  if (!session_.SetBytes(preset.bytes)) {
    summary_->setText(session_.Error());
    return;
  }
  Analyse(true);
}

void ImportDialog::PickFile() {
  const QString path =
      QFileDialog::getOpenFileName(this, QStringLiteral("Tombolix - Elegir archivo de resultados"), QString(),
                                   QStringLiteral("Resultados (*.csv *.txt *.tsv *.dat);;Todos los archivos (*)"));
  if (path.isEmpty()) return;
  file_->setText(QDir::toNativeSeparators(path));
  name_->setText(QFileInfo(path).completeBaseName());
  size_ = QFileInfo(path).size();
  problems_->clear();
  preview_->clear();
  import_->setEnabled(false);
  if (!session_.Load(path)) {
    summary_->setText(session_.Error());
    QMessageBox::warning(this, kTitle, session_.Error());
    return;
  }
  Analyse(true);
}

ImportOptions ImportDialog::ChosenOptions(bool guess) const {
  ImportOptions options;
  options.encoding = static_cast<ImportEncoding>(encoding_->currentData().toInt());
  if (const int order = dateOrder_->currentData().toInt(); order != 0) options.dateOrder = static_cast<DateOrder>(order);
  if (guess) return options;
  options.dateColumn = dateBox_->currentData().toInt();
  for (const QComboBox* box : numberBoxes_) {
    const int column = box->currentData().toInt();
    if (column >= 0) options.numberColumns.append(column);
  }
  return options;
}

// With `guess` the importer chooses the columns and the boxes follow it;
// otherwise the boxes' choice is used.
void ImportDialog::Analyse(bool guess) {
  if (filling_ || busy_ || !session_.HasBytes()) return;
  const bool large = size_ > kLargeFile;
  busy_ = true;
  cancelled_ = false;
  inputs_->setEnabled(false);
  import_->setEnabled(false);
  progress_->setVisible(large);
  cancel_->setVisible(large);
  progress_->setValue(0);
  const ImportProgress step = [this, large](int percent) {
    if (large) {
      progress_->setValue(percent);
      QApplication::processEvents();
    }
    return !cancelled_;
  };
  const ImportAnalysis& result = session_.Analyse(ChosenOptions(guess), step);
  busy_ = false;
  inputs_->setEnabled(true);
  progress_->hide();
  cancel_->hide();
  if (result.cancelled) {
    summary_->setText(QStringLiteral("Lectura cancelada."));
    return;
  }
  if (guess) FillColumnBoxes();
  ShowAnalysis();
}

QString ImportDialog::ColumnName(int column) const {
  const QStringList& header = session_.Analysis().header;
  const QString title = column < header.size() ? header[column] : QString();
  return title.isEmpty() ? QStringLiteral("Columna %1").arg(column + 1) : QStringLiteral("%1: %2").arg(column + 1).arg(title);
}

void ImportDialog::FillColumnBoxes() {
  const ImportAnalysis& a = session_.Analysis();
  filling_ = true;
  dateBox_->clear();
  for (int c = 0; c < a.columnCount; ++c) dateBox_->addItem(ColumnName(c), c);
  dateBox_->setCurrentIndex(std::max(a.dateColumn, 0));
  for (int i = 0; i < kNumberBoxes; ++i) {
    QComboBox* box = numberBoxes_[static_cast<size_t>(i)];
    box->clear();
    box->addItem(QStringLiteral("(ninguna)"), -1);
    for (int c = 0; c < a.columnCount; ++c) box->addItem(QString::number(c + 1), c);
    box->setCurrentIndex(i < a.numberColumns.size() ? a.numberColumns[i] + 1 : 0);
  }
  filling_ = false;
}

void ImportDialog::ShowAnalysis() {
  const ImportAnalysis& a = session_.Analysis();
  preview_->clear();
  preview_->setColumnCount(a.columnCount);
  preview_->setRowCount(static_cast<int>(a.preview.size()));
  QStringList titles;
  for (int c = 0; c < a.columnCount; ++c) titles << ColumnName(c);
  preview_->setHorizontalHeaderLabels(titles);
  for (int r = 0; r < a.preview.size(); ++r) {
    const QStringList& fields = a.preview[r];
    for (int c = 0; c < fields.size() && c < a.columnCount; ++c) preview_->setItem(r, c, new QTableWidgetItem(fields[c]));
  }
  preview_->resizeColumnsToContents();
  QString summary = LayoutSummary(a).join(QLatin1Char('\n'));
  if (encoding_->currentIndex() == 0) encoding_->setItemText(0, QStringLiteral("Automática (%1)").arg(EncodingName(a.encoding)));
  if (a.dateOrderAsked) summary += QStringLiteral("\nElija el orden de las fechas junto a la columna de la fecha.");
  summary_->setText(summary);
  problems_->clear();
  for (const ImportProblem& problem : a.problems) {
    auto* item = new QListWidgetItem(ProblemLine(problem), problems_);
    if (problem.error) item->setForeground(QColor(192, 0, 0));
  }
  if (a.problems.isEmpty()) problems_->addItem(QStringLiteral("Ninguno."));
  import_->setEnabled(!a.HasErrors() && !a.historyText.isEmpty());
}

void ImportDialog::Import() {
  if (busy_ || !import_->isEnabled()) return;
  ImportRequest request;
  request.folder = historyFolder_;
  request.name = name_->text().trimmed();
  request.target = ImportTarget::Ask;
  const ImportOutcome outcome = session_.Commit(request);
  QString text = outcome.message;
  if (!outcome.details.isEmpty()) text += QLatin1String("\n\n") + outcome.details.mid(0, 20).join(QLatin1Char('\n'));
  switch (outcome.status) {
    case ImportStatus::Cancelled:
      return;
    case ImportStatus::Written:
    case ImportStatus::Appended:
      written_ = true;
      QMessageBox::information(this, kTitle, text + QStringLiteral("\nPulse REINICIAR para ver los cambios en la lista de loterías."));
      accept();
      return;
    case ImportStatus::NothingNew:
      QMessageBox::information(this, kTitle, text);
      return;
    default:
      QMessageBox::warning(this, kTitle, text);
      return;
  }
}

}  // namespace

bool ShowImportDialog(QWidget* parent, Platform& platform, const QString& historyFolder, const ImportPreset& preset) {
  ImportDialog dialog(parent, platform, historyFolder);
  dialog.Preset(preset);
  dialog.exec();
  return dialog.Written();
}

}  // namespace tombolix
