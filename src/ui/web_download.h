#pragma once

#include "app/platform.h"

class QWidget;

namespace tombolix {

// Downloads an http or https address while a window-modal dialog ("Tombolix -
// Descargar resultados") shows the address, the progress and Cancelar (Escape
// too). Redirects are followed, never from https down to http; certificate
// errors are never ignored. It gives up when no data arrives for `stallMs`,
// when the file would exceed `limitBytes`, on an HTTP error and on a web page
// (HTML) where a results file was expected, each with a Spanish message.
DownloadOutcome DownloadWithDialog(QWidget* parent, const QString& address, qint64 limitBytes, int stallMs);

}  // namespace tombolix
