#pragma once

#include <QString>

class QWidget;

namespace tombolix {

// The result of a comparison with chance: the plain sentence, the table of
// figures and a paragraph on how they were made. Modal; returns when closed.
void ShowChanceResult(QWidget* parent, const QString& sentence, const QString& table, const QString& explanation);

// Shows what random lists of the same size scored against the back-tested
// list: the plain sentence and the table of figures. Modal; returns when closed.
void ShowChanceDialog(QWidget* parent, const QString& sentence, const QString& table);

}  // namespace tombolix
