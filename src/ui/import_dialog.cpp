#include "ui/import_dialog.h"

#include "importer/history_writer.h"
#include "importer/import_analysis.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
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

class ImportDialog : public QDialog {
 public:
  ImportDialog(QWidget* parent, QString historyFolder);

  bool Written() const { return written_; }

 protected:
  void reject() override {
    cancelled_ = true;
    if (!busy_) QDialog::reject();
  }

 private:
  void Build();
  void BuildColumns(QFormLayout* form);
  void PickFile();
  void Analyse(bool guess);
  void ShowAnalysis();
  void FillColumnBoxes();
  void Import();
  ImportOptions ChosenOptions(bool guess) const;
  QString ColumnName(int column) const;

  QString historyFolder_;
  QByteArray bytes_;
  ImportAnalysis analysis_;
  bool busy_ = false;
  bool cancelled_ = false;
  bool filling_ = false;
  bool written_ = false;
  QLineEdit* file_ = nullptr;
  QComboBox* encoding_ = nullptr;
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

ImportDialog::ImportDialog(QWidget* parent, QString historyFolder)
    : QDialog(parent), historyFolder_(std::move(historyFolder)) {
  setWindowTitle(QStringLiteral("Tombolix - Importar historial"));
  setObjectName(QStringLiteral("ImportDialog"));
  Build();
  resize(760, 620);
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
  encoding_->addItems({QStringLiteral("UTF-8"), QStringLiteral("Windows-1252 (ANSI)")});
  form->addRow(QStringLiteral("Codificación:"), encoding_);
  BuildColumns(form);
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
  layout->addWidget(summary_);
  layout->addWidget(new QLabel(QStringLiteral("Problemas encontrados:"), this));
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

void ImportDialog::BuildColumns(QFormLayout* form) {
  dateBox_ = new QComboBox(inputs_);
  form->addRow(QStringLiteral("Columna de la fecha:"), dateBox_);
  auto* numbersRow = new QHBoxLayout;
  for (auto& box : numberBoxes_) {
    box = new QComboBox(inputs_);
    numbersRow->addWidget(box);
    connect(box, &QComboBox::currentIndexChanged, this, [this] { Analyse(false); });
  }
  form->addRow(QStringLiteral("Columnas de los números:"), numbersRow);
  connect(dateBox_, &QComboBox::currentIndexChanged, this, [this] { Analyse(false); });
}

void ImportDialog::PickFile() {
  const QString path =
      QFileDialog::getOpenFileName(this, QStringLiteral("Tombolix - Elegir archivo de resultados"), QString(),
                                   QStringLiteral("Resultados (*.csv *.txt *.tsv);;Todos (*)"));
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    QMessageBox::warning(this, QStringLiteral("Tombolix - Importar historial"),
                         QStringLiteral("No se pudo leer el archivo '%1'.").arg(QDir::toNativeSeparators(path)));
    return;
  }
  bytes_ = file.readAll();
  file_->setText(QDir::toNativeSeparators(path));
  name_->setText(QFileInfo(path).completeBaseName());
  Analyse(true);
}

ImportOptions ImportDialog::ChosenOptions(bool guess) const {
  ImportOptions options;
  options.encoding = encoding_->currentIndex() == 1 ? ImportEncoding::Windows1252 : ImportEncoding::Utf8;
  if (guess) return options;
  options.dateColumn = dateBox_->currentData().toInt();
  for (const QComboBox* box : numberBoxes_) {
    const int column = box->currentData().toInt();
    if (column >= 0) options.numberColumns.append(column);
  }
  // An empty choice would ask for the guess again: -1 says "none chosen".
  if (options.numberColumns.isEmpty()) options.numberColumns.append(-1);
  return options;
}

// With `guess` the importer chooses the columns and the boxes follow it;
// otherwise the boxes' choice is checked.
void ImportDialog::Analyse(bool guess) {
  if (filling_ || busy_ || file_->text().isEmpty()) return;
  const bool large = bytes_.size() > kLargeFile;
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
  ImportAnalysis result = AnalyseImport(bytes_, ChosenOptions(guess), step);
  busy_ = false;
  inputs_->setEnabled(true);
  progress_->hide();
  cancel_->hide();
  if (result.cancelled) {
    summary_->setText(QStringLiteral("Lectura cancelada."));
    return;
  }
  analysis_ = std::move(result);
  if (guess) FillColumnBoxes();
  ShowAnalysis();
}

QString ImportDialog::ColumnName(int column) const {
  const QString title = column < analysis_.header.size() ? analysis_.header[column] : QString();
  return title.isEmpty() ? QStringLiteral("Columna %1").arg(column + 1)
                         : QStringLiteral("%1: %2").arg(column + 1).arg(title);
}

void ImportDialog::FillColumnBoxes() {
  filling_ = true;
  dateBox_->clear();
  for (int c = 0; c < analysis_.columnCount; ++c) dateBox_->addItem(ColumnName(c), c);
  dateBox_->setCurrentIndex(std::max(analysis_.dateColumn, 0));
  for (int i = 0; i < kNumberBoxes; ++i) {
    QComboBox* box = numberBoxes_[static_cast<size_t>(i)];
    box->clear();
    box->addItem(QStringLiteral("(ninguna)"), -1);
    for (int c = 0; c < analysis_.columnCount; ++c) box->addItem(QString::number(c + 1), c);
    box->setCurrentIndex(i < analysis_.numberColumns.size() ? analysis_.numberColumns[i] + 1 : 0);
  }
  filling_ = false;
}

void ImportDialog::ShowAnalysis() {
  preview_->clear();
  preview_->setColumnCount(analysis_.columnCount);
  preview_->setRowCount(static_cast<int>(analysis_.preview.size()));
  QStringList titles;
  for (int c = 0; c < analysis_.columnCount; ++c) titles << ColumnName(c);
  preview_->setHorizontalHeaderLabels(titles);
  for (int r = 0; r < analysis_.preview.size(); ++r) {
    const QStringList& fields = analysis_.preview[r];
    for (int c = 0; c < fields.size() && c < analysis_.columnCount; ++c) {
      preview_->setItem(r, c, new QTableWidgetItem(fields[c]));
    }
  }
  preview_->resizeColumnsToContents();
  summary_->setText(LayoutSummary(analysis_));
  problems_->clear();
  for (const ImportProblem& problem : analysis_.problems) problems_->addItem(ProblemLine(problem));
  if (analysis_.problems.isEmpty()) problems_->addItem(QStringLiteral("Ninguno."));
  import_->setEnabled(!analysis_.HasErrors() && !analysis_.historyText.isEmpty());
}

void ImportDialog::Import() {
  if (busy_ || analysis_.HasErrors() || analysis_.historyText.isEmpty()) return;
  const QString title = QStringLiteral("Tombolix - Importar historial");
  const QString name = name_->text().trimmed();
  bool replace = false;
  if (!FindExistingHistory(historyFolder_, name).isEmpty()) {
    const auto answer = QMessageBox::question(
        this, title, QStringLiteral("Ya existe el historial «%1». ¿Reemplazarlo por el importado?").arg(name),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
    replace = true;
  }
  const WriteResult result = WriteImportedHistory(historyFolder_, name, analysis_.historyText,
                                                  replace ? WriteKind::Replace : WriteKind::New);
  if (result.status != WriteStatus::Written) {
    QMessageBox::warning(this, title, result.message);
    return;
  }
  QMessageBox::information(this, title,
                           QStringLiteral("Historial «%1» importado: %2 sorteos.\nPulse REINICIAR para verlo en la "
                                          "lista de loterías.")
                               .arg(name)
                               .arg(analysis_.drawCount));
  written_ = true;
  accept();
}

}  // namespace

bool ShowImportDialog(QWidget* parent, const QString& historyFolder) {
  ImportDialog dialog(parent, historyFolder);
  dialog.exec();
  return dialog.Written();
}

}  // namespace tombolix
