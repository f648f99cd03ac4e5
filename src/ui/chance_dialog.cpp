#include "ui/chance_dialog.h"

#include <QMessageBox>
#include <QPushButton>

namespace tombolix {

void ShowChanceResult(QWidget* parent, const QString& sentence, const QString& table, const QString& explanation) {
  QMessageBox box(parent);
  box.setWindowTitle(QStringLiteral("Tombolix - Comparar con el azar"));
  box.setIcon(QMessageBox::Information);
  box.setTextFormat(Qt::PlainText);
  box.setText(sentence);
  box.setInformativeText(QStringLiteral("<pre>") + table.toHtmlEscaped() + QStringLiteral("</pre><p>") + explanation +
                         QStringLiteral("</p>"));
  box.addButton(QStringLiteral("Cerrar"), QMessageBox::AcceptRole);
  box.exec();
}

void ShowChanceDialog(QWidget* parent, const QString& sentence, const QString& table) {
  ShowChanceResult(parent, sentence, table,
                   QStringLiteral("Las listas al azar se hacen como las del generador (sin números repetidos en las "
                                  "posiciones agrupadas ni combinaciones repetidas) y se prueban con la misma regla de "
                                  "aciertos, sobre los mismos sorteos. Cada franja contiene el 95 % central de sus "
                                  "resultados. La prueba en sorteos nuevos juzga el método: una lista hecha sin ver "
                                  "los últimos 100 sorteos. Un resultado mejor que el azar en sorteos pasados no "
                                  "promete nada para el próximo."));
}

}  // namespace tombolix
