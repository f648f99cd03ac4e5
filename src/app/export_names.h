#pragma once

#include <QString>
#include <QStringView>

namespace tombolix {

struct WindowModel;

// The name a saved report is offered under: "<lottery> - <report>.<extension>"
// ("Loto Ejemplo 6-45 - Frecuencia.pdf"), the report named as the window
// titles it, and any character a file name cannot hold on Windows or Linux
// replaced by "-". Without a lottery, the report's name alone.
QString ReportFileName(const QString& lottery, int pane, QStringView extension);

// The heading a report or chart carries out of the window, naming the report,
// the lottery and the date of its last draw:
// "Tombolix - Frecuencia - Loto Ejemplo 6-45 (último sorteo: 12/03/2024)".
// Without a lottery or a loaded history, those parts are left out.
QString ReportHeading(const QString& lottery, int pane, const QString& lastDrawDate);
QString ReportHeading(const WindowModel& model, int pane);

}  // namespace tombolix
