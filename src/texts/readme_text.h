#pragma once

#include "codec/ansi_codec.h"

#include <QString>
#include <QStringList>

namespace tombolix {

struct WebAddresses;

// The lines of the read-me document: 71 with a contact e-mail; without one the
// invitation to write is left out, and the contact line too when there is no
// product page either.
QStringList ReadmeLines(const WebAddresses& addresses);

enum class ReadmeStatus { AlreadyThere, Written, Unwritable };
// EscribirLeame: writes the read-me into `folder` when it is missing, whole or
// not at all, in the encoding of the user's text editor, lines ended by CR LF.
// Unwritable: the caller shows 37/38 and ends.
ReadmeStatus EscribirLeame(const QString& folder, const WebAddresses& addresses, TextEncoding encoding);

}  // namespace tombolix
