#include "tickets/ticket_check.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace tombolix {

namespace {

using Word = std::uint64_t;
constexpr int kWordBits = 64;
constexpr int kValues = 100;
// Per-draw match counters: main numbers and extras never exceed 7.
constexpr int kCounterPlanes = 3;

// Sets of tickets, one bit per ticket, `words` words per set.
class TicketSets {
 public:
  TicketSets(int sets, int words) : words_(words), bits_(static_cast<size_t>(sets) * static_cast<size_t>(words)) {}
  Word* Set(int id) { return &bits_[static_cast<size_t>(id) * static_cast<size_t>(words_)]; }
  void Add(int id, int ticket) { Set(id)[ticket / kWordBits] |= Word{1} << (ticket % kWordBits); }

 private:
  int words_;
  std::vector<Word> bits_;
};

// Bit-sliced counters, one per ticket: plane p holds bit p of every counter.
class SlicedCounters {
 public:
  SlicedCounters(int planes, int words)
      : planes_(planes), words_(words), bits_(static_cast<size_t>(planes) * static_cast<size_t>(words)) {}
  void Clear() { std::fill(bits_.begin(), bits_.end(), Word{0}); }
  // Adds 1 to the counters of the tickets in `set`.
  void Add(const Word* set) {
    for (int w = 0; w < words_; ++w) Add(w, set[w]);
  }
  void Add(int w, Word carry) {
    for (int p = 0; p < planes_ && carry != 0; ++p) {
      Word& plane = bits_[Index(p, w)];
      const Word next = plane & carry;
      plane ^= carry;
      carry = next;
    }
  }
  // The tickets of word `w` whose counter equals `value`.
  Word Equal(int w, int value) const {
    Word eq = ~Word{0};
    for (int p = 0; p < planes_; ++p) {
      const Word plane = bits_[Index(p, w)];
      eq &= ((value >> p) & 1) != 0 ? plane : ~plane;
    }
    return eq;
  }
  int Value(int ticket) const {
    int value = 0;
    for (int p = 0; p < planes_; ++p) {
      value |= static_cast<int>((bits_[Index(p, ticket / kWordBits)] >> (ticket % kWordBits)) & 1) << p;
    }
    return value;
  }

 private:
  size_t Index(int p, int w) const {
    return static_cast<size_t>(p) * static_cast<size_t>(words_) + static_cast<size_t>(w);
  }
  int planes_;
  int words_;
  std::vector<Word> bits_;
};

// The sets a draw adds to the counters, as ids into the ticket sets.
struct Features {
  TicketSets main;
  TicketSets extra;
  int maxCopies = 1;  // any-order digits: a number may be held up to this many times
};

int MainId(MatchRule rule, int maxCopies, int position, int value, int copy) {
  return rule == MatchRule::InPosition ? (position - 1) * kValues + value : value * maxCopies + (copy - 1);
}

Features BuildFeatures(const GameShape& shape, MatchRule rule, const QVector<Ticket>& tickets, int words) {
  const int maxCopies = shape.kind == GameKind::Digits ? shape.mainCount : 1;
  Features f{TicketSets(rule == MatchRule::InPosition ? shape.mainCount * kValues : kValues * maxCopies, words),
             TicketSets(kValues, words), maxCopies};
  for (int t = 0; t < tickets.size(); ++t) {
    const QVector<quint8>& n = tickets[t].numbers;
    std::array<int, kValues> copies{};
    for (int k = 1; k <= shape.mainCount; ++k) {
      const int v = n[k - 1];
      // A pool ticket holds each number once (the reader refuses repeats); a repeat adds nothing.
      if (++copies[static_cast<size_t>(v)] > maxCopies && rule == MatchRule::AnyOrder) continue;
      f.main.Add(MainId(rule, maxCopies, k, v, copies[static_cast<size_t>(v)]), t);
      // A complementario is matched against the ticket's main numbers.
      if (shape.extraFromMainPool) f.extra.Add(v, t);
    }
    // A ticket of main numbers only holds no extra to match.
    for (int k = shape.mainCount + 1; k <= std::min<int>(shape.TicketSize(), static_cast<int>(n.size())); ++k)
      f.extra.Add(n[k - 1], t);
  }
  return f;
}

// The counters of one draw: main matches and extra matches per ticket.
struct DrawCounters {
  SlicedCounters main;
  SlicedCounters extra;
};

void CountDraw(const HistoryView& h, const GameShape& shape, MatchRule rule, Features& f, int d, DrawCounters& c) {
  c.main.Clear();
  c.extra.Clear();
  std::array<int, kValues> copies{};
  for (int k = 1; k <= shape.mainCount; ++k) {
    const int v = h.P(k, d);
    if (v >= kValues) continue;
    ++copies[static_cast<size_t>(v)];
    // Any order: the draw's j-th copy of v matches the tickets holding v at least j times.
    if (rule == MatchRule::AnyOrder && copies[static_cast<size_t>(v)] > f.maxCopies) continue;
    c.main.Add(f.main.Set(MainId(rule, f.maxCopies, k, v, copies[static_cast<size_t>(v)])));
  }
  for (int k = shape.mainCount + 1; k <= shape.mainCount + shape.extraCount; ++k) {
    const int v = h.P(k, d);
    if (v < kValues) c.extra.Add(f.extra.Set(v));
  }
}

int BitsFor(int count) { return std::max(1, static_cast<int>(std::bit_width(static_cast<unsigned>(count)))); }

}  // namespace

MatchRule DefaultMatchRule(const GameShape& shape) {
  return shape.kind == GameKind::Digits ? MatchRule::InPosition : MatchRule::AnyOrder;
}

int TicketResult::DrawsFrom(const GameShape& shape, int threshold) const {
  int draws = 0;
  for (int k = std::max(threshold, 0); k <= shape.mainCount; ++k) draws += DrawsWithMain(shape, k);
  return draws;
}

int TicketResult::DrawsWithMain(const GameShape& shape, int main) const {
  int draws = 0;
  for (int e = 0; e <= shape.extraCount; ++e) draws += bins.value(MatchBin(shape, main, e));
  return draws;
}

QVector<TicketResult> CheckTickets(const HistoryView& h, const GameShape& shape, MatchRule rule,
                                   const QVector<Ticket>& tickets) {
  const int count = static_cast<int>(tickets.size());
  QVector<TicketResult> results(count);
  if (count == 0 || h.DrawCount < 1) return results;
  const int words = (count + kWordBits - 1) / kWordBits;
  Features features = BuildFeatures(shape, rule, tickets, words);
  DrawCounters counters{SlicedCounters(kCounterPlanes, words), SlicedCounters(kCounterPlanes, words)};
  const int bins = MatchBinCount(shape);
  // Per bin, a bit-sliced counter of draws for every ticket.
  std::vector<SlicedCounters> tallies(static_cast<size_t>(bins), SlicedCounters(BitsFor(h.DrawCount), words));
  const auto forEachBin = [&](int w, auto&& use) {
    std::array<Word, kMaxPositions + 1> extraEqual{};
    for (int e = 0; e <= shape.extraCount; ++e) extraEqual[static_cast<size_t>(e)] = counters.extra.Equal(w, e);
    for (int k = 0; k <= shape.mainCount; ++k) {
      const Word mainEqual = counters.main.Equal(w, k);
      for (int e = 0; e <= shape.extraCount; ++e)
        use(MatchBin(shape, k, e), mainEqual & extraEqual[static_cast<size_t>(e)]);
    }
  };
  for (int d = 1; d <= h.DrawCount; ++d) {
    CountDraw(h, shape, rule, features, d, counters);
    for (int w = 0; w < words; ++w) {
      forEachBin(w, [&](int bin, Word set) { tallies[static_cast<size_t>(bin)].Add(w, set); });
    }
  }
  // The counters now hold the newest draw.
  for (int t = 0; t < count; ++t) {
    TicketResult& r = results[t];
    r.latestMain = counters.main.Value(t);
    r.latestExtra = counters.extra.Value(t);
    r.bins.resize(bins);
    for (int b = 0; b < bins; ++b) r.bins[b] = tallies[static_cast<size_t>(b)].Value(t);
    for (int b = bins - 1; b >= 0; --b) {
      if (r.bins[b] == 0) continue;
      r.bestMain = b / (shape.extraCount + 1);
      r.bestExtra = b % (shape.extraCount + 1);
      r.bestDraws = r.bins[b];
      break;
    }
  }
  // Second pass, newest draw first, for the dates of each ticket's best match.
  std::vector<std::vector<Word>> bestOf(static_cast<size_t>(bins), std::vector<Word>(static_cast<size_t>(words)));
  for (int t = 0; t < count; ++t) {
    const int b = MatchBin(shape, results[t].bestMain, results[t].bestExtra);
    bestOf[static_cast<size_t>(b)][static_cast<size_t>(t / kWordBits)] |= Word{1} << (t % kWordBits);
  }
  int waiting = count;
  for (int d = h.DrawCount; d >= 1 && waiting > 0; --d) {
    CountDraw(h, shape, rule, features, d, counters);
    for (int w = 0; w < words; ++w) {
      forEachBin(w, [&](int bin, Word set) {
        for (Word hits = set & bestOf[static_cast<size_t>(bin)][static_cast<size_t>(w)]; hits != 0; hits &= hits - 1) {
          const int t = w * kWordBits + std::countr_zero(hits);
          QVector<int>& recent = results[t].bestRecent;
          recent.append(d);
          if (recent.size() == kBestDrawsKept || recent.size() == results[t].bestDraws) {
            // This ticket has all its dates: leave it out of the rest of the pass.
            bestOf[static_cast<size_t>(bin)][static_cast<size_t>(w)] &= ~(Word{1} << (t % kWordBits));
            --waiting;
          }
        }
      });
    }
  }
  return results;
}

}  // namespace tombolix
