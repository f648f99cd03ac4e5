#pragma once

#include "history/history.h"

#include <QByteArrayView>
#include <QString>

namespace tombolix {

// Result of reading a history file. On rejection `history` keeps the draws read
// before the offending line and `rejectedLine` holds that line as normalised
// (spaces and tabs removed, fields cut to two characters, fillers dropped);
// it is empty when the first line was empty or had fewer than two numbers.
struct LoadedHistory {
  History history;
  AcceptanceValues acceptance;
  QString rejectedLine;
  bool accepted = false;  // rejectedLine empty and at least one draw
};

// Parses the bytes of a history file (8-bit text, Windows-1252).
LoadedHistory ParseHistory(QByteArrayView bytes);

// Reads and parses a history file; a file that cannot be read parses as empty.
// Never writes to the file.
LoadedHistory ReadHistoryFile(const QString& path);

}  // namespace tombolix
