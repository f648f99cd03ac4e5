#include "app/pane_explanations.h"
#include "app/key_help.h"
#include "app/key_table.h"
#include "app/pane_table.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tombolix {
namespace {

bool Explains(const PaneExplanation& e, Rgb colour) {
  return std::any_of(e.colours.begin(), e.colours.end(), [colour](const ColourKey& k) { return k.colour == colour; });
}

// Every report of the pane table explains itself, and explains every colour
// its passes paint (position labels and hidden marks aside).
TEST(PaneExplanations, EveryReportExplainsItsColours) {
  ASSERT_EQ(PaneExplanations().size(), PaneTable().size());
  for (const PaneRow& row : PaneTable()) {
    SCOPED_TRACE(row.toolName);
    const PaneExplanation& e = ExplanationOf(row.pane);
    EXPECT_EQ(e.pane, row.pane);
    EXPECT_GT(QString::fromUtf16(e.summary).size(), 20);
    EXPECT_GT(QString::fromUtf16(e.lines).size(), 20);
    for (const MarkPass& pass : row.colouring.passes) {
      if (pass.mark == QLatin1Char('B') || pass.colour == kWhite) continue;
      EXPECT_TRUE(Explains(e, pass.colour)) << "mark " << pass.mark.toLatin1();
    }
  }
}

TEST(KeyHelp, OneLinePerKeyInWords) {
  const QList<KeyHelp> lines = KeyHelpLines();
  ASSERT_EQ(lines.size(), static_cast<qsizetype>(KeyTable().size()));
  for (const KeyHelp& line : lines) {
    EXPECT_FALSE(line.keys.isEmpty());
    EXPECT_FALSE(line.action.isEmpty()) << line.keys.toStdString();
  }
  // Keys are named in words, modifiers first.
  for (const auto& [keys, action] : {std::pair{u"Ctrl+F1", u"Abrir el Léame"}, {u"Alt+3", u"Ir a la casilla B3"}}) {
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const KeyHelp& l) {
      return l.keys == QString::fromUtf16(keys) && l.action == QString::fromUtf16(action);
    })) << QString::fromUtf16(keys).toStdString();
  }
}

}  // namespace
}  // namespace tombolix
