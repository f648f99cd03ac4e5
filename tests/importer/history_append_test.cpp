#include "importer/history_append.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace tombolix {
namespace {

ImportedDraw Draw(int key, std::initializer_list<int> numbers, qsizetype line = 1) {
  ImportedDraw draw{key, line, static_cast<quint8>(numbers.size()), {}};
  size_t p = 0;
  for (const int n : numbers) draw.numbers[p++] = static_cast<quint8>(n);
  return draw;
}

const QVector<ImportedDraw> kTenthAndFourteenth{Draw(20230110, {6, 13, 34}), Draw(20230114, {1, 2, 3})};

TEST(PlanAppend, NewLinesCopyTheFormOfTheLastLine) {
  struct Case {
    const char* name;
    QByteArray existing;
    QByteArray expected;
  };
  const Case cases[] = {
      {"crlf padded", "07/01/2023,05,12,33\r\n10/01/2023,06,13,34\r\n",
       "07/01/2023,05,12,33\r\n10/01/2023,06,13,34\r\n14/01/2023,01,02,03\r\n"},
      {"lf year first, spaces", "2023-1-7, 5, 12, 33\n2023-1-10, 6, 13, 34\n",
       "2023-1-7, 5, 12, 33\n2023-1-10, 6, 13, 34\n2023-1-14, 1, 2, 3\n"},
      {"cr, no final end, short year", "7.1.23 ,5,12,33\r10.1.23 ,6 ,13 ,34",
       "7.1.23 ,5,12,33\r10.1.23 ,6 ,13 ,34\r14.1.23 ,1 ,2 ,3\r"},
      {"padding the last line leaves open comes from earlier", "07/01/2023,05,12,33\n10/11/2023,16,13,34\n",
       "07/01/2023,05,12,33\n10/11/2023,16,13,34\n14/01/2024,01,02,03\n"},
      {"blank lines at the end stay at the end", "07/01/2023,05,12,33\r\n10/01/2023,06,13,34\r\n\r\n \t\r\n",
       "07/01/2023,05,12,33\r\n10/01/2023,06,13,34\r\n14/01/2023,01,02,03\r\n\r\n \t\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QVector<ImportedDraw> imported = kTenthAndFourteenth;
    if (QByteArray(c.name).startsWith("padding")) imported = {Draw(20231110, {16, 13, 34}), Draw(20240114, {1, 2, 3})};
    const AppendPlan plan = PlanAppend(c.existing, imported);
    EXPECT_TRUE(plan.errors.isEmpty()) << plan.errors.join(u'\n').toStdString();
    EXPECT_EQ(plan.text, c.expected);
    EXPECT_EQ(plan.newDraws, 1);
    EXPECT_EQ(plan.overlap, 1);
  }
}

TEST(PlanAppend, WarnsAboutOlderDrawsAndAGap) {
  const QByteArray existing = "07/01/2023,05,12,33\r\n10/01/2023,06,13,34\r\n14/01/2023,01,02,03\r\n";
  const AppendPlan plan =
      PlanAppend(existing, {Draw(20221231, {1, 2, 3}), Draw(20230107, {5, 12, 33}), Draw(20230110, {6, 13, 34}),
                            Draw(20230114, {1, 2, 3}), Draw(20230214, {7, 8, 9})});
  ASSERT_TRUE(plan.errors.isEmpty()) << plan.errors.join(u'\n').toStdString();
  EXPECT_EQ(plan.newDraws, 1);
  EXPECT_EQ(plan.overlap, 3);
  ASSERT_EQ(plan.warnings.size(), 2);
  EXPECT_TRUE(plan.warnings[0].contains(QStringLiteral("31/12/2022")));
  EXPECT_TRUE(plan.warnings[1].contains(QStringLiteral("14/01/2023")) &&
              plan.warnings[1].contains(QStringLiteral("14/02/2023")));
  // Nothing newer: no error, nothing to write.
  const AppendPlan none = PlanAppend(existing, {Draw(20230114, {1, 2, 3})});
  EXPECT_TRUE(none.errors.isEmpty() && none.warnings.isEmpty() && none.text.isEmpty());
  EXPECT_EQ(none.newDraws, 0);
}

TEST(PlanAppend, RefusesWhatWouldWriteAWrongHistory) {
  const QByteArray good = "07/01/2023,05,12,33\r\n10/01/2023,06,13,34\r\n";
  struct Case {
    const char* name;
    QByteArray existing;
    QVector<ImportedDraw> imported;
    QStringList said;  // every one in the first error
  };
  const Case cases[] = {
      {"other numbers",
       good,
       {Draw(20230110, {6, 13, 35}, 5), Draw(20230114, {1, 2, 3})},
       {QStringLiteral("línea 2 del historial (10/01/2023: 6, 13, 34)"),
        QStringLiteral("línea 5 del archivo importado (10/01/2023: 6, 13, 35)")}},
      {"other order",
       good,
       {Draw(20230110, {13, 6, 34}), Draw(20230114, {1, 2, 3})},
       {QStringLiteral("los mismos números en otro orden")}},
      {"a draw the import lacks",
       good,
       {Draw(20230107, {5, 12, 33}), Draw(20230114, {1, 2, 3})},
       {QStringLiteral("línea 2 del historial"), QStringLiteral("no está en el archivo importado")}},
      {"another count of numbers", good, {Draw(20230114, {1, 2, 3, 4}, 7)}, {QStringLiteral("Línea 7")}},
      {"text after an empty line", good + "\r\n7/2/2023,1,2,3\r\n", kTenthAndFourteenth, {QStringLiteral("línea 4")}},
      {"a history that does not load",
       "07/01/2023,05,12,33\nxx,1,2,3\n",
       kTenthAndFourteenth,
       {QStringLiteral("línea 2"), QStringLiteral("xx,1,2,3")}},
      {"an empty history", "", kTenthAndFourteenth, {QStringLiteral("vacío")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const AppendPlan plan = PlanAppend(c.existing, c.imported);
    ASSERT_FALSE(plan.errors.isEmpty());
    for (const QString& part : c.said)
      EXPECT_TRUE(plan.errors.front().contains(part)) << plan.errors.front().toStdString();
    EXPECT_TRUE(plan.text.isEmpty());
  }
}

}  // namespace
}  // namespace tombolix
