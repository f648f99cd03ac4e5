#include "reports/start_pane.h"

#include "texts/messages.h"

#include <algorithm>

namespace tombolix {

namespace {
inline constexpr int kStartPaneWidth = 38;
}  // namespace

QString StartPaneText(int drawCount) {
  QString breaks = QStringLiteral("\r\n\r\n\r\n\r\n");
  if (drawCount == 0) return breaks;
  const QString line = QString::number(drawCount) + Msg(TxtSorteosEncontrados);
  const int indent = std::max(0, (kStartPaneWidth - static_cast<int>(line.size())) / 2);
  return QString(indent, QLatin1Char(' ')) + line + breaks;
}

QString RejectionText(const QString& rejectedLine) {
  const QString crlf = QStringLiteral("\r\n");
  return Msg(TxtErrorHistorial) + crlf + crlf + rejectedLine + crlf;
}

}  // namespace tombolix
