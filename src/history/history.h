#pragma once

#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

namespace tombolix {

// The filler stored in the columns of positions a draw line does not have.
inline constexpr quint8 kFillerValue = 100;
inline constexpr int kMaxPositions = 7;

// The loaded draw history: draws numbered 1..DrawCount, oldest first.
// Columns of positions beyond PositionCount hold kFillerValue (or the extra
// numbers of a later, longer line); only positions 1..PositionCount count.
struct History {
  qint32 DrawCount = 0;
  quint8 PositionCount = 0;
  QVector<QString> DrawDate;                       // index d - 1, each exactly 10 characters
  std::array<QVector<quint8>, kMaxPositions> Pos;  // Pos[k - 1][d - 1]

  quint8 P(int k, int d) const { return Pos[static_cast<size_t>(k - 1)][d - 1]; }
  const QString& Date(int d) const { return DrawDate[d - 1]; }
};

// A read-only view of the first DrawCount draws of a history. Replay maps use a
// shorter view instead of lowering the loaded history's DrawCount.
struct HistoryView {
  const History* history = nullptr;
  qint32 DrawCount = 0;
  quint8 PositionCount = 0;

  HistoryView() = default;
  explicit HistoryView(const History& h) : history(&h), DrawCount(h.DrawCount), PositionCount(h.PositionCount) {}
  HistoryView(const History& h, qint32 drawCount) : history(&h), DrawCount(drawCount), PositionCount(h.PositionCount) {}

  // Number at position k (1..7) of draw d (1..DrawCount).
  quint8 P(int k, int d) const { return history->P(k, d); }
  const QString& Date(int d) const { return history->Date(d); }
  // Oldest draw of the window of the last `size` draws (never below draw 1).
  qint32 WindowStart(qint32 size) const { return DrawCount - size + 1 < 1 ? 1 : DrawCount - size + 1; }
};

// Per-draw counts the combination generator uses to accept candidates,
// measured on the first 100 draws of the file.
struct AcceptanceValues {
  qint32 ConsecutivosAlto = 0;
  qint32 ConsecutivosBajo = 0;
  qint32 ParesAlto = 0;
  qint32 ParesBajo = 0;
  qint32 CompuestosAlto = 0;
  qint32 CompuestosBajo = 0;
};

}  // namespace tombolix
