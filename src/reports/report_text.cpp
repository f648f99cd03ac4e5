#include "reports/report_text.h"

#include <algorithm>
#include <atomic>

namespace tombolix {

namespace {
// Generations are unique across every report, so a view that compares them
// notices a pane whose whole ReportText was replaced by another one.
quint64 NextGeneration() {
  static std::atomic<quint64> counter{0};
  return ++counter;
}
}  // namespace

void ReportText::SetText(QString text) {
  text_ = std::move(text);
  styles_.assign(static_cast<size_t>(text_.size()), default_);
  caret_ = 0;
  generation_ = NextGeneration();
  dirtyStyleFrom_ = 0;
}

void ReportText::Append(QStringView s) {
  text_.append(s);
  styles_.resize(static_cast<size_t>(text_.size()), default_);
}

void ReportText::Append(QChar c) {
  text_.append(c);
  styles_.push_back(default_);
}

void ReportText::Append(QLatin1String s) {
  text_.append(s);
  styles_.resize(static_cast<size_t>(text_.size()), default_);
}

void ReportText::Prepend(QStringView s) {
  text_.prepend(s);
  styles_.insert(styles_.begin(), static_cast<size_t>(s.size()), default_);
  generation_ = NextGeneration();
  dirtyStyleFrom_ = 0;
}

void ReportText::SetStyle(int start, int length, CharStyle style) {
  const int from = std::max(start, 0);
  const int to = std::min(start + length, Length());
  if (from >= to) return;
  std::fill(styles_.begin() + from, styles_.begin() + to, style);
  dirtyStyleFrom_ = std::min(dirtyStyleFrom_, from);
}

void ReportText::SetColour(int start, int length, Rgb colour) {
  const int from = std::max(start, 0);
  const int to = std::min(start + length, Length());
  if (from >= to) return;
  for (int i = from; i < to; ++i) styles_[static_cast<size_t>(i)].colour = colour;
  dirtyStyleFrom_ = std::min(dirtyStyleFrom_, from);
}

std::vector<StyleRun> ReportText::Runs(int start, int length) const {
  std::vector<StyleRun> runs;
  const int from = std::max(start, 0);
  const int to = std::min(start + length, Length());
  for (int i = from; i < to;) {
    const CharStyle s = styles_[static_cast<size_t>(i)];
    int j = i + 1;
    while (j < to && styles_[static_cast<size_t>(j)] == s) ++j;
    runs.push_back({i - from, j - i, s});
    i = j;
  }
  return runs;
}

std::vector<StyleRun> ReportText::Runs() const { return Runs(0, Length()); }

LfReport ToLfReport(const ReportText& report) {
  LfReport out;
  const QString& t = report.Text();
  out.text.reserve(t.size());
  std::vector<CharStyle> styles;
  styles.reserve(static_cast<size_t>(t.size()));
  for (int i = 0; i < t.size(); ++i) {
    if (t.at(i) == QLatin1Char('\r') && i + 1 < t.size() && t.at(i + 1) == QLatin1Char('\n')) continue;
    out.text.append(t.at(i));
    styles.push_back(report.StyleAt(i));
  }
  for (size_t i = 0; i < styles.size();) {
    size_t j = i + 1;
    while (j < styles.size() && styles[j] == styles[i]) ++j;
    out.runs.push_back({static_cast<int>(i), static_cast<int>(j - i), styles[i]});
    i = j;
  }
  return out;
}

}  // namespace tombolix
