#pragma once

#include "reports/report_text.h"

#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <QTextLayout>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace tombolix {

// One report pane: a read-only, bold monospace text box on white that draws a
// ReportText. CR LF (or a lone CR or LF) starts a new paragraph; colours come
// from the report's style runs through each paragraph's layout formats, which
// is far cheaper than formatting through a cursor. Drawing is incremental:
// new text is appended, restyled text re-formatted from its paragraph on, and
// only a replaced text is drawn from scratch.
class ReportPaneView : public QPlainTextEdit {
 public:
  explicit ReportPaneView(QWidget* parent = nullptr);

  // Brings the widget up to date with `report` and marks the report drawn.
  void Draw(ReportText& report);

  // Forgets what was drawn, so the next Draw paints the whole report again
  // (after the display colours changed).
  void Repaint();

  // The document position of a character offset of the report text.
  int DocumentPosition(int reportOffset) const;
  // The report-text offset of a document position (its inverse).
  int ReportOffset(int documentPosition) const;

  // What the last draws did, for tests and measurements.
  struct DrawCounts {
    int fullDraws = 0;
    int appends = 0;
    int restyles = 0;
  };
  const DrawCounts& Counts() const { return counts_; }

  // Called on a left click inside the pane (the background pane opens a page).
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void DrawAll(const ReportText& report);
  void AppendNew(const ReportText& report);
  // Re-applies the formats of paragraphs [firstBlock, last paragraph].
  void Restyle(const ReportText& report, int firstBlock);
  // Appends the formats of report text [start, start + length), offsets relative to `start`.
  void AppendRanges(const ReportText& report, int start, int length, QList<QTextLayout::FormatRange>& ranges);
  // Converts report text [from, to) into paragraph text and records where new paragraphs start.
  QString ConvertLines(const QString& text, int from, int to);
  int BlockOfOffset(int reportOffset) const;
  void PlaceCaret(int reportOffset);
  const QTextCharFormat& FormatFor(const CharStyle& style);

  bool drawn_ = false;
  quint64 generation_ = 0;
  int drawnLength_ = 0;
  int drawnCaret_ = 0;
  bool endsInCr_ = false;         // the last drawn character was a CR (its LF may follow later)
  std::vector<int> blockStarts_;  // report offset where each paragraph starts
  std::deque<std::pair<CharStyle, QTextCharFormat>> formats_;  // stable references
  DrawCounts counts_;
};

}  // namespace tombolix
