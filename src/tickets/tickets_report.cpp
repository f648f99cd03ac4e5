#include "tickets/tickets_report.h"

#include "history/spanish_numbers.h"
#include "history/two_digits.h"
#include "tickets/ticket_chance.h"

#include <QStringList>

#include <algorithm>
#include <map>

namespace tombolix {

namespace {

constexpr Rgb kTitleColour = MakeRgb(0, 0, 160);
constexpr Rgb kChanceColour = MakeRgb(128, 128, 128);
constexpr Rgb kInsideColour = MakeRgb(0, 128, 0);
constexpr Rgb kOutsideColour = MakeRgb(192, 0, 0);
constexpr Rgb kErrorColour = MakeRgb(192, 0, 0);
constexpr int kColumn = 8;

const QString kCrLf = QStringLiteral("\r\n");

// Appends `text` and a line break in a style of its own.
void Line(ReportText& report, const QString& text, Rgb colour = kDefaultTextColour, bool bold = false) {
  const int start = report.Length();
  report.Append(text);
  report.SetStyle(start, report.Length() - start, {colour, bold});
  report.Append(kCrLf);
}

QString Matches(const GameShape& shape, int main, int extra) {
  QString text =
      shape.kind == GameKind::Digits
          ? QStringLiteral("%1 %2").arg(main).arg(main == 1 ? QStringLiteral("cifra") : QStringLiteral("cifras"))
          : QStringLiteral("%1 %2").arg(main).arg(main == 1 ? QStringLiteral("acierto") : QStringLiteral("aciertos"));
  if (shape.extraCount == 0) return text;
  if (shape.extraFromMainPool) {
    if (shape.extraCount == 1) return extra > 0 ? text + QStringLiteral(" + complementario") : text;
    return text + QStringLiteral(" + %1 complementarios").arg(extra);
  }
  return text + QStringLiteral(" + %1 extra").arg(extra);
}

QString ChanceSource(const GameShape& shape, MatchRule rule) {
  if (rule == MatchRule::InPosition) {
    QString text = QStringLiteral("cada posición del sorteo, uno de sus %1 valores por igual").arg(shape.MainRange());
    if (shape.kind == GameKind::Pool) text += QStringLiteral(" (aproximado: el bombo no repite números)");
    return text;
  }
  if (shape.kind == GameKind::Digits) {
    return QStringLiteral("cada cifra del sorteo, una de %1 por igual; depende de las cifras repetidas de la jugada")
        .arg(shape.MainRange());
  }
  return QStringLiteral("sorteos al azar de %1 números distintos del %2 al %3 (cálculo exacto, hipergeométrico)")
      .arg(shape.mainCount)
      .arg(shape.mainLow)
      .arg(shape.mainHigh);
}

QString RuleLine(const GameShape& shape, MatchRule rule) {
  QString text = QStringLiteral("Regla: los números %1").arg(MatchRuleName(rule));
  if (shape.kind == GameKind::Digits && rule == MatchRule::AnyOrder)
    text += QStringLiteral(" (cifras repetidas incluidas)");
  if (shape.extraCount > 0) {
    text += shape.extraFromMainPool ? QStringLiteral("; el complementario, entre los números de la jugada")
                                    : QStringLiteral("; los extra aparte");
  }
  return text;
}

// Running figures for the summary, and the bands already worked out: most
// tickets of a game share one chance, and a band sums up to every count.
struct Tally {
  int above = 0;
  int below = 0;
  double expectedOutside = 0;
  std::map<double, ChanceBand> bands;

  const ChanceBand& Band(int draws, double p) {
    auto it = bands.find(p);
    if (it == bands.end()) it = bands.emplace(p, BinomialBand(draws, p)).first;
    return it->second;
  }
};

void TicketSection(ReportText& report, const HistoryView& h, const TicketsOptions& o, int index, const Ticket& ticket,
                   const TicketResult& r, Tally& tally) {
  const GameShape& shape = o.shape;
  QStringList numbers;
  for (int k = 0; k < ticket.numbers.size(); ++k) {
    if (k == shape.mainCount) numbers.append(QStringLiteral("+"));
    // Digits read as written ("0 4 2 7"); pool numbers with two digits, as in the history.
    const bool digit = shape.kind == GameKind::Digits && shape.mainHigh <= 9;
    numbers.append(digit ? QString::number(ticket.numbers[k]) : TwoDigits(ticket.numbers[k]));
  }
  Line(report,
       QStringLiteral("JUGADA %1 (línea %2):  %3").arg(index).arg(ticket.line).arg(numbers.join(QLatin1Char(' '))),
       kDefaultTextColour, true);
  const QVector<double> chances = MatchChances(shape, o.rule, ticket.numbers);
  QString head = QStringLiteral("  Aciertos").leftJustified(12);
  QString drawn = QStringLiteral("  Sorteos").leftJustified(12);
  QString chance = QStringLiteral("  Azar").leftJustified(12);
  for (int k = 0; k <= shape.mainCount; ++k) {
    head += QString::number(k).rightJustified(kColumn);
    drawn += QString::number(r.DrawsWithMain(shape, k)).rightJustified(kColumn);
    double expected = 0;
    for (int e = 0; e <= shape.extraCount; ++e) expected += chances.value(MatchBin(shape, k, e));
    chance += SpanishDecimal(expected * h.DrawCount, 1).rightJustified(kColumn);
  }
  Line(report, head);
  Line(report, drawn);
  Line(report, chance, kChanceColour);
  QStringList dates;
  for (const int d : r.bestRecent) dates.append(h.Date(d).trimmed());
  QString best = QStringLiteral("  Mejor: %1, en %2 %3: %4")
                     .arg(Matches(shape, r.bestMain, r.bestExtra))
                     .arg(r.bestDraws)
                     .arg(r.bestDraws == 1 ? QStringLiteral("sorteo") : QStringLiteral("sorteos"))
                     .arg(dates.join(QStringLiteral(", ")));
  if (r.bestDraws > r.bestRecent.size()) best += QStringLiteral(" (los más recientes)");
  Line(report, best);
  Line(report, QStringLiteral("  Último sorteo (%1): %2")
                   .arg(h.Date(h.DrawCount).trimmed(), Matches(shape, r.latestMain, r.latestExtra)));
  const int prizes = r.DrawsFrom(shape, o.threshold);
  const ChanceBand band = tally.Band(h.DrawCount, ChanceFrom(shape, chances, o.threshold));
  tally.expectedOutside += 1.0 - band.coverage;
  const bool inside = prizes >= band.low && prizes <= band.high;
  if (!inside) ++(prizes > band.high ? tally.above : tally.below);
  report.Append(QStringLiteral("  Con %1 o más: %2 sorteos; el azar da %3 (franja del 95 %: %4 a %5): ")
                    .arg(Matches(shape, o.threshold, 0).section(QLatin1Char(' '), 0, 1))
                    .arg(prizes)
                    .arg(SpanishDecimal(band.mean, 1))
                    .arg(band.low)
                    .arg(band.high));
  Line(report,
       inside               ? QStringLiteral("dentro de la franja")
       : prizes > band.high ? QStringLiteral("por encima de la franja")
                            : QStringLiteral("por debajo de la franja"),
       inside ? kInsideColour : kOutsideColour, !inside);
  report.Append(kCrLf);
}

}  // namespace

QString MatchRuleName(MatchRule rule) {
  return rule == MatchRule::AnyOrder ? QStringLiteral("en cualquier orden") : QStringLiteral("en su posición");
}

TicketsOptions DefaultTicketsOptions(const HistoryView& history) {
  TicketsOptions o;
  o.shape = GuessGameShape(history);
  o.rule = DefaultMatchRule(o.shape);
  o.threshold = DefaultPrizeThreshold(o.shape);
  return o;
}

TicketsOutcome CheckTicketsText(const HistoryView& h, const QString& lottery, const TicketsOptions& options,
                                QStringView text) {
  TicketsOutcome outcome;
  TicketsOptions o = options;
  o.threshold = std::clamp(o.threshold, 1, std::max(o.shape.mainCount, 1));
  const TicketLines lines = ReadTicketLines(text, o.shape);
  outcome.errors = lines.errors;
  outcome.checked = h.DrawCount > 0 ? static_cast<int>(lines.tickets.size()) : 0;
  ReportText& report = outcome.report;
  Line(report, QStringLiteral("COMPROBAR JUGADAS: %1").arg(lottery), kTitleColour, true);
  Line(report, QStringLiteral("Juego: %1").arg(DescribeGameShape(o.shape)));
  Line(report, RuleLine(o.shape, o.rule));
  if (h.DrawCount < 1) {
    Line(report, QStringLiteral("El historial no tiene sorteos con los que comprobar."), kErrorColour);
    return outcome;
  }
  Line(report, QStringLiteral("Sorteos comprobados: %1, del %2 al %3")
                   .arg(h.DrawCount)
                   .arg(h.Date(1).trimmed(), h.Date(h.DrawCount).trimmed()));
  Line(report,
       QStringLiteral("Premio desde %1. Azar: %2.")
           .arg(Matches(o.shape, o.threshold, 0).section(QLatin1Char(' '), 0, 1), ChanceSource(o.shape, o.rule)));
  report.Append(kCrLf);
  const QVector<TicketResult> results = CheckTickets(h, o.shape, o.rule, lines.tickets);
  Tally tally;
  for (int i = 0; i < lines.tickets.size(); ++i)
    TicketSection(report, h, o, i + 1, lines.tickets[i], results[i], tally);
  if (!lines.errors.isEmpty()) {
    Line(report, QStringLiteral("LÍNEAS QUE NO SON JUGADAS DE ESTE JUEGO"), kErrorColour, true);
    for (const TicketLineError& e : lines.errors) {
      Line(report, QStringLiteral("  Línea %1 («%2»): %3").arg(e.line).arg(e.text, e.reason), kErrorColour);
    }
    report.Append(kCrLf);
  }
  Line(report, QStringLiteral("RESUMEN"), kTitleColour, true);
  if (lines.tickets.isEmpty()) {
    Line(report, QStringLiteral("  No hay ninguna jugada de este juego que comprobar."), kErrorColour);
  } else {
    Line(report, QStringLiteral("  %1 %2 en %3 sorteos.")
                     .arg(lines.tickets.size())
                     .arg(lines.tickets.size() == 1 ? QStringLiteral("jugada comprobada")
                                                    : QStringLiteral("jugadas comprobadas"))
                     .arg(h.DrawCount));
    Line(report, QStringLiteral("  Fuera de su franja del 95 %: %1 (%2 por encima, %3 por debajo); el azar, por sí "
                                "solo, deja fuera unas %4.")
                     .arg(tally.above + tally.below)
                     .arg(tally.above)
                     .arg(tally.below)
                     .arg(SpanishDecimal(tally.expectedOutside, 1)));
  }
  Line(report, QStringLiteral("  Ningún resultado pasado cambia las probabilidades del próximo sorteo."),
       kDefaultTextColour, true);
  return outcome;
}

}  // namespace tombolix
