#pragma once

#include <QtGlobal>

namespace tombolix {

// How long the process has been running, in milliseconds: from the moment the
// system started it where that can be read (Linux), otherwise from the first
// call of this function. Used to report the start-up time on request.
qint64 ProcessAgeMs();

}  // namespace tombolix
