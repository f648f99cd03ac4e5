#include "app/export_names.h"

#include "app/pane_table.h"

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

}  // namespace tombolix
