#include "ui/chance_dialog.h"

#include "combinations/chance_report.h"
#include "ui/fonts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tombolix {

void ShowChanceDialog(QWidget* parent, const ChanceBaseline& baseline) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Tombolix - Comparar con el azar"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* sentence = new QLabel(ChanceSentence(baseline, baseline.fromSelectors), &dialog);
  sentence->setWordWrap(true);
  QFont bold = sentence->font();
  bold.setBold(true);
  sentence->setFont(bold);
  auto* table = new QLabel(ChanceTable(baseline).section(QLatin1Char('\n'), 0, 4), &dialog);
  table->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  table->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* note =
      new QLabel(QStringLiteral("Las listas al azar se prueban con la misma regla de aciertos, sobre los mismos "
                                "sorteos. La franja contiene el 95 % de sus resultados."),
                 &dialog);
  note->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Cerrar"));
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(sentence);
  layout->addWidget(table);
  layout->addWidget(note);
  layout->addWidget(buttons);
  dialog.exec();
}

}  // namespace tombolix
