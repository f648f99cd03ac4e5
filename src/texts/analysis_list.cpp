#include "texts/messages.h"

#include <array>

namespace tombolix {

namespace {

// What each row of the analysis list shows: a message of the table, a
// separator line, or nothing.
inline constexpr int kEmptyRow = -1;
inline constexpr int kSeparatorRow = -2;
inline constexpr std::array<int, kAnalysisRowCount> kRowTexts{kEmptyRow,
                                                              2,
                                                              kSeparatorRow,
                                                              3,
                                                              4,
                                                              kSeparatorRow,
                                                              5,
                                                              6,
                                                              kSeparatorRow,
                                                              7,
                                                              8,
                                                              kSeparatorRow,
                                                              9,
                                                              10,
                                                              11,
                                                              40,
                                                              kSeparatorRow,
                                                              12,
                                                              13,
                                                              kSeparatorRow,
                                                              48,
                                                              kSeparatorRow,
                                                              kEmptyRow};

inline constexpr int kSeparatorLength = 26;

}  // namespace

QStringList AnalysisListRows() {
  const QString separator(kSeparatorLength, QChar(0x00AF));
  QStringList rows;
  rows.reserve(kAnalysisRowCount);
  for (const int text : kRowTexts) {
    if (text == kEmptyRow) {
      rows.append(QString());
    } else if (text == kSeparatorRow) {
      rows.append(separator);
    } else {
      rows.append(Msg(text));
    }
  }
  return rows;
}

bool IsSeparatorRow(int row) {
  // Rows outside the list start nothing either.
  if (row < 0 || row >= kAnalysisRowCount) return true;
  return kRowTexts[static_cast<size_t>(row)] < 0;
}

}  // namespace tombolix
