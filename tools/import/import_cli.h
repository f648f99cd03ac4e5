#pragma once

#include <QStringList>
#include <QTextStream>

namespace tombolix {

// Exit codes of tombolix-import.
inline constexpr int kImportWritten = 0;        // written or added (with --check: would be)
inline constexpr int kImportFileErrors = 1;     // the file has errors: nothing written
inline constexpr int kImportExists = 2;         // the history exists and neither --replace nor --append was given
inline constexpr int kImportUnreadable = 3;     // the input cannot be read, or is no results text
inline constexpr int kImportWriteFailed = 4;    // the history could not be written (nothing left behind)
inline constexpr int kImportAppendRefused = 5;  // --append: the history and the file disagree
inline constexpr int kImportBadCommand = 64;    // bad command line, or a lottery name that cannot be a file name

// Runs tombolix-import with `arguments` (without the program name): prints the
// report on `out`, failures on `err`, and returns the exit code.
int RunImportCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace tombolix
