#pragma once

#include "reports/report_text.h"

#include <QString>

#include <span>

namespace tombolix {

// One colour of a report and what it tells the player.
struct ColourKey {
  Rgb colour;
  const char16_t* meaning;
};

// One code of the ANÁLISIS iA summary and what it tells.
struct CodeKey {
  const char16_t* code;
  const char16_t* meaning;
};

// What a report shows, in plain Spanish for players: one sentence (the
// analysis list's tooltip and the page's lead), what its lines hold, its
// colours, its codes, and the limit of the method where it has one.
struct PaneExplanation {
  int pane;
  const char16_t* summary;
  const char16_t* lines;
  std::span<const ColourKey> colours;
  std::span<const CodeKey> codes;
  const char16_t* limit;  // nullptr: none
};

// One row per report pane, indexed by pane.
std::span<const PaneExplanation> PaneExplanations();
const PaneExplanation& ExplanationOf(int pane);

// The tooltip of an analysis-list row: the summary of the report it opens,
// a sentence for the row that is no report, empty for separators.
QString AnalysisRowToolTip(int row);

}  // namespace tombolix
