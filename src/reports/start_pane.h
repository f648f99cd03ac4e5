#pragma once

#include <QString>

namespace tombolix {

// The start pane: a line centred on 38 columns with the draw count and message
// 24, then four line breaks; four line breaks alone when no draw is loaded.
QString StartPaneText(int drawCount);

// What the start pane shows for a rejected history: the error message, a
// blank line, the rejected line as it was read, CR LF.
QString RejectionText(const QString& rejectedLine);

}  // namespace tombolix
