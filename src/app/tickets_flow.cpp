#include "app/tickets_flow.h"

#include "app/platform.h"
#include "app/program_settings.h"
#include "app/tombolix_app.h"
#include "tickets/ticket_chance.h"

#include <QStringList>

namespace tombolix {

namespace {

const QString kShapeGroup = QStringLiteral("FormaDelJuego");
const QString kRuleGroup = QStringLiteral("ReglaDeJugadas");
const QString kInPosition = QStringLiteral("en-su-posicion");
const QString kAnyOrder = QStringLiteral("en-cualquier-orden");

}  // namespace

TicketsOptions TicketsOptionsFor(const TicketsRequest& request) {
  const HistoryView view(request.history);
  TicketsOptions options = DefaultTicketsOptions(view);
  if (request.lottery.isEmpty()) return options;
  const ProgramSettings settings(request.programFolder);
  GameShape saved;
  if (!GameShapeFromText(settings.Value(LotterySettingsKey(kShapeGroup, request.lottery)).toString(), &saved) ||
      !CheckGameShape(saved, view.PositionCount).isEmpty()) {
    return options;
  }
  options.shape = saved;
  options.rule = DefaultMatchRule(saved);
  options.threshold = DefaultPrizeThreshold(saved);
  // "rule;threshold"; an unreadable value leaves the shape's defaults.
  const QStringList rule = settings.Value(LotterySettingsKey(kRuleGroup, request.lottery)).toString().split(u';');
  if (rule.size() == 2 && (rule[0] == kInPosition || rule[0] == kAnyOrder)) {
    options.rule = rule[0] == kInPosition ? MatchRule::InPosition : MatchRule::AnyOrder;
    bool ok = false;
    const int threshold = rule[1].toInt(&ok);
    if (ok && threshold >= 1 && threshold <= saved.mainCount) options.threshold = threshold;
  }
  return options;
}

void RememberTicketsOptions(const TicketsRequest& request, const TicketsOptions& options) {
  if (request.lottery.isEmpty()) return;
  ProgramSettings settings(request.programFolder);
  settings.SetValue(LotterySettingsKey(kShapeGroup, request.lottery), GameShapeToText(options.shape));
  settings.SetValue(LotterySettingsKey(kRuleGroup, request.lottery),
                    QStringLiteral("%1;%2")
                        .arg(options.rule == MatchRule::InPosition ? kInPosition : kAnyOrder)
                        .arg(options.threshold));
}

TicketsRun RunTicketsCheck(const TicketsRequest& request, const TicketsOptions& options, QStringView text) {
  TicketsRun run;
  const HistoryView view(request.history);
  run.problem = CheckGameShape(options.shape, view.PositionCount);
  if (options.threshold < 1 || options.threshold > options.shape.mainCount) {
    run.problem = QStringLiteral("el premio va de 1 a %1 aciertos").arg(options.shape.mainCount);
  }
  if (!run.problem.isEmpty()) return run;
  run.outcome = CheckTicketsText(view, request.lottery, options, text);
  return run;
}

bool TombolixApp::OpenTicketChecker(const QString& text) {
  const WindowModel& m = model_;
  if (m.busy || Ending(m) || m.ReloadPending() || m.history.DrawCount < 1 || m.history.PositionCount < 1) {
    platform_.Beep();
    return false;
  }
  platform_.OpenTicketChecker(TicketsRequest{m.history, m.CboLoteria.Text(), programFolder_, m.HistoryFolder, text});
  return true;
}

}  // namespace tombolix
