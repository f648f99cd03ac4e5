#include "reports/colour_marks.h"

#include <algorithm>

namespace tombolix {

namespace {

inline constexpr int kDateWidth = 10;
inline constexpr int kItemWidth = 2;
inline constexpr Rgb kLabelGrey = MakeRgb(128, 128, 128);

bool IsLineBreak(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// True when the line starting at `start` is a draw line: its characters 11-13
// are spaces, so its first 10 characters are a date (which may hold '-', '/' or
// '.', characters several reports also use as marks).
bool IsDrawLineAt(const QString& text, qsizetype start) {
  if (start + kDateWidth + 3 > text.size()) return false;
  for (qsizetype i = start; i < start + kDateWidth; ++i) {
    if (IsLineBreak(text.at(i))) return false;
  }
  const QChar space = QLatin1Char(' ');
  return text.at(start + kDateWidth) == space && text.at(start + kDateWidth + 1) == space &&
         text.at(start + kDateWidth + 2) == space;
}

// True when a line ends at `i` (CR LF counts once, at its LF; a lone CR or LF also ends a line).
bool EndsLineAt(const QString& text, qsizetype i) {
  const QChar c = text.at(i);
  if (c == QLatin1Char('\n')) return true;
  return c == QLatin1Char('\r') && (i + 1 == text.size() || text.at(i + 1) != QLatin1Char('\n'));
}

}  // namespace

void ColourMarks(ReportText& report, QChar mark, Rgb colour, bool bold, StepHooks& hooks) {
  // A snapshot shares the text without copying it and stays valid whatever
  // runs while the window processes events.
  const QString text = report.Text();
  const quint64 generation = report.Generation();
  qsizetype lineStart = 0;
  bool drawLine = IsDrawLineAt(text, 0);
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text.at(i) != mark) {
      if (EndsLineAt(text, i)) {
        lineStart = i + 1;
        drawLine = IsDrawLineAt(text, lineStart);
      }
      continue;
    }
    if (i < kItemWidth || (drawLine && i - lineStart < kDateWidth)) continue;
    if (hooks.StopRequested()) break;
    hooks.Step();
    // The text was replaced meanwhile: these positions mean nothing any more.
    if (report.Generation() != generation) return;
    const int p = static_cast<int>(i);
    report.SetColour(p, 1, kWhite);
    if (bold) {
      report.SetStyle(p - kItemWidth, kItemWidth, CharStyle{colour, true});
    } else {
      report.SetColour(p - kItemWidth, kItemWidth, colour);
    }
  }
  report.SetCaret(0);
}

void ColourLabels(ReportText& report, int positionCount, StepHooks& hooks) {
  const QString text = report.Text();
  const quint64 generation = report.Generation();
  qsizetype from = 0;
  for (int k = 1; k <= positionCount; ++k) {
    hooks.Step();
    if (report.Generation() != generation) return;
    const QString label = QLatin1Char('B') + QString::number(k);
    const qsizetype p = text.indexOf(label, from);
    if (p < 0) continue;  // a missing label is skipped; the next one is searched from the last found
    report.SetColour(static_cast<int>(p), static_cast<int>(label.size()), kLabelGrey);
    from = p;
  }
  report.SetCaret(0);
}

namespace {

bool IsBold(const PaneColouring& colouring, QChar mark) {
  switch (colouring.bold) {
    case BoldRule::All:
      return true;
    case BoldRule::PlusMark:
      return mark == QLatin1Char('+');
    case BoldRule::None:
      break;
  }
  return false;
}

}  // namespace

AnalysisOutcome ColourPasses(ReportText& report, const PaneColouring& colouring, int positionCount, StepHooks& hooks) {
  const auto passCount = static_cast<int>(colouring.passes.size());
  const int groups = colouring.progressFrom < 0 ? 0 : 101 - colouring.progressFrom;
  const int groupSize = groups > 0 ? std::max(1, passCount / groups) : 0;
  for (int i = 0; i < passCount; ++i) {
    if (hooks.StopRequested()) return AnalysisOutcome::Stopped;
    if (groupSize > 0 && i % groupSize == 0) {
      const int percent = std::min(100, colouring.progressFrom + i / groupSize);
      hooks.Progress(percent, percent == 100);
    }
    const MarkPass& pass = colouring.passes[static_cast<size_t>(i)];
    if (pass.mark == QLatin1Char('B')) {
      ColourLabels(report, positionCount, hooks);
    } else {
      ColourMarks(report, pass.mark, pass.colour, IsBold(colouring, pass.mark), hooks);
    }
  }
  report.SetCaret(0);
  return hooks.StopRequested() ? AnalysisOutcome::Stopped : AnalysisOutcome::Done;
}

}  // namespace tombolix
