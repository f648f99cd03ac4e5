#include "app/command_log.h"

namespace tombolix {

Q_LOGGING_CATEGORY(lcCommands, "tombolix.commands", QtWarningMsg)

}  // namespace tombolix
