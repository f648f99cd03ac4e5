#include "ui/report_pane_view.h"

#include "ui/display_colours.h"
#include "ui/fonts.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace tombolix {

namespace {
constexpr CharStyle kPlainStyle{kDefaultTextColour, false};
}  // namespace

ReportPaneView::ReportPaneView(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setFont(PaneFont());
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Marks are hidden by painting them white, so the page must be white.
  QPalette pal = palette();
  pal.setColor(QPalette::Base, Qt::white);
  pal.setColor(QPalette::Text,
               QColor(RedOf(kDefaultTextColour), GreenOf(kDefaultTextColour), BlueOf(kDefaultTextColour)));
  setPalette(pal);
  blockStarts_.assign(1, 0);
}

void ReportPaneView::Draw(ReportText& report) {
  const bool redraw = !drawn_ || report.Generation() != generation_ || report.Length() < drawnLength_;
  if (redraw) {
    DrawAll(report);
  } else if (report.Length() > drawnLength_) {
    AppendNew(report);
  } else if (report.DirtyStyleFrom() < drawnLength_) {
    ++counts_.restyles;
    Restyle(report, BlockOfOffset(report.DirtyStyleFrom()));
  }
  drawn_ = true;
  generation_ = report.Generation();
  drawnLength_ = report.Length();
  report.MarkDrawn();
  if (redraw || report.Caret() != drawnCaret_) PlaceCaret(report.Caret());
}

void ReportPaneView::DrawAll(const ReportText& report) {
  ++counts_.fullDraws;
  blockStarts_.assign(1, 0);
  endsInCr_ = false;
  setPlainText(ConvertLines(report.Text(), 0, report.Length()));
  Restyle(report, 0);
}

void ReportPaneView::AppendNew(const ReportText& report) {
  ++counts_.appends;
  // The last paragraph may grow, and text restyled since the last draw must be redone.
  const int lastBlock = static_cast<int>(blockStarts_.size()) - 1;
  const int firstDirty = std::min(lastBlock, BlockOfOffset(report.DirtyStyleFrom()));
  const QString added = ConvertLines(report.Text(), drawnLength_, report.Length());
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  cursor.beginEditBlock();
  if (!added.isEmpty()) cursor.insertText(added);
  Restyle(report, firstDirty);
  cursor.endEditBlock();
}

void ReportPaneView::Restyle(const ReportText& report, int firstBlock) {
  QTextDocument* doc = document();
  QTextBlock block = doc->findBlockByNumber(firstBlock);
  if (!block.isValid()) return;
  const int fromPosition = block.position();
  QList<QTextLayout::FormatRange> ranges;
  for (size_t b = static_cast<size_t>(firstBlock); block.isValid() && b < blockStarts_.size();
       block = block.next(), ++b) {
    ranges.clear();
    AppendRanges(report, blockStarts_[b], block.length() - 1, ranges);
    QTextLayout* layout = block.layout();
    if (!ranges.isEmpty() || !layout->formats().isEmpty()) layout->setFormats(ranges);
  }
  doc->markContentsDirty(fromPosition, doc->characterCount() - fromPosition);
}

void ReportPaneView::AppendRanges(const ReportText& report, int start, int length,
                                  QList<QTextLayout::FormatRange>& ranges) {
  // One scan over the paragraph's styles, runs of equal style merged, without
  // building the runs first.
  const int end = std::min(start + length, report.Length());
  for (int i = std::max(start, 0); i < end;) {
    const CharStyle& style = report.StyleAt(i);
    int j = i + 1;
    while (j < end && report.StyleAt(j) == style) ++j;
    // Dark grey is the pane's own text colour: those runs need no format.
    if (style != kPlainStyle) ranges.append(QTextLayout::FormatRange{i - start, j - i, FormatFor(style)});
    i = j;
  }
}

QString ReportPaneView::ConvertLines(const QString& text, int from, int to) {
  QString out;
  out.reserve(to - from);
  int i = from;
  if (endsInCr_ && i < to && text.at(i) == QLatin1Char('\n')) {
    // This LF completes a CR LF whose paragraph break is already drawn.
    ++i;
    blockStarts_.back() = i;
  }
  endsInCr_ = false;
  for (; i < to; ++i) {
    const QChar c = text.at(i);
    if (c == QLatin1Char('\r')) {
      if (i + 1 < to && text.at(i + 1) == QLatin1Char('\n')) {
        ++i;
      } else if (i + 1 == to) {
        endsInCr_ = true;
      }
    } else if (c != QLatin1Char('\n')) {
      out.append(c);
      continue;
    }
    out.append(QLatin1Char('\n'));
    blockStarts_.push_back(i + 1);
  }
  return out;
}

int ReportPaneView::BlockOfOffset(int reportOffset) const {
  const auto it = std::upper_bound(blockStarts_.begin(), blockStarts_.end(), reportOffset);
  return std::max(0, static_cast<int>(it - blockStarts_.begin()) - 1);
}

int ReportPaneView::ReportOffset(int documentPosition) const {
  const QTextBlock block = document()->findBlock(documentPosition);
  if (!block.isValid() || blockStarts_.empty()) return drawnLength_;
  const auto b = std::min(static_cast<size_t>(block.blockNumber()), blockStarts_.size() - 1);
  return std::min(blockStarts_[b] + documentPosition - block.position(), drawnLength_);
}

int ReportPaneView::DocumentPosition(int reportOffset) const {
  const int b = BlockOfOffset(reportOffset);
  const QTextBlock block = document()->findBlockByNumber(b);
  if (!block.isValid()) return 0;
  const int within = std::clamp(reportOffset - blockStarts_[static_cast<size_t>(b)], 0, block.length() - 1);
  return block.position() + within;
}

void ReportPaneView::PlaceCaret(int reportOffset) {
  QTextCursor cursor(document());
  cursor.setPosition(DocumentPosition(reportOffset));
  setTextCursor(cursor);
  drawnCaret_ = reportOffset;
}

const QTextCharFormat& ReportPaneView::FormatFor(const CharStyle& style) {
  // A report uses a handful of styles: a short list beats hashing. Every run of
  // one style shares the one format built for it.
  for (const auto& [known, format] : formats_) {
    if (known == style) return format;
  }
  QTextCharFormat format;
  format.setForeground(DisplayColour(style.colour));
  if (style.bold) format.setFontWeight(QFont::Bold);
  formats_.emplace_back(style, format);
  return formats_.back().second;
}

void ReportPaneView::Repaint() {
  formats_.clear();
  drawn_ = false;
}

void ReportPaneView::mousePressEvent(QMouseEvent* event) {
  QPlainTextEdit::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && onClick) onClick();
}

}  // namespace tombolix
