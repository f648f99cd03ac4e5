#include "analyses/prediccion_clase.h"

#include "analyses/report_layout.h"

namespace tombolix {

QString MarkColumn(const QStringList& lines, QStringView label) {
  const int markIndex = DrawLineMarkIndex(LabelPosition(label));
  QString column;
  column.reserve(lines.size());
  for (const QString& line : lines) {
    const bool plus = line.size() > markIndex && line[markIndex] == u'+';
    column.append(plus ? u'1' : u'0');
  }
  return column;
}

bool PredictColumn(QStringView column) {
  // The digit that would end the present run ("1" for an empty column).
  const QChar other = !column.isEmpty() && column[0] == u'1' ? u'0' : u'1';
  const qsizetype end = column.indexOf(other);
  const QStringView run = end < 0 ? QStringView() : column.left(end + 1);
  QStringView rest = column.mid(1);
  int ones = 0;
  int zeros = 0;
  while (!rest.isEmpty() && rest.size() >= run.size()) {
    // The empty run is last found at the final character of what is left.
    const qsizetype at = run.isEmpty() ? rest.size() - 1 : rest.lastIndexOf(run);
    if (at <= 0) break;
    ++(rest[at - 1] == u'1' ? ones : zeros);
    rest = rest.left(at);
  }
  if (ones != zeros) return ones > zeros;
  return !run.isEmpty() && run[0] == u'0';
}

bool PrediccionClase(const QStringList& lines, QStringView label) { return PredictColumn(MarkColumn(lines, label)); }

}  // namespace tombolix
