#include "generator/patterns.h"
#include "generator/combination.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <map>

namespace tombolix {
namespace {

struct PatternCase {
  const char16_t* text;
  int positions;
  const char16_t* repetition;
  const char16_t* trend;
};

TEST(Patterns, TextFormsOnExamplesAndZeros) {
  const PatternCase cases[] = {
      {u"01:02:03", 3, u"XX:XX:XX", u"++:++:++"},
      {u"04:07:04:09", 4, u"AA:XX:AA:XX", u"++:++:--:++"},
      {u"05:12:03", 3, u"XX:XX:XX", u"++:++:--"},
      // 0 is a number like any other for repeats; as position 1 it does not rise above 0.
      {u"00:00:05", 3, u"AA:AA:XX", u"--:--:++"},
      {u"00:05:00:05", 4, u"AA:BB:AA:BB", u"--:++:--:++"},
      {u"09:00:01:00:02:02:09", 7, u"AA:BB:XX:BB:EE:EE:AA", u"++:--:++:--:++:--:++"},
      {u"07:07:07:07:07:07:07", 7, u"AA:AA:AA:AA:AA:AA:AA", u"++:--:--:--:--:--:--"},
      {u"10:01", 2, u"XX:XX", u"++:--"},
  };
  for (const PatternCase& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(PatronRepeticion(text, c.positions), QString::fromUtf16(c.repetition)) << text.toStdString();
    EXPECT_EQ(PatronTendencia(text, c.positions), QString::fromUtf16(c.trend)) << text.toStdString();
  }
}

// Random combinations of `positions` numbers below `range`.
std::vector<Combination> RandomCombinations(int positions, int range, int count, QRandomGenerator& random) {
  std::vector<Combination> result(static_cast<size_t>(count));
  for (Combination& values : result) {
    for (int p = 0; p < positions; ++p) values[static_cast<size_t>(p)] = static_cast<quint8>(random.bounded(range));
  }
  return result;
}

// Two patterns are the same exactly when their codes are: the map from text to
// code must be a function and one-to-one.
template <typename TextForm, typename CodeForm>
void ExpectCodesMatchTexts(TextForm textForm, CodeForm codeForm, int limit) {
  QRandomGenerator random(11);
  for (int positions = 2; positions <= kMaxPositions; ++positions) {
    for (const int range : {3, 8, 100}) {
      std::map<QString, int> codeOfText;
      std::map<int, QString> textOfCode;
      for (const Combination& values : RandomCombinations(positions, range, 3000, random)) {
        const QString text = textForm(CombinationText(values, positions), positions);
        const int code = codeForm(values.data(), positions);
        ASSERT_GE(code, 0);
        ASSERT_LT(code, limit);
        EXPECT_EQ(codeOfText.try_emplace(text, code).first->second, code) << text.toStdString();
        EXPECT_EQ(textOfCode.try_emplace(code, text).first->second, text) << code;
      }
    }
  }
}

TEST(Patterns, IntegerFormsAgreeWithTextForms) {
  ExpectCodesMatchTexts(PatronRepeticion, RepetitionCode, kRepetitionCodeCount);
  ExpectCodesMatchTexts(PatronTendencia, TrendCode, kTrendCodeCount);
}

}  // namespace
}  // namespace tombolix
