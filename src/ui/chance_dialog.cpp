#include "ui/chance_dialog.h"

#include "combinations/chance_report.h"

#include <QMessageBox>
#include <QPushButton>

namespace tombolix {

void ShowChanceDialog(QWidget* parent, const ChanceBaseline& baseline) {
  QMessageBox box(parent);
  box.setWindowTitle(QStringLiteral("Tombolix - Comparar con el azar"));
  box.setIcon(QMessageBox::Information);
  box.setTextFormat(Qt::PlainText);
  box.setText(ChanceSentence(baseline, baseline.fromSelectors));
  // The table without its closing sentence, which is the box's own text.
  const QString table = ChanceTable(baseline).section(QLatin1Char('\n'), 0, 4);
  box.setInformativeText(QStringLiteral("<pre>") + table.toHtmlEscaped() +
                         QStringLiteral("</pre><p>Las listas al azar se prueban con la misma regla de aciertos, sobre "
                                        "los mismos sorteos. Cada franja contiene el 95 % de sus resultados.</p>"));
  box.addButton(QStringLiteral("Cerrar"), QMessageBox::AcceptRole);
  box.exec();
}

}  // namespace tombolix
