#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace tombolix {

// An RGB colour as the program writes it: red + 256 * green + 65536 * blue.
using Rgb = std::uint32_t;
constexpr Rgb MakeRgb(int r, int g, int b) {
  return static_cast<Rgb>(r) | (static_cast<Rgb>(g) << 8) | (static_cast<Rgb>(b) << 16);
}
constexpr int RedOf(Rgb c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }

inline constexpr Rgb kDefaultTextColour = MakeRgb(64, 64, 64);
inline constexpr Rgb kWhite = MakeRgb(255, 255, 255);

// Style of one character: its colour and whether it is bold.
struct CharStyle {
  Rgb colour = kDefaultTextColour;
  bool bold = false;
  friend bool operator==(const CharStyle&, const CharStyle&) = default;
};

// A run of characters that share one style.
struct StyleRun {
  int start = 0;
  int length = 0;
  CharStyle style;
  friend bool operator==(const StyleRun&, const StyleRun&) = default;
};

// The text of a report pane exactly as the program builds it (line breaks as
// CR LF), with a colour and a bold flag per character. New text takes the
// current default style. Appending is amortised O(1).
//
// Change tracking for the view: `Generation()` changes whenever existing text
// is replaced or removed (the view must redraw from scratch); appends only grow
// `Length()`; restyling existing characters lowers `DirtyStyleFrom()` until
// the view calls `MarkDrawn()`.
class ReportText {
 public:
  ReportText() = default;
  explicit ReportText(QString text) { SetText(std::move(text)); }

  const QString& Text() const { return text_; }
  int Length() const { return static_cast<int>(text_.size()); }
  bool IsEmptyMarker() const { return text_.size() == 1 && text_.at(0) == QLatin1Char(' '); }
  const CharStyle& StyleAt(int i) const { return styles_[static_cast<size_t>(i)]; }

  // Replaces the whole text; every character takes the default style.
  void SetText(QString text);
  void Clear() { SetText(QString()); }
  void Append(QStringView s);
  void Append(QChar c);
  void Append(const char* latin1) { Append(QLatin1String(latin1)); }
  void Append(QLatin1String s);
  // Puts text in front of the current text (the replay map writes the newest row on top).
  void Prepend(QStringView s);

  // Colour (and bold) for [start, start + length), clipped to the text.
  void SetStyle(int start, int length, CharStyle style);
  void SetColour(int start, int length, Rgb colour);
  void SetAllColour(Rgb colour) { SetColour(0, Length(), colour); }

  CharStyle DefaultStyle() const { return default_; }
  void SetDefaultStyle(CharStyle s) { default_ = s; }

  // Maximal runs of equal style covering the whole text, in order.
  std::vector<StyleRun> Runs() const;
  // Runs restricted to [start, start + length), offsets relative to `start`.
  std::vector<StyleRun> Runs(int start, int length) const;

  int Caret() const { return caret_; }
  void SetCaret(int pos) { caret_ = pos; }

  quint64 Generation() const { return generation_; }
  int DirtyStyleFrom() const { return dirtyStyleFrom_; }
  void MarkDrawn() { dirtyStyleFrom_ = Length(); }

 private:
  QString text_;
  std::vector<CharStyle> styles_;
  CharStyle default_;
  int caret_ = 0;
  quint64 generation_ = 0;
  int dirtyStyleFrom_ = 0;
};

// The text of a report with LF line breaks in place of CR LF, and the runs
// re-based onto it: what the report tool prints and exports.
struct LfReport {
  QString text;
  std::vector<StyleRun> runs;
};
LfReport ToLfReport(const ReportText& report);

}  // namespace tombolix
