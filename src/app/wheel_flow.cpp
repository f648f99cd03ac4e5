#include "app/wheel_flow.h"

#include "app/platform.h"
#include "app/window_model.h"
#include "files/file_io.h"

namespace tombolix {

WheelFlow::WheelFlow(const WindowModel& model, Platform& platform) : model_(model), platform_(platform) {
  if (model.history.DrawCount > 0) game_ = PoolGameOf(model.history);
}

QString WheelFlow::GameProblem() const {
  if (model_.history.DrawCount < 1) return QStringLiteral("Primero cargue una lotería con su historial.");
  return game_ ? QString() : NotAPoolGameMessage();
}

QString WheelFlow::Problem(const WheelRequest& request) const {
  if (!game_) return GameProblem();
  return WheelRequestProblem(request, *game_);
}

std::optional<WheelOutcome> WheelFlow::Build(const WheelRequest& request, const std::function<bool(int)>& progress) {
  if (model_.busy || !Problem(request).isEmpty()) return std::nullopt;
  const PoolGame game = *game_;
  return BuildWheel(request, game, [this, &progress](int percent) {
    platform_.ProcessEvents();
    return !progress || progress(percent);
  });
}

QString WheelFlow::Save(const WheelOutcome& outcome, const QString& path) {
  if (!outcome.Verified()) return QStringLiteral("No hay una reducción comprobada que guardar.");
  const bool csv = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
  const QString text = csv ? WheelCsv(outcome) : WheelTicketLines(outcome).join(QLatin1Char('\n')) + QLatin1Char('\n');
  return WriteWhole(path, text.toUtf8(), WriteMode::Replace);
}

}  // namespace tombolix
