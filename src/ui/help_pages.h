#pragma once

#include <QString>

class QWidget;

namespace tombolix {

// Short pages of help, each a small window owned by the main window (it stays
// above it and closes with it); several may be open.

// "¿Qué muestra este informe?": what the report of a pane shows, its colours
// (as the view paints them now), its codes and the limit of its method.
QString ExplanationHtml(int pane);
QWidget* ShowExplanationPage(QWidget* mainWindow, int pane);

// "Atajos de teclado": the keyboard table.
QWidget* ShowKeyTablePage(QWidget* mainWindow);

// "Acerca de Tombolix": the program's version and the Qt version it runs on.
QWidget* ShowAboutPage(QWidget* mainWindow);

}  // namespace tombolix
