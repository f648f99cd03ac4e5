#include "wheels/wheel_request.h"

#include "history/selector_population.h"
#include "wheels/covering_bounds.h"
#include "wheels/subset_masks.h"

#include <QRegularExpression>

#include <algorithm>

namespace tombolix {

namespace {

QString NumbersProblem(const WheelRequest& r, const PoolGame& game) {
  const int v = static_cast<int>(r.chosen.size());
  if (v < kMinChosen || v > kMaxChosen) {
    return QStringLiteral("Elija entre %1 y %2 números; ha elegido %3.").arg(kMinChosen).arg(kMaxChosen).arg(v);
  }
  for (size_t i = 0; i < r.chosen.size(); ++i) {
    const int n = r.chosen[i];
    if (n < game.low || n > game.high) {
      return QStringLiteral("El número %1 no es de esta lotería: sus números van del %2 al %3.")
          .arg(n)
          .arg(TwoDigits(game.low), TwoDigits(game.high));
    }
    if (std::find(r.chosen.begin(), r.chosen.begin() + static_cast<std::ptrdiff_t>(i), n) !=
        r.chosen.begin() + static_cast<std::ptrdiff_t>(i)) {
      return QStringLiteral("El número %1 está elegido dos veces.").arg(TwoDigits(n));
    }
  }
  return QString();
}

QString GuaranteeProblem(const WheelRequest& r, const PoolGame& game) {
  const int v = static_cast<int>(r.chosen.size());
  const int k = r.ticketSize;
  const int t = r.hits;
  const int m = r.drawnAmongChosen;
  if (k < 1 || k >= v) {
    return QStringLiteral("Cada jugada debe tener de 1 a %1 números (menos que los %2 elegidos).").arg(v - 1).arg(v);
  }
  if (t < 1) return QStringLiteral("La garantía debe pedir al menos 1 acierto.");
  if (t > k) {
    return QStringLiteral("La garantía pide %1 aciertos, pero cada jugada tiene %2 números.").arg(t).arg(k);
  }
  if (t > m) {
    return QStringLiteral("La garantía no puede pedir más aciertos (%1) que números elegidos que salen (%2).")
        .arg(t)
        .arg(m);
  }
  if (m > game.drawn) {
    return QStringLiteral("En esta lotería salen %1 números por sorteo: no pueden salir %2 de los elegidos.")
        .arg(game.drawn)
        .arg(m);
  }
  if (m > v) return QStringLiteral("No pueden salir %1 de %2 números elegidos.").arg(m).arg(v);
  const std::uint64_t subsets = Binomial(v, m);
  if (subsets > kMaxCheckedSubsets) {
    return QStringLiteral(
               "Hay %1 grupos de %2 entre %3 números y todos deben comprobarse; el límite es %4. "
               "Elija menos números o una garantía más pequeña.")
        .arg(SpanishCount(subsets))
        .arg(m)
        .arg(v)
        .arg(SpanishCount(kMaxCheckedSubsets));
  }
  if (t == m && SchonheimBound(v, k, t) > kMaxLowerBoundTickets) {
    return QStringLiteral("Esa garantía necesita al menos %1 jugadas; el límite es %2.")
        .arg(SpanishCount(SchonheimBound(v, k, t)), SpanishCount(kMaxLowerBoundTickets));
  }
  return QString();
}

QString FixedProblem(const WheelRequest& r) {
  const int v = static_cast<int>(r.chosen.size());
  const int f = static_cast<int>(r.fixed.size());
  for (size_t i = 0; i < r.fixed.size(); ++i) {
    const int n = r.fixed[i];
    if (std::find(r.chosen.begin(), r.chosen.end(), n) == r.chosen.end()) {
      return QStringLiteral("El número fijo %1 no está entre los elegidos.").arg(TwoDigits(n));
    }
    if (std::count(r.fixed.begin(), r.fixed.end(), n) > 1) {
      return QStringLiteral("El número fijo %1 está puesto dos veces.").arg(TwoDigits(n));
    }
  }
  if (f == 0) return QString();
  if (f >= r.ticketSize) {
    return QStringLiteral("Los números fijos (%1) deben ser menos que los números de cada jugada (%2).")
        .arg(f)
        .arg(r.ticketSize);
  }
  // The best any ticket does for a group holding s fixed numbers: the s, and
  // as many of the group's other numbers as the free places of a ticket take.
  const int m = r.drawnAmongChosen;
  const int free = r.ticketSize - f;
  for (int s = std::max(0, m - (v - f)); s <= std::min(f, m); ++s) {
    if (s + std::min(m - s, free) < r.hits) {
      return QStringLiteral(
                 "Con %1 números fijos, las jugadas solo tienen %2 sitios libres: ninguna reducción puede dar "
                 "%3 aciertos si los números que salen no son los fijos.")
          .arg(f)
          .arg(free)
          .arg(r.hits);
    }
  }
  return QString();
}

}  // namespace

std::optional<PoolGame> PoolGameOf(const History& history) {
  if (history.DrawCount < 1) return std::nullopt;
  const SelectorPopulation population = FillSelectors(HistoryView(history), 0);
  PoolGame game;
  game.low = 1000;
  game.high = -1;
  for (int k = 1; k <= history.PositionCount; ++k) {
    // Tag "0": the position's numbers come from the pool the other "0" positions share.
    if (population.tags[static_cast<size_t>(k)] != QLatin1String("0")) continue;
    ++game.drawn;
    for (int d = 1; d <= history.DrawCount; ++d) {
      const int value = history.P(k, d);
      if (value == kFillerValue) continue;
      game.low = std::min(game.low, value);
      game.high = std::max(game.high, value);
    }
  }
  if (game.drawn < 2 || game.high < game.low) return std::nullopt;
  return game;
}

QString NotAPoolGameMessage() {
  return QStringLiteral(
      "Las reducciones son para los juegos cuyos números salen de un mismo bombo. En esta lotería cada posición "
      "se sortea aparte, cifra a cifra, y no hay un grupo de números que reducir.");
}

QString WheelRequestProblem(const WheelRequest& request, const PoolGame& game) {
  QString problem = NumbersProblem(request, game);
  if (problem.isEmpty()) problem = GuaranteeProblem(request, game);
  if (problem.isEmpty()) problem = FixedProblem(request);
  if (problem.isEmpty() && (request.seconds < 1 || request.seconds > kMaxSeconds)) {
    problem = QStringLiteral("El tiempo de búsqueda debe ir de 1 a %1 segundos.").arg(kMaxSeconds);
  }
  return problem;
}

WheelRequest Normalised(WheelRequest request) {
  std::sort(request.chosen.begin(), request.chosen.end());
  std::sort(request.fixed.begin(), request.fixed.end());
  return request;
}

std::optional<std::vector<int>> ParseNumberList(const QString& text) {
  static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
  std::vector<int> numbers;
  for (const QString& item : text.split(separators, Qt::SkipEmptyParts)) {
    bool ok = false;
    const int number = item.toInt(&ok);
    if (!ok || item.size() > 3) return std::nullopt;
    numbers.push_back(number);
  }
  return numbers;
}

}  // namespace tombolix
