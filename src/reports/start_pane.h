#pragma once

#include <QString>

namespace tombolix {

// The start pane: a line centred on 38 columns with the draw count and message
// 24, then four line breaks; four line breaks alone when no draw is loaded.
QString StartPaneText(int drawCount);

}  // namespace tombolix
