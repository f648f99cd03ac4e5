#include "importer/header_words.h"

#include <QRegularExpression>
#include <QStringList>

namespace tombolix {

namespace {

// Lower case, accents removed, anything but letters, digits and "#" a single space.
QString Folded(const QString& header) {
  const QString decomposed = header.normalized(QString::NormalizationForm_D).toLower();
  QString out;
  out.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    if (c.category() == QChar::Mark_NonSpacing) continue;
    if (c.isLetterOrNumber() || c == u'#') {
      out.append(c);
    } else if (c == u'º' || c == u'°') {
      out.append(u'o');
    } else if (!out.isEmpty() && !out.endsWith(u' ')) {
      out.append(u' ');
    }
  }
  return out.trimmed();
}

bool MatchesAny(const QString& folded, const char* pattern) {
  const QRegularExpression re(QString::fromLatin1(pattern));
  return re.match(folded).hasMatch();
}

}  // namespace

HeaderHint ReadHeaderHint(const QString& header) {
  const QString h = Folded(header);
  if (h.isEmpty()) return HeaderHint::None;
  // Winners and prizes by category, as results files of several games name them.
  if (MatchesAny(h, "^(nb|eu|mt|cat|categoria|category) ?[0-9]+$|^nbjeu$|acertantes|ganadores|winners|apuestas|"
                    "boletos|tickets sold|^bets|ventas|sales|recaudacion")) {
    return HeaderHint::Prizes;
  }
  if (MatchesAny(h, "bote|premio|jackpot|prize|payout|pago|importe|amount|cash|euros|dolares|dollars|"
                    "estimated|estimado|fondo")) {
    return HeaderHint::Money;
  }
  if (MatchesAny(h, "ball ?set|machine|maquina|bombo|juego de bolas")) return HeaderHint::Machine;
  if (MatchesAny(h, "^(game|juego|loteria|lottery|gioco)( name| nombre)?$")) return HeaderHint::Game;
  if (MatchesAny(h, "\\bodd\\b|\\beven\\b|\\bpar(es)?\\b|\\bimpar(es)?\\b|\\bsuma\\b|\\bsum\\b|spread|\\brango\\b|"
                    "\\brange\\b|^total|\\blow\\b|\\bhigh\\b|\\balto\\b|\\bbajo\\b|decena|\\bmedia\\b|average")) {
    return HeaderHint::Statistic;
  }
  if (MatchesAny(h, "multiplier|multiplicador|power ?play|megaplier|^x$|^mult")) return HeaderHint::Multiplier;
  if (MatchesAny(h, "reintegro|refund")) return HeaderHint::Refund;
  if (MatchesAny(h, "^(dia|dia de la semana|weekday|day|day of week)$")) return HeaderHint::Weekday;
  if (MatchesAny(h, "^(hora|time|draw time|hora del sorteo)$")) return HeaderHint::Time;
  // A word and a digit names a ball ("N1", "Bola 1", "Number_1", "digit1", "E1", "Nº 1").
  if (MatchesAny(h, "[a-z] ?[0-9]$|^[0-9]+$")) return HeaderHint::Balls;
  if (MatchesAny(h, "^(sorteo|sorteo no|no sorteo|no de sorteo|numero de sorteo|num sorteo|no|n|num|draw|"
                    "draw ?(#|no|nr|nbr|num|number|id)|#|id|jornada|semana|week|concurso|sequence|sequence number|"
                    "seq|edicion|edition|index|indice)$")) {
    return HeaderHint::Counter;
  }
  if (MatchesAny(h, "bola|ball|numero|number|num|cifra|digit|estrella|star|complementario|bonus|powerball|"
                    "mega ?ball|extra|combinacion|resultado|result|winning|ganador|lucky|chance|clave|plus|"
                    "^comp$|^pb$|^mb$")) {
    return HeaderHint::Balls;
  }
  return HeaderHint::None;
}

QString DrawNameInHeader(const QString& header) {
  static const QRegularExpression kNames(QStringLiteral(
      "\\b(midday|evening|morning|night|day|noon|mediodia|noche|tarde|manana|dia|matutino|vespertino|nocturno)\\b"));
  const QRegularExpressionMatch match = kNames.match(Folded(header));
  return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace tombolix
