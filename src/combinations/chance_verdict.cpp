#include "combinations/chance_verdict.h"

namespace tombolix {

QString VerdictWords(ChanceVerdict verdict) {
  switch (verdict) {
    case ChanceVerdict::Above:
      return QStringLiteral("mejor que el azar");
    case ChanceVerdict::Below:
      return QStringLiteral("peor que el azar");
    case ChanceVerdict::Chance:
      break;
  }
  return QStringLiteral("no se distingue del azar");
}

QString VerdictKey(ChanceVerdict verdict) {
  switch (verdict) {
    case ChanceVerdict::Above:
      return QStringLiteral("above");
    case ChanceVerdict::Below:
      return QStringLiteral("below");
    case ChanceVerdict::Chance:
      break;
  }
  return QStringLiteral("chance");
}

}  // namespace tombolix
