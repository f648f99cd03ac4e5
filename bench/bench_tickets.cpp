// Checking the player's tickets: the per-draw tally over all tickets, and the
// whole report (reading the lines, chance and bands, the text).

#include "bench_histories.h"

#include "tickets/ticket_check.h"
#include "tickets/tickets_report.h"

#include <benchmark/benchmark.h>

namespace tombolix::bench {

namespace {

// `count` tickets of the shape guessed for the history, numbers spread over
// the game's range (repeats only where the game allows them).
QVector<Ticket> SomeTickets(const GameShape& shape, int count) {
  SplitMix64 random(99);
  QVector<Ticket> tickets;
  for (int i = 0; i < count; ++i) {
    Ticket t;
    while (t.numbers.size() < shape.TicketSize()) {
      const bool extra = t.numbers.size() >= shape.mainCount;
      const int low = extra ? shape.extraLow : shape.mainLow;
      const int range = (extra ? shape.extraHigh : shape.mainHigh) - low + 1;
      const auto n = static_cast<quint8>(low + static_cast<int>(random.Below(static_cast<quint32>(range))));
      const qsizetype from = extra ? shape.mainCount : 0;
      if (shape.kind == GameKind::Digits || !t.numbers.mid(from).contains(n)) t.numbers.append(n);
    }
    tickets.append(t);
  }
  return tickets;
}

QString TicketText(const QVector<Ticket>& tickets) {
  QString text;
  for (const Ticket& t : tickets) {
    for (const quint8 n : t.numbers) text += QString::number(n) + QLatin1Char(' ');
    text += QLatin1Char('\n');
  }
  return text;
}

}  // namespace

// Arguments: tickets, draws, positions of the synthetic history (6: five of 69 plus one of 26; 4: four digits).
void BM_CheckTickets(benchmark::State& state) {
  const HistoryView view(LoadedBenchHistory(static_cast<int>(state.range(1)), static_cast<int>(state.range(2))));
  const GameShape shape = GuessGameShape(view);
  const QVector<Ticket> tickets = SomeTickets(shape, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(CheckTickets(view, shape, DefaultMatchRule(shape), tickets));
  }
}
BENCHMARK(BM_CheckTickets)
    ->Args({1000, 10000, 6})
    ->Args({1000, 10000, 4})
    ->Args({100, 1000, 6})
    ->Args({1000, 100000, 6})
    ->Unit(benchmark::kMillisecond);

void BM_TicketsReport(benchmark::State& state) {
  const HistoryView view(LoadedBenchHistory(static_cast<int>(state.range(1)), 6));
  const TicketsOptions options = DefaultTicketsOptions(view);
  const QString text = TicketText(SomeTickets(options.shape, static_cast<int>(state.range(0))));
  for (auto _ : state) {
    benchmark::DoNotOptimize(CheckTicketsText(view, QStringLiteral("Loto"), options, text));
  }
}
BENCHMARK(BM_TicketsReport)->Args({1000, 10000})->Unit(benchmark::kMillisecond);

}  // namespace tombolix::bench
