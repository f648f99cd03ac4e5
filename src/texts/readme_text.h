#pragma once

#include <QString>
#include <QStringList>

namespace tombolix {

inline const QString kReadmeFileName = QStringLiteral("Tombolix Léame.TXT");

struct WebAddresses;

// The lines of the read-me document: 71 with a contact e-mail; without one the
// invitation to write is left out, and the contact line too when there is no
// product page either.
QStringList ReadmeLines(const WebAddresses& addresses);

enum class ReadmeStatus { AlreadyThere, Written, Unwritable };
// EscribirLeame: writes the read-me into `folder` when it is missing, in the
// system's text encoding (Windows-1252 on Windows, UTF-8 elsewhere), lines
// ended by CR LF, through QSaveFile. Unwritable: the caller shows 37/38 and ends.
ReadmeStatus EscribirLeame(const QString& folder, const WebAddresses& addresses);

}  // namespace tombolix
