#pragma once

#include <QString>

class QWidget;

namespace tombolix {

// Shows what random lists of the same size scored against the back-tested
// list: the plain sentence and the table of figures. Modal; returns when closed.
void ShowChanceDialog(QWidget* parent, const QString& sentence, const QString& table);

}  // namespace tombolix
