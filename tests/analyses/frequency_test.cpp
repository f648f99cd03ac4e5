#include "analyses/frequency.h"

#include "analysis_fixtures.h"

#include <gtest/gtest.h>

namespace tombolix {
namespace {

QString Row(int d, const QString& marks) { return test::DrawDateText(d) + QStringLiteral("   ") + marks; }

TEST(FrequencyMapTest, GroupsNeedMoreThanHalfOfThePositionsAndNonCandidatesNeverMatch) {
  const auto six = [](int d, const char* marks) {
    QString s;
    for (int i = 0; i < 6; ++i) s += QStringLiteral("1%1").arg(i) + QLatin1Char(marks[i]);
    return Row(d, s);
  };
  AnalysisArrays arrays;
  // Alike at all six positions, but four of them non-candidates: no group.
  const QString c = six(5, "%%%%%%");
  const QString a = six(3, "%%%%##");  // 4 of 6 with c: groups; 3 of 6 does not
  arrays.FrequencyMapRows = QStringList{six(1, "&&&&%$"), six(2, "&&&&%$"), a, six(4, "%%%###"), c};
  ReportText report;
  FrequencyMapM2(arrays, 6, report, NoHooks());
  EXPECT_EQ(report.Text(), c + test::Crlf() + a + test::Crlf(2));
}

}  // namespace
}  // namespace tombolix
