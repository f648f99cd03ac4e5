#pragma once

#include <QString>

class QWidget;

namespace tombolix {

// "Importar historial…": picks a downloaded results file, shows what was
// recognised and what is wrong, and writes the history into `historyFolder`.
// Modal; true when a history was written.
bool ShowImportDialog(QWidget* parent, const QString& historyFolder);

}  // namespace tombolix
