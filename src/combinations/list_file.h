#pragma once

#include "combinations/combination_list.h"

#include <QByteArrayView>
#include <QString>
#include <QVector>

namespace tombolix {

enum class ListFileStatus {
  Loaded,      // every one of the first 1000 records holds a combination
  Unreadable,  // the file could not be opened or read: nothing is known of it
  Rejected,    // the file is damaged or belongs to another position count
};

struct ListFileLoad {
  ListFileStatus status = ListFileStatus::Rejected;
  // One English line saying why the file was not loaded; empty when loaded.
  QString reason;
  // The loaded list; CombinationList::Empty() unless loaded: nothing of a
  // rejected file is kept.
  CombinationList list = CombinationList::Empty();

  bool IsLoaded() const { return status == ListFileStatus::Loaded; }
};

// The list file of a lottery: "<history folder>/<lottery name>.CMB".
QString ListFilePath(const QString& historyFolder, const QString& lotteryName);

// Reads the list in `bytes` for a lottery of `positionCount` (1..7) positions.
// Its first 1000 records must each hold only bytes 171..180 and decode to a
// combination line of that many positions with "%" or "#" at character 9;
// bytes past the 1000th record are ignored. Loaded lines are rebuilt
// with their index and "%", whatever mark the file held.
ListFileLoad ParseListFile(QByteArrayView bytes, int positionCount);

// Reads at most 1000 records of the file at `path` and parses them. A file
// that cannot be opened or read is Unreadable, never Rejected. Never writes.
ListFileLoad CargarListaCmb(const QString& path, int positionCount);

// Writes `lineasCombLimpias` (1000 lines; missing ones are written empty) as
// the list file at `path` for `positionCount` (1..7) positions. The file is
// replaced whole or not at all: on failure (an unwritable folder, a full disk)
// the file that was there is left as it was. A read-only file is never
// replaced. True when the file was written.
bool GuardarListaCmb(const QString& path, const QVector<QString>& lineasCombLimpias, int positionCount);

// Deletes the list file at `path`, clearing its read-only attribute first.
// True when nothing is left at `path` (also when nothing was there); false when
// the file could not be deleted, with its attributes put back as they were.
bool RemoveListFile(const QString& path);

}  // namespace tombolix
