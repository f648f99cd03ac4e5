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
//
// A paragraph gets its formats only when it comes into view (when the pane is
// drawn or painted), as the text box lays out only the paragraphs it shows: a
// long report costs about what its plain text costs until it is scrolled
// through. The pane keeps a copy of the drawn styles for that, so what it
// shows is always the report as it was last drawn.
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
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawAll(const ReportText& report);
  void AppendNew(const ReportText& report);
  // Copies the report's styles from `from` on and marks the paragraphs from
  // the one holding `from` to the last as needing their formats again.
  void TakeStyles(const ReportText& report, int from);
  // Gives the paragraphs in view the formats they lack; true if one changed.
  bool FormatParagraphsInView();
  // Sets a paragraph's formats from the drawn styles, if they are not set yet;
  // true if its formats changed.
  bool FormatParagraph(const QTextBlock& block);
  // Appends the formats of drawn text [start, start + length), offsets relative to `start`.
  void AppendRanges(int start, int length, QList<QTextLayout::FormatRange>& ranges);
  // Converts report text [from, to) into paragraph text and records where new paragraphs start.
  QString ConvertLines(const QString& text, int from, int to);
  int BlockOfOffset(int reportOffset) const;
  void PlaceCaret(int reportOffset);
  const QTextCharFormat& FormatFor(const CharStyle& style);

  bool drawn_ = false;
  quint64 generation_ = 0;
  int drawnLength_ = 0;
  int drawnCaret_ = 0;
  bool endsInCr_ = false;          // the last drawn character was a CR (its LF may follow later)
  std::vector<int> blockStarts_;   // report offset where each paragraph starts
  std::vector<CharStyle> styles_;  // the style of each drawn character
  std::vector<bool> formatted_;    // per paragraph: its formats match styles_
  std::deque<std::pair<CharStyle, QTextCharFormat>> formats_;  // stable references
  DrawCounts counts_;
};

}  // namespace tombolix
