#pragma once

#include <QStringList>
#include <QTextStream>

namespace tombolix {

// Exit codes of tombolix-import.
inline constexpr int kImportWritten = 0;      // written (with --check: nothing wrong found)
inline constexpr int kImportFileErrors = 1;   // the file has errors: nothing written
inline constexpr int kImportExists = 2;       // the history exists and --replace was not given
inline constexpr int kImportUnreadable = 3;   // the input cannot be read
inline constexpr int kImportWriteFailed = 4;  // the history could not be written (nothing left behind)
inline constexpr int kImportBadCommand = 64;  // bad command line

// Runs tombolix-import with `arguments` (without the program name): prints the
// report on `out`, failures on `err`, and returns the exit code.
int RunImportCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace tombolix
