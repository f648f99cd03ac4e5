#include "app/export_names.h"

#include "app/pane_table.h"
#include "app/window_model.h"

namespace tombolix {

QString ReportFileName(const QString& lottery, int pane, QStringView extension) {
  QString report = PaneTitle(pane);
  const QLatin1String program("Tombolix - ");
  if (report.startsWith(program)) report.remove(0, program.size());
  if (pane == Pane::Start) report = QStringLiteral("Inicio");
  QString name = lottery.trimmed().isEmpty() ? report : lottery.trimmed() + QStringLiteral(" - ") + report;
  for (QChar& c : name) {
    if (c.unicode() < 0x20 || QStringView(u"\\/:*?\"<>|").contains(c)) c = u'-';
  }
  return name + QLatin1Char('.') + extension.toString();
}

QString ReportHeading(const QString& lottery, int pane, const QString& lastDrawDate) {
  QString heading = PaneTitle(pane);
  if (!lottery.trimmed().isEmpty()) heading += QStringLiteral(" - ") + lottery.trimmed();
  if (!lastDrawDate.trimmed().isEmpty())
    heading += QString::fromUtf8(" (último sorteo: %1)").arg(lastDrawDate.trimmed());
  return heading;
}

QString ReportHeading(const WindowModel& model, int pane) {
  const History& history = model.history;
  return ReportHeading(model.CboLoteria.Text(), pane,
                       history.DrawCount > 0 ? history.Date(history.DrawCount) : QString());
}

}  // namespace tombolix
