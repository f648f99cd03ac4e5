#include "wheels/wheel_outcome.h"

#include "wheels/covering_bounds.h"

#include <algorithm>
#include <bit>

namespace tombolix {

namespace {

QString Numbers(const std::vector<int>& numbers) {
  QStringList items;
  for (const int n : numbers) items.append(TwoDigits(n));
  return items.join(QLatin1Char(' '));
}

QString Tickets(std::uint64_t count) {
  return count == 1 ? QStringLiteral("1 jugada") : QStringLiteral("%1 jugadas").arg(SpanishCount(count));
}

std::vector<int> NumbersOf(std::uint32_t mask, const std::vector<int>& chosen) {
  std::vector<int> numbers;
  for (size_t bit = 0; bit < chosen.size(); ++bit) {
    if ((mask >> bit) & 1u) numbers.push_back(chosen[bit]);
  }
  return numbers;
}

QString GuaranteeLine(const WheelOutcome& o) {
  const WheelShape& s = o.shape;
  const QString hits = s.t == 1 ? QStringLiteral("1 acierto") : QStringLiteral("%1 aciertos").arg(s.t);
  return QStringLiteral(
             "Garantía comprobada: al menos %1 en una misma jugada si salen %2 de los %3 números elegidos. "
             "Se comprobaron uno por uno los %4 grupos de %2 números elegidos: todos quedan cubiertos.")
      .arg(hits)
      .arg(s.m)
      .arg(s.v)
      .arg(SpanishCount(o.check.subsetsChecked));
}

QString SizesLine(const WheelOutcome& o) {
  const WheelShape& s = o.shape;
  if (s.t != s.m) {
    return QStringLiteral(
        "Cuando la garantía pide menos aciertos que números que salen, no hay aquí una cota publicada que citar: "
        "ni un mínimo de jugadas ni un mejor tamaño conocido.");
  }
  QString line = QStringLiteral("Cota inferior de Schönheim: %1.").arg(Tickets(SchonheimBound(s.v, s.k, s.t)));
  if (o.request.fixed.empty()) {
    if (const std::optional<KnownWheelSize> known = BestKnownSize(s.v, s.k, s.t, s.m)) {
      line += QStringLiteral(" Mejor tamaño publicado: %1 (%2%3).")
                  .arg(Tickets(known->tickets), known->source,
                       known->provenMinimum ? QStringLiteral("; es el mínimo posible") : QString());
    } else {
      line += QStringLiteral(" No hay aquí un mejor tamaño publicado que citar para estos valores.");
    }
  } else {
    line += QStringLiteral(" Con números fijos no se compara con tamaños publicados, que no los tienen.");
  }
  return line;
}

QString FailureText(const WheelOutcome& o) {
  QString text = QStringLiteral("La comprobación de la reducción ha fallado: NO cumple la garantía y no se muestra.");
  if (o.check.uncovered > 0) {
    text += QStringLiteral(" %1 grupos de %2 números quedan sin cubrir (el primero: %3).")
                .arg(SpanishCount(o.check.uncovered))
                .arg(o.shape.m)
                .arg(Numbers(NumbersOf(o.check.firstUncovered, o.request.chosen)));
  }
  if (o.check.badTickets > 0) text += QStringLiteral(" %1 jugadas están mal formadas.").arg(o.check.badTickets);
  return text;
}

}  // namespace

WheelShape ShapeOf(const WheelRequest& normalised) {
  WheelShape shape{static_cast<int>(normalised.chosen.size()), normalised.ticketSize, normalised.hits,
                   normalised.drawnAmongChosen, 0};
  for (size_t bit = 0; bit < normalised.chosen.size(); ++bit) {
    if (std::find(normalised.fixed.begin(), normalised.fixed.end(), normalised.chosen[bit]) != normalised.fixed.end()) {
      shape.fixedMask |= std::uint32_t{1} << bit;
    }
  }
  return shape;
}

WheelOutcome BuildWheel(const WheelRequest& request, const PoolGame& game, const WheelProgress& progress) {
  WheelOutcome outcome;
  outcome.request = Normalised(request);
  outcome.game = game;
  outcome.shape = ShapeOf(outcome.request);
  outcome.search = SearchWheel(outcome.shape, qint64{outcome.request.seconds} * 1000, outcome.request.seed, progress);
  if (outcome.search.cancelled) return outcome;
  outcome.check = CheckWheel(outcome.shape, outcome.search.tickets);
  for (const std::uint32_t ticket : outcome.search.tickets) {
    outcome.tickets.push_back(NumbersOf(ticket, outcome.request.chosen));
  }
  // In the order a player reads them: by their numbers, smallest first.
  std::sort(outcome.tickets.begin(), outcome.tickets.end());
  return outcome;
}

QStringList WheelTicketLines(const WheelOutcome& outcome) {
  QStringList lines;
  if (!outcome.Verified()) return lines;
  for (const std::vector<int>& ticket : outcome.tickets) lines.append(Numbers(ticket));
  return lines;
}

QString WheelCsv(const WheelOutcome& outcome) {
  if (!outcome.Verified()) return QString();
  QString csv = QStringLiteral("Jugada");
  for (int i = 1; i <= outcome.shape.k; ++i) csv += QStringLiteral(",Número %1").arg(i);
  csv += QLatin1Char('\n');
  for (size_t i = 0; i < outcome.tickets.size(); ++i) {
    csv += QString::number(i + 1);
    for (const int n : outcome.tickets[i]) csv += QLatin1Char(',') + TwoDigits(n);
    csv += QLatin1Char('\n');
  }
  return csv;
}

QString WheelSummary(const WheelOutcome& o) {
  if (o.search.cancelled) return QStringLiteral("Búsqueda cancelada: no hay reducción.");
  if (!o.Verified()) return FailureText(o);
  const WheelShape& s = o.shape;
  QStringList lines;
  lines << QStringLiteral("Reducción de %1 números en jugadas de %2: %3.")
               .arg(s.v)
               .arg(s.k)
               .arg(Tickets(o.tickets.size()));
  lines << GuaranteeLine(o);
  if (!o.request.fixed.empty()) {
    lines << QStringLiteral(
                 "Números fijos en todas las jugadas: %1. La garantía se comprobó sobre los %2 números elegidos, "
                 "fijos incluidos.")
                 .arg(Numbers(o.request.fixed))
                 .arg(s.v);
  }
  lines << SizesLine(o);
  if (o.search.timedOut && !o.search.reachedLowerBound) {
    lines << QStringLiteral("La búsqueda agotó su tiempo (%1 s): con más tiempo podría encontrar menos jugadas.")
                 .arg(o.request.seconds);
  }
  lines << QStringLiteral("Probabilidad de que salgan al menos %1 de sus %2 números en un sorteo: %3")
               .arg(s.m)
               .arg(s.v)
               .arg(SpanishPercent(ProbabilityAtLeast(o.game.PoolSize(), o.game.drawn, s.v, s.m)));
  lines << QStringLiteral(
               "La reducción no cambia la probabilidad de ninguna jugada: cada una tiene la misma que cualquier otra "
               "combinación. Su garantía solo se cumple si salen %1 de los %2 números elegidos.")
               .arg(s.m)
               .arg(s.v);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace tombolix
