// Loads the real draw histories kept beside the project, when they are there.
#include "history/loader.h"
#include "history/selector_population.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace tombolix {
namespace {

const QString kRealFolder = QStringLiteral("/work/shared/data/real");

TEST(RealHistories, EveryFileLoadsWhole) {
  const QDir folder(kRealFolder);
  const QStringList files = folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
  if (files.isEmpty()) GTEST_SKIP() << "no real histories in " << kRealFolder.toStdString();
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    QFile file(folder.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QByteArray firstLine = bytes.left(bytes.indexOf('\r'));

    const LoadedHistory r = ReadHistoryFile(folder.filePath(name));
    ASSERT_TRUE(r.accepted) << r.rejectedLine.toStdString();
    EXPECT_EQ(r.history.DrawCount, bytes.count('\n'));
    EXPECT_EQ(r.history.PositionCount, firstLine.count(','));
    EXPECT_EQ(r.history.Date(1), QString::fromLatin1(firstLine.left(10)));
    for (int k = 1; k <= r.history.PositionCount; ++k) {
      for (int d = 1; d <= r.history.DrawCount; ++d) ASSERT_LT(r.history.P(k, d), 100);
    }
    const SelectorPopulation population = FillSelectors(HistoryView(r.history), 0);
    for (int k = 1; k <= r.history.PositionCount; ++k) EXPECT_FALSE(population.lists[static_cast<size_t>(k)].empty());
  }
}

}  // namespace
}  // namespace tombolix
