#include "app/pane_table.h"
#include "texts/messages.h"
#include "texts/readme_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tombolix {
namespace {

// The read-me names each list row's key with the row's own text.
TEST(AnalysisList, ReadmeNamesEachRowsKey) {
  const QStringList readme = ReadmeLines(WebAddresses{});
  for (const PaneRow& row : PaneTable()) {
    if (row.listKey == 0) continue;
    const QString line =
        QStringLiteral("Tecla \"%1\" : %2").arg(QString(QLatin1Char(row.listKey)), Msg(row.titleMessage));
    EXPECT_TRUE(std::any_of(readme.begin(), readme.end(), [&line](const QString& l) { return l.trimmed() == line; }))
        << line.toStdString();
  }
}

}  // namespace
}  // namespace tombolix
