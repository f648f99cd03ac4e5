#pragma once

#include "wheels/wheel_outcome.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tombolix {

class Platform;
struct WindowModel;

// Hands the lines of a checked wheel ("07 12 33 ...", one ticket each) to
// "Comprobar jugadas…", the window that checks the player's tickets.
using TicketCheckHandOver = std::function<void(const QStringList& lines)>;

// "Reducciones…": the steps between the dialog and the wheel search. It reads
// the loaded lottery, refuses what cannot be built with a message saying why,
// runs the search in slices that let the window's events run, and saves the
// tickets through the program's one writer.
class WheelFlow {
 public:
  WheelFlow(const WindowModel& model, Platform& platform);

  // The lottery's pool, or the message why there is none to reduce.
  const std::optional<PoolGame>& Game() const { return game_; }
  QString GameProblem() const;
  // Ticket size offered first: the count of numbers drawn from the pool.
  int DefaultTicketSize() const { return game_ ? game_->drawn : 6; }

  // Empty when the request can be built, else the reason in Spanish.
  QString Problem(const WheelRequest& request) const;

  // Builds and checks the wheel. `progress` gets 0..100 after the platform has
  // let events run, and stops the search by returning false. Nothing when the
  // request is refused or the window is busy.
  std::optional<WheelOutcome> Build(const WheelRequest& request, const std::function<bool(int)>& progress);

  // Writes the verified tickets to `path`: CSV when it ends in ".csv", one
  // ticket per line otherwise. Empty on success, else a Spanish message.
  static QString Save(const WheelOutcome& outcome, const QString& path);

 private:
  const WindowModel& model_;
  Platform& platform_;
  std::optional<PoolGame> game_;
};

}  // namespace tombolix
