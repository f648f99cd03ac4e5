#include "generator/combination_generator.h"

#include "history/loader.h"
#include "history/prime.h"
#include "history/selector_population.h"

#include <gtest/gtest.h>

#include <set>

#include "synthetic_history.h"

namespace tombolix {
namespace {

// History-file bytes: `count` copies of each line, oldest first.
QByteArray Lines(std::initializer_list<std::pair<const char*, int>> runs) {
  QByteArray text;
  for (const auto& [numbers, count] : runs) text += (QByteArray("01/01/2024,") + numbers + "\r\n").repeated(count);
  return text;
}

struct Loaded {
  LoadedHistory loaded;
  SelectorLists lists;
  HistoryView View() const { return HistoryView(loaded.history); }
};

Loaded Load(const QByteArray& text) {
  Loaded l{ParseHistory(text), {}};
  EXPECT_TRUE(l.loaded.accepted);
  l.lists = FillSelectors(l.View(), 0).lists;
  return l;
}

// The five tests worked out on the text forms, draw by draw, as a check
// independent of the generator's precomputed sets.
bool PassesOnText(const HistoryView& view, const AcceptanceValues& a, const QString& text) {
  const int n = view.PositionCount;
  int consecutive = 0, even = 0, composite = 0;
  for (int p = 0; p < n; ++p) {
    const int value = text.mid(3 * p, 2).toInt();
    if (p > 0 && std::abs(value - text.mid(3 * p - 3, 2).toInt()) == 1) ++consecutive;
    if (value % 2 == 0) ++even;
    if (ClasePrimo(static_cast<quint8>(value)) == QStringLiteral("-")) ++composite;
  }
  bool pattern = false, trend = false;
  for (int d = view.DrawCount; d >= 1 && d > view.DrawCount - 100; --d) {
    QStringList fields;
    for (int k = 1; k <= n; ++k) fields << QStringLiteral("%1").arg(view.P(k, d), 2, 10, QLatin1Char('0'));
    const QString draw = fields.join(u':');
    pattern = pattern || PatronRepeticion(draw, n) == PatronRepeticion(text, n);
    trend = trend || PatronTendencia(draw, n) == PatronTendencia(text, n);
  }
  return pattern && trend && (consecutive == a.ConsecutivosBajo || consecutive == a.ConsecutivosAlto) &&
         (even == a.ParesBajo || even == a.ParesAlto) &&
         (composite == a.CompuestosBajo || composite == a.CompuestosAlto);
}

QByteArray Synth(SynthOptions::Kind kind, int positions, int draws) {
  SynthOptions o;
  o.kind = kind;
  o.positions = positions;
  o.draws = draws;
  o.seed = 5;
  return SyntheticHistory(o);
}

TEST(CombinationGenerator, EveryCombinationPassesTheTestsComesFromTheListsAndIsNew) {
  // Six of 45, and digit games of 3 and 2 positions (AUTOMÁTICO reaches the generator with them).
  const std::pair<QByteArray, int> cases[] = {{Synth(SynthOptions::Kind::Pick, 6, 1500), 1000},
                                              {Synth(SynthOptions::Kind::Digits, 3, 400), 50},
                                              {Synth(SynthOptions::Kind::Digits, 2, 400), 10}};
  for (const auto& [history, wanted] : cases) {
    const Loaded l = Load(history);
    const HistoryView view = l.View();
    CombinationGenerator generator(view, l.loaded.acceptance);
    QRandomGenerator random(2024);
    for (int i = 0; i < wanted; ++i) ASSERT_TRUE(generator.Generate(l.lists, random).accepted) << i;
    std::set<QString> seen;
    for (const Combination& values : generator.Generated()) {
      const QString text = CombinationText(values, view.PositionCount);
      EXPECT_TRUE(PassesOnText(view, l.loaded.acceptance, text)) << text.toStdString();
      EXPECT_TRUE(seen.insert(text).second) << text.toStdString();
      for (int p = 0; p < view.PositionCount; ++p) {
        const std::vector<quint8>& list = l.lists[static_cast<size_t>(p + 1)];
        EXPECT_NE(std::find(list.begin(), list.end(), values[static_cast<size_t>(p)]), list.end()) << p;
      }
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(wanted));
  }
}

TEST(CombinationGenerator, AcceptedConsecutiveCountsFollowTheLoadersRounding) {
  // Four-number draws, all rising with no repeats, two even and two composite
  // numbers each, with 0, 1, 2 and 3 consecutive pairs.
  const char* const kDraws[] = {"04,07,10,13", "04,05,10,13", "04,05,10,11", "03,04,05,06"};
  // 0.5 pairs per draw rounds to 0 (halves to even): only 0 is admitted; 1.5 rounds to 2: 1 and 2.
  const std::pair<QByteArray, std::array<bool, 4>> cases[] = {
      {Lines({{kDraws[0], 50}, {kDraws[1], 50}}), {true, false, false, false}},
      {Lines({{kDraws[1], 50}, {kDraws[2], 50}}), {false, true, true, false}}};
  for (const auto& [text, admitted] : cases) {
    const Loaded l = Load(text);
    const CombinationGenerator generator(l.View(), l.loaded.acceptance);
    for (size_t i = 0; i < 4; ++i) {
      const LoadedHistory probe = ParseHistory(Lines({{kDraws[i], 1}}));
      EXPECT_EQ(generator.PassesTests(DrawCombination(HistoryView(probe.history), 1)), admitted[i]) << i;
    }
  }
}

TEST(CombinationGenerator, PatternsComeFromTheLastHundredDrawsOnly) {
  // Draw 1 alone falls ("09,02"); every later draw rises. 101 draws leave it out of the window.
  AcceptanceValues anyCounts;
  anyCounts.ParesBajo = anyCounts.CompuestosBajo = 0;
  anyCounts.ParesAlto = anyCounts.CompuestosAlto = 1;
  const Combination falling{9, 2, 0, 0, 0, 0, 0};
  for (const auto& [rising, admitted] : {std::pair{99, true}, std::pair{100, false}}) {
    const LoadedHistory l = ParseHistory(Lines({{"09,02", 1}, {"03,07", rising}}));
    EXPECT_EQ(CombinationGenerator(HistoryView(l.history), anyCounts).PassesTests(falling), admitted) << rising;
  }
}

TEST(CombinationGenerator, FailuresAfterAThousandCandidatesKeepTheLastOne) {
  // The same draw a hundred times: every list holds one number, so the only candidate passes once, then repeats.
  const Loaded single = Load(Lines({{"05,12,23,31,40,44", 100}}));
  const Combination only{5, 12, 23, 31, 40, 44, 0};
  CombinationGenerator generator(single.View(), single.loaded.acceptance);
  QRandomGenerator random(1);
  GenerationResult r = generator.Generate(single.lists, random);
  EXPECT_EQ(std::tuple(r.accepted, r.candidatesDrawn, r.lastCandidate), std::tuple(true, 1, only));
  r = generator.Generate(single.lists, random);
  EXPECT_EQ(std::tuple(r.accepted, r.candidatesDrawn, r.lastCandidate),
            std::tuple(false, CombinationGenerator::kMaxAttempts, only));
  EXPECT_EQ(generator.Generated().size(), 1u);
  generator.ClearGenerated();
  EXPECT_TRUE(generator.Generate(single.lists, random).accepted);
}

TEST(CombinationGenerator, AnEmptyListFailsWithoutDrawing) {
  const Loaded l = Load(Synth(SynthOptions::Kind::Pick, 6, 200));
  for (const size_t empty : {size_t{1}, size_t{6}}) {
    SelectorLists lists = l.lists;
    lists[empty].clear();
    CombinationGenerator generator(l.View(), l.loaded.acceptance);
    QRandomGenerator random(3);
    const GenerationResult r = generator.Generate(lists, random);
    EXPECT_EQ(std::pair(r.accepted, r.candidatesDrawn), std::pair(false, 0));
    EXPECT_EQ(random.generate(), QRandomGenerator(3).generate()) << "the generator was not touched";
  }
  // No history at all: no positions to draw.
  const History nothing;
  CombinationGenerator generator{HistoryView(nothing), AcceptanceValues{}};
  QRandomGenerator random(3);
  EXPECT_EQ(generator.Generate(l.lists, random).candidatesDrawn, 0);
}

TEST(CombinationGenerator, TheSameSeedGivesTheSameList) {
  const Loaded l = Load(Synth(SynthOptions::Kind::Pick, 6, 1500));
  auto list = [&l](quint32 seed) {
    CombinationGenerator generator(l.View(), l.loaded.acceptance);
    QRandomGenerator random(seed);
    QStringList texts;
    for (int i = 0; i < 100; ++i) {
      const GenerationResult r = generator.Generate(l.lists, random);
      texts << CombinationText(r.lastCandidate, 6) + (r.accepted ? QString() : QStringLiteral("!"));
    }
    return texts;
  };
  const QStringList first = list(77);
  EXPECT_EQ(first, list(77));
  EXPECT_NE(first, list(78));
  // Qt's own engine and mapping: these are the same on every platform and standard library.
  EXPECT_EQ(first.mid(0, 3).join(u' ').toStdString(), "06:07:18:21:29:40 01:16:19:26:27:37 01:15:18:19:34:38");
}

}  // namespace
}  // namespace tombolix
