#pragma once

#include "history/history.h"
#include "history/line_reader.h"

#include <QByteArrayView>
#include <QString>

class QIODevice;

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

// Reads and parses a history from `device` (opened for reading), chunk by chunk:
// the reading stops at the line that ends the history (the end, the first
// empty line or the first rejected line), so the rest of the device is never
// read. The result is ParseHistory's of the same bytes.
LoadedHistory ReadHistory(QIODevice& device, qsizetype chunkSize = LineReader::kDefaultChunkSize);

// Reads and parses a history file as ReadHistory does; a file that cannot be
// read parses as empty. Never writes to the file.
LoadedHistory ReadHistoryFile(const QString& path);

}  // namespace tombolix
