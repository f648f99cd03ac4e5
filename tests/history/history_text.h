#pragma once

#include "history/history.h"

#include <QByteArray>

#include <initializer_list>
#include <vector>

namespace tombolix::test {

// History-file bytes: the lines joined with CR LF, the last one ended too.
inline QByteArray HistoryLines(std::initializer_list<QByteArrayView> lines) {
  QByteArray text;
  for (const QByteArrayView line : lines) {
    text.append(line);
    text.append("\r\n");
  }
  return text;
}

// A history of `draws` (each a list of numbers, positions 1..n) with dates
// "01/01/2000" and the filler beyond the numbers of each draw.
inline History MakeHistory(const std::vector<std::vector<int>>& draws, int positionCount) {
  History history;
  history.PositionCount = static_cast<quint8>(positionCount);
  for (const auto& draw : draws) {
    history.DrawDate.append(QStringLiteral("01/01/2000"));
    for (size_t p = 0; p < history.Pos.size(); ++p) {
      history.Pos[p].append(p < draw.size() ? static_cast<quint8>(draw[p]) : kFillerValue);
    }
    ++history.DrawCount;
  }
  return history;
}

}  // namespace tombolix::test
