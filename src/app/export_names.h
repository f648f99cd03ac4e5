#pragma once

#include <QString>
#include <QStringView>

namespace tombolix {

// The name a saved report is offered under: "<lottery> - <report>.<extension>"
// ("Loto Ejemplo 6-45 - Frecuencia.pdf"), the report named as the window
// titles it, and any character a file name cannot hold on Windows or Linux
// replaced by "-". Without a lottery, the report's name alone.
QString ReportFileName(const QString& lottery, int pane, QStringView extension);

}  // namespace tombolix
