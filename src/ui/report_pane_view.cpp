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
  const bool changed = redraw || report.Length() > drawnLength_ || report.DirtyStyleFrom() < drawnLength_;
  if (redraw) {
    DrawAll(report);
  } else if (report.Length() > drawnLength_) {
    AppendNew(report);
  } else if (changed) {
    ++counts_.restyles;
    TakeStyles(report, report.DirtyStyleFrom());
  }
  drawn_ = true;
  generation_ = report.Generation();
  drawnLength_ = report.Length();
  report.MarkDrawn();
  if (redraw || report.Caret() != drawnCaret_) PlaceCaret(report.Caret());
  // New text is repainted by the text box itself; paragraphs in view that
  // took new formats need a repaint of their own.
  if (changed && FormatParagraphsInView()) viewport()->update();
}

void ReportPaneView::DrawAll(const ReportText& report) {
  ++counts_.fullDraws;
  blockStarts_.assign(1, 0);
  endsInCr_ = false;
  setPlainText(ConvertLines(report.Text(), 0, report.Length()));
  TakeStyles(report, 0);
}

void ReportPaneView::AppendNew(const ReportText& report) {
  ++counts_.appends;
  // The last paragraph may grow, and text restyled since the last draw must be redone.
  const QString added = ConvertLines(report.Text(), drawnLength_, report.Length());
  if (!added.isEmpty()) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(added);
  }
  TakeStyles(report, std::min(report.DirtyStyleFrom(), drawnLength_));
}

void ReportPaneView::TakeStyles(const ReportText& report, int from) {
  const int length = report.Length();
  from = std::clamp(from, 0, length);
  styles_.resize(static_cast<size_t>(length));
  for (int i = from; i < length; ++i) styles_[static_cast<size_t>(i)] = report.StyleAt(i);
  // The paragraph holding `from` (the last one when `from` is the end: it may have grown).
  const size_t firstBlock = static_cast<size_t>(BlockOfOffset(from));
  formatted_.resize(blockStarts_.size());
  std::fill(formatted_.begin() + static_cast<std::ptrdiff_t>(std::min(firstBlock, formatted_.size())), formatted_.end(),
            false);
}

bool ReportPaneView::FormatParagraphsInView() {
  // The paragraphs the text box paints: from the first visible one down to the
  // first that starts below the viewport. Formatting a paragraph drops its
  // layout, so its height is taken after it is formatted.
  const qreal bottom = viewport()->height();
  qreal top = contentOffset().y();
  bool formatted = false;
  for (QTextBlock block = firstVisibleBlock(); block.isValid() && top <= bottom; block = block.next()) {
    formatted = FormatParagraph(block) || formatted;
    top += blockBoundingRect(block).height();
  }
  return formatted;
}

bool ReportPaneView::FormatParagraph(const QTextBlock& block) {
  const auto number = static_cast<size_t>(block.blockNumber());
  if (number >= formatted_.size() || formatted_[number]) return false;
  formatted_[number] = true;
  QList<QTextLayout::FormatRange> ranges;
  AppendRanges(blockStarts_[number], block.length() - 1, ranges);
  QTextLayout* layout = block.layout();
  if (ranges.isEmpty() && layout->formats().isEmpty()) return false;
  layout->setFormats(ranges);
  return true;
}

void ReportPaneView::AppendRanges(int start, int length, QList<QTextLayout::FormatRange>& ranges) {
  // One scan over the paragraph's styles, runs of equal style merged, without
  // building the runs first.
  const int end = std::min(start + length, static_cast<int>(styles_.size()));
  for (int i = std::max(start, 0); i < end;) {
    const CharStyle& style = styles_[static_cast<size_t>(i)];
    int j = i + 1;
    while (j < end && styles_[static_cast<size_t>(j)] == style) ++j;
    // Dark grey is the pane's own text colour: those runs need no format.
    if (style != kPlainStyle) ranges.append(QTextLayout::FormatRange{i - start, j - i, FormatFor(style)});
    i = j;
  }
}

QString ReportPaneView::ConvertLines(const QString& text, int from, int to) {
  // Written straight into a buffer of the longest possible size: appending
  // character by character costs more than the rest of the conversion.
  QString out(to - from, Qt::Uninitialized);
  QChar* written = out.data();
  const QChar* in = text.constData();
  int i = from;
  if (endsInCr_ && i < to && in[i] == QLatin1Char('\n')) {
    // This LF completes a CR LF whose paragraph break is already drawn.
    ++i;
    blockStarts_.back() = i;
  }
  endsInCr_ = false;
  for (; i < to; ++i) {
    const QChar c = in[i];
    if (c == QLatin1Char('\r')) {
      if (i + 1 < to && in[i + 1] == QLatin1Char('\n')) {
        ++i;
      } else if (i + 1 == to) {
        endsInCr_ = true;
      }
    } else if (c != QLatin1Char('\n')) {
      *written++ = c;
      continue;
    }
    *written++ = QLatin1Char('\n');
    blockStarts_.push_back(i + 1);
  }
  out.truncate(written - out.constData());
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

void ReportPaneView::paintEvent(QPaintEvent* event) {
  // Paragraphs scrolled into view since the last draw get their formats first.
  FormatParagraphsInView();
  QPlainTextEdit::paintEvent(event);
}

void ReportPaneView::mousePressEvent(QMouseEvent* event) {
  QPlainTextEdit::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && onClick) onClick();
}

}  // namespace tombolix
