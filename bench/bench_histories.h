#pragma once

#include "history/loader.h"
#include "synthetic_history.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <map>
#include <utility>

namespace tombolix::bench {

// Synthetic history text of `draws` draws with `positions` numbers, the same for
// every benchmark: 3 and 4 are digit games, 6 is five of 69 plus a ball of 26,
// 7 is six of 45 plus a ball of 16. Built once per size and cached.
inline const QByteArray& HistoryText(int draws, int positions) {
  static std::map<std::pair<int, int>, QByteArray> cache;
  auto [it, inserted] = cache.try_emplace({draws, positions});
  if (inserted) {
    SynthOptions options;
    options.draws = draws;
    options.seed = static_cast<std::uint64_t>(draws * 10 + positions);
    if (positions <= 4) {
      options.kind = SynthOptions::Kind::Digits;
      options.positions = positions;
    } else if (positions == 6) {
      options.numbers = 5;
      options.max = 69;
      options.bonus = 26;
    } else {
      options.numbers = 6;
      options.max = 45;
      options.bonus = 16;
    }
    it->second = SyntheticHistory(options);
  }
  return it->second;
}

// The loaded history of HistoryText(draws, positions), cached likewise.
inline const History& LoadedBenchHistory(int draws, int positions) {
  static std::map<std::pair<int, int>, History> cache;
  auto [it, inserted] = cache.try_emplace({draws, positions});
  if (inserted) it->second = ParseHistory(HistoryText(draws, positions)).history;
  return it->second;
}

// Writes HistoryText(draws, positions) as "Loto.txt" in `folder`; returns its
// path, or an empty string when it could not be written.
inline QString WriteHistoryFile(const QString& folder, int draws, int positions) {
  const QString path = QDir(folder).filePath(QStringLiteral("Loto.txt"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(HistoryText(draws, positions)) < 0) return QString();
  return path;
}

}  // namespace tombolix::bench
