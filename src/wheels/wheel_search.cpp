#include "wheels/wheel_search.h"

#include "wheels/covering_bounds.h"
#include "wheels/subset_masks.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <bit>
#include <cmath>

namespace tombolix {

namespace {

// Moves tried for each size before the search settles for the last wheel found.
constexpr int kMovesPerSize = 300000;
// A longer anneal (twice as long) before a size is given up.
constexpr int kRetries = 1;
// Annealing temperatures, in units of uncovered subsets: a move that leaves
// one more subset uncovered is taken with probability exp(-1 / T).
constexpr double kStartTemperature = 0.3;
constexpr double kEndTemperature = 0.03;
// Blocks compared when choosing which one to move towards an uncovered subset.
constexpr int kBlockSamples = 8;

std::uint32_t RandomBit(std::uint32_t mask, QRandomGenerator& rng) {
  int skip = static_cast<int>(rng.bounded(static_cast<quint32>(CountBits(mask))));
  while (skip-- > 0) mask &= mask - 1;
  return mask & (~mask + 1);
}

std::uint32_t RandomBits(std::uint32_t mask, int count, QRandomGenerator& rng) {
  std::uint32_t taken = 0;
  for (int i = 0; i < count && mask != 0; ++i) {
    const std::uint32_t bit = RandomBit(mask, rng);
    taken |= bit;
    mask &= ~bit;
  }
  return taken;
}

// How many tickets meet each m-subset in t numbers or more, with the list of
// the subsets no ticket meets and, per number, the subsets that hold it.
class Coverage {
 public:
  Coverage(int v, std::vector<std::uint32_t> subsets, int t)
      : subsets_(std::move(subsets)),
        count_(subsets_.size()),
        where_(subsets_.size()),
        holding_(static_cast<size_t>(v)),
        t_(t) {
    for (size_t i = 0; i < subsets_.size(); ++i) {
      where_[i] = static_cast<std::uint32_t>(i);
      uncovered_.push_back(static_cast<std::uint32_t>(i));
      for (std::uint32_t rest = subsets_[i]; rest != 0; rest &= rest - 1) {
        holding_[static_cast<size_t>(std::countr_zero(rest))].push_back(static_cast<std::uint32_t>(i));
      }
    }
  }

  size_t Size() const { return subsets_.size(); }
  std::uint32_t Subset(size_t i) const { return subsets_[i]; }
  bool Covered(size_t i) const { return count_[i] > 0; }
  std::uint64_t Uncovered() const { return uncovered_.size(); }
  bool Meets(std::uint32_t subset, std::uint32_t ticket) const { return CountBits(subset & ticket) >= t_; }

  // The change in uncovered subsets if a new ticket were added.
  std::int64_t AddDelta(std::uint32_t ticket) const {
    std::int64_t delta = 0;
    for (size_t i = 0; i < subsets_.size(); ++i) delta -= count_[i] == 0 && Meets(subsets_[i], ticket) ? 1 : 0;
    return delta;
  }
  void Add(std::uint32_t ticket) {
    for (size_t i = 0; i < subsets_.size(); ++i) {
      if (Meets(subsets_[i], ticket)) Raise(i);
    }
  }
  void Remove(std::uint32_t ticket) {
    for (size_t i = 0; i < subsets_.size(); ++i) {
      if (Meets(subsets_[i], ticket)) Lower(i);
    }
  }
  // The change in uncovered subsets if `before` became `after`, which differ
  // in one number each: only the subsets holding one of the two change.
  std::int64_t SwapDelta(std::uint32_t before, std::uint32_t after) const {
    std::int64_t delta = 0;
    VisitSwap(before, after, [&](size_t i, bool was) {
      if (was && count_[i] == 1) ++delta;
      if (!was && count_[i] == 0) --delta;
    });
    return delta;
  }
  void Swap(std::uint32_t before, std::uint32_t after) {
    VisitSwap(before, after, [this](size_t i, bool was) { was ? Lower(i) : Raise(i); });
  }
  std::uint32_t RandomUncovered(QRandomGenerator& rng) const {
    return subsets_[uncovered_[rng.bounded(static_cast<quint32>(uncovered_.size()))]];
  }
  // Subsets that only this ticket covers.
  std::uint64_t OnlyCoveredBy(std::uint32_t ticket) const {
    std::uint64_t only = 0;
    for (size_t i = 0; i < subsets_.size(); ++i) only += count_[i] == 1 && Meets(subsets_[i], ticket) ? 1 : 0;
    return only;
  }

 private:
  // Calls visit(i, wasMet) for each subset whose meeting with the ticket changes.
  template <typename Visit>
  void VisitSwap(std::uint32_t before, std::uint32_t after, Visit&& visit) const {
    const std::uint32_t out = before & ~after;
    const std::uint32_t in = after & ~before;
    for (const std::uint32_t bit : {out, in}) {
      for (const std::uint32_t i : holding_[static_cast<size_t>(std::countr_zero(bit))]) {
        const std::uint32_t s = subsets_[i];
        if ((s & out) != 0 && (s & in) != 0) continue;  // holds both: the meeting is the same
        const bool was = Meets(s, before);
        if (was != Meets(s, after)) visit(i, was);
      }
    }
  }
  void Raise(size_t i) {
    if (count_[i]++ != 0) return;
    // Out of the uncovered list: the last one takes its place.
    const std::uint32_t last = uncovered_.back();
    uncovered_[where_[i]] = last;
    where_[last] = where_[i];
    uncovered_.pop_back();
  }
  void Lower(size_t i) {
    if (--count_[i] != 0) return;
    where_[i] = static_cast<std::uint32_t>(uncovered_.size());
    uncovered_.push_back(static_cast<std::uint32_t>(i));
  }

  std::vector<std::uint32_t> subsets_;
  std::vector<std::uint32_t> count_;
  std::vector<std::uint32_t> where_;  // place in uncovered_ of each uncovered subset
  std::vector<std::uint32_t> uncovered_;
  std::vector<std::vector<std::uint32_t>> holding_;
  int t_;
};

class Search {
 public:
  Search(const WheelShape& shape, qint64 budgetMs, quint32 seed, const WheelProgress& progress)
      : shape_(shape),
        all_(shape.v >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << shape.v) - 1),
        budgetMs_(budgetMs),
        rng_(seed),
        progress_(progress),
        coverage_(shape.v, AllSubsetMasks(shape.v, shape.m), shape.t) {
    clock_.start();
  }

  WheelSearchResult Run() {
    WheelSearchResult result;
    std::vector<std::uint32_t> best = Greedy();
    const std::uint64_t lower = SmallestPossible();
    while (!stopped_ && best.size() > lower) {
      std::vector<std::uint32_t> smaller = best;
      bool covered = Shrink(smaller);
      // A size the first anneal could not cover gets longer anneals from where
      // it stopped, a fixed schedule so that a seed still gives one result.
      for (int retry = 1; !covered && !stopped_ && retry <= kRetries; ++retry) {
        covered = Anneal(smaller, kMovesPerSize << retry);
      }
      if (!covered) break;
      best = std::move(smaller);
    }
    result.cancelled = cancelled_;
    result.timedOut = timedOut_ && !cancelled_;
    if (!cancelled_) result.tickets = std::move(best);
    result.reachedLowerBound = !result.tickets.empty() && result.tickets.size() <= lower;
    result.elapsedMs = clock_.elapsed();
    return result;
  }

 private:
  // No wheel of this shape can be smaller: a proven minimum when one is
  // published (without fixed numbers), else Schönheim's bound for a covering.
  std::uint64_t SmallestPossible() const {
    if (shape_.t != shape_.m) return 1;
    const std::optional<KnownWheelSize> known = BestKnownSize(shape_.v, shape_.k, shape_.t, shape_.m);
    if (shape_.fixedMask == 0 && known && known->provenMinimum) return known->tickets;
    return SchonheimBound(shape_.v, shape_.k, shape_.t);
  }

  // Tells the caller the share of the budget used; false when it says stop.
  bool Report() {
    const qint64 elapsed = clock_.elapsed();
    const int percent = static_cast<int>(std::min<qint64>(99, budgetMs_ > 0 ? elapsed * 100 / budgetMs_ : 99));
    if (progress_ && !progress_(percent)) cancelled_ = stopped_ = true;
    return !cancelled_;
  }

  // False once the search must stop: the budget is spent or the caller said so.
  bool KeepGoing() {
    if (stopped_ || !Report()) return false;
    if (clock_.elapsed() >= budgetMs_) timedOut_ = stopped_ = true;
    return !stopped_;
  }

  // A ticket that meets `subset` in as many numbers as the free places allow.
  std::uint32_t TicketThrough(std::uint32_t subset) {
    const int free = shape_.k - CountBits(shape_.fixedMask);
    const std::uint32_t own = subset & ~shape_.fixedMask;
    std::uint32_t ticket = shape_.fixedMask | RandomBits(own, std::min(free, CountBits(own)), rng_);
    return ticket | RandomBits(all_ & ~ticket, shape_.k - CountBits(ticket), rng_);
  }

  // Until every subset is met: through the first uncovered subset, the best
  // of a few random tickets by the uncovered subsets it meets. It ignores the
  // budget (there is no wheel before it ends) but not the caller.
  std::vector<std::uint32_t> Greedy() {
    const size_t n = coverage_.Size();
    const int tries = n <= 5000 ? 16 : n <= 50000 ? 4 : 1;
    std::vector<std::uint32_t> tickets;
    size_t next = 0;
    while (coverage_.Uncovered() > 0) {
      while (coverage_.Covered(next)) ++next;
      if (tickets.size() % 8 == 0 && !Report()) return {};
      std::uint32_t chosen = 0;
      std::int64_t chosenGain = 0;
      for (int i = 0; i < tries; ++i) {
        const std::uint32_t ticket = TicketThrough(coverage_.Subset(next));
        const std::int64_t gain = -coverage_.AddDelta(ticket);
        if (chosen == 0 || gain > chosenGain) {
          chosen = ticket;
          chosenGain = gain;
        }
      }
      // Only a request the checks refused could leave the subset unmet.
      if (!coverage_.Meets(coverage_.Subset(next), chosen)) return {};
      coverage_.Add(chosen);
      tickets.push_back(chosen);
    }
    return tickets;
  }

  // Drops the ticket that alone covers the fewest subsets and anneals the
  // rest until they cover again. False when the moves or the time ran out.
  // The coverage stands for `tickets` on entry: the greedy start or the last
  // successful shrink left it so.
  bool Shrink(std::vector<std::uint32_t>& tickets) {
    size_t drop = tickets.size() - 1;
    if (static_cast<double>(tickets.size()) * static_cast<double>(coverage_.Size()) <= 5e7) {
      std::uint64_t fewest = UINT64_MAX;
      for (size_t i = 0; i < tickets.size(); ++i) {
        const std::uint64_t only = coverage_.OnlyCoveredBy(tickets[i]);
        if (only < fewest) {
          fewest = only;
          drop = i;
        }
      }
    }
    coverage_.Remove(tickets[drop]);
    tickets.erase(tickets.begin() + static_cast<std::ptrdiff_t>(drop));
    return Anneal(tickets, kMovesPerSize);
  }

  bool Anneal(std::vector<std::uint32_t>& tickets, int moves) {
    const double cooling = std::pow(kEndTemperature / kStartTemperature, 1.0 / moves);
    double temperature = kStartTemperature;
    for (int move = 0; move < moves; ++move, temperature *= cooling) {
      if (coverage_.Uncovered() == 0) return true;
      if (move % 128 == 0 && !KeepGoing()) return false;
      const std::uint32_t subset = coverage_.RandomUncovered(rng_);
      size_t pick = rng_.bounded(static_cast<quint32>(tickets.size()));
      for (int s = 1; s < kBlockSamples; ++s) {
        const size_t other = rng_.bounded(static_cast<quint32>(tickets.size()));
        if (CountBits(tickets[other] & subset) > CountBits(tickets[pick] & subset)) pick = other;
      }
      const std::uint32_t before = tickets[pick];
      const std::uint32_t out = before & ~subset & ~shape_.fixedMask;
      if (out == 0) continue;
      const std::uint32_t after = before ^ RandomBit(out, rng_) ^ RandomBit(subset & ~before, rng_);
      const std::int64_t delta = coverage_.SwapDelta(before, after);
      if (delta <= 0 || rng_.generateDouble() < std::exp(-static_cast<double>(delta) / temperature)) {
        coverage_.Swap(before, after);
        tickets[pick] = after;
      }
    }
    return coverage_.Uncovered() == 0;
  }

  WheelShape shape_;
  std::uint32_t all_;
  qint64 budgetMs_;
  QRandomGenerator rng_;
  const WheelProgress& progress_;
  Coverage coverage_;
  QElapsedTimer clock_;
  bool stopped_ = false;
  bool cancelled_ = false;
  bool timedOut_ = false;
};

}  // namespace

WheelSearchResult SearchWheel(const WheelShape& shape, qint64 budgetMs, quint32 seed, const WheelProgress& progress) {
  return Search(shape, budgetMs, seed, progress).Run();
}

}  // namespace tombolix
