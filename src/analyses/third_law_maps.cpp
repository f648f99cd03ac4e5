#include "analyses/third_law_maps.h"

#include "analyses/ley_del_tercio.h"
#include "analyses/map_groups.h"

namespace tombolix {

namespace {

QChar GroupMark(quint8 code) {
  if (code == kThirdLawCodeUpper) return u'%';
  if (code == kThirdLawCodeMiddle) return u'$';
  return u'#';
}

bool IsGroupCode(quint8 v) { return v >= kThirdLawCodeLower && v <= kThirdLawCodeUpper; }

// Classes of the law of the third, rebuilt before every replayed draw.
class ThirdLawClassifier : public ReplayClassifier {
 public:
  explicit ThirdLawClassifier(PositionByteArrays& groups) : groups_(groups) {}

  void Prepare(const HistoryView& known, const SelectorLists& lists) override {
    LeyDelTercioSilent(known, lists, groups_);
  }
  QChar Mark(int k, quint8 x) const override { return ThirdLawMark(groups_[static_cast<size_t>(k)], x); }

 private:
  PositionByteArrays& groups_;
};

}  // namespace

QChar ThirdLawMark(const std::vector<quint8>& groups, quint8 x) {
  const int m = FilledCount(groups);
  if (m == 0) return QChar();
  QChar current = u'&';
  for (int j = 0; j < m; ++j) {
    const quint8 v = groups[static_cast<size_t>(j)];
    if (IsGroupCode(v)) {
      current = GroupMark(v);
    } else if (v == x) {
      return current;
    }
  }
  return u'&';
}

AnalysisOutcome ThirdLawMapM1(const History& history, int analysisWindow, AnalysisArrays& arrays, ReportText& report,
                              StepHooks& hooks) {
  ThirdLawClassifier classifier(arrays.ThirdLawArrays);
  return ReplayMap(history, analysisWindow, classifier, arrays.ThirdLawMapRows, arrays.ReplayStart, report, hooks);
}

void ThirdLawMapM2(AnalysisArrays& arrays, int positionCount, ReportText& report, StepHooks& hooks) {
  GroupMapRows(arrays.ThirdLawMapRows, positionCount, GroupRule{true, u'&'}, report, hooks);
}

}  // namespace tombolix
