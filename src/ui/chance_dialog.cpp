#include "ui/chance_dialog.h"

#include <QMessageBox>
#include <QPushButton>

namespace tombolix {

void ShowChanceDialog(QWidget* parent, const QString& sentence, const QString& table) {
  QMessageBox box(parent);
  box.setWindowTitle(QStringLiteral("Tombolix - Comparar con el azar"));
  box.setIcon(QMessageBox::Information);
  box.setTextFormat(Qt::PlainText);
  box.setText(sentence);
  box.setInformativeText(QStringLiteral("<pre>") + table.toHtmlEscaped() +
                         QStringLiteral("</pre><p>Las listas al azar se prueban con la misma regla de aciertos, sobre "
                                        "los mismos sorteos. Cada franja contiene el 95 % de sus resultados.</p>"));
  box.addButton(QStringLiteral("Cerrar"), QMessageBox::AcceptRole);
  box.exec();
}

}  // namespace tombolix
