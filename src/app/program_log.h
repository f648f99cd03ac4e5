#pragma once

#include <QString>

namespace tombolix {

// The program's log file, Recursos/Tombolix.log in the program folder: every
// warning and error of the program, and why it ended, with the time. A program
// started from a menu has no visible standard error, so this is where a
// vanished window can be explained. Messages still go to standard error too.
QString ProgramLogPath(const QString& programFolder);

// The lines kept when the file is trimmed: the last few hundred.
inline constexpr int kLogLinesKept = 300;

// Keeps the last `keepLines` lines of the log file (rewritten whole); nothing
// when it is shorter. False when it could not be rewritten.
bool TrimLogFile(const QString& path, int keepLines);

// Sends warnings and errors to the log file of `programFolder` as well as to
// the handler in place before (standard error). Trims the file first.
void InstallProgramLog(const QString& programFolder);

// Writes why the program ends, at warning level: "fin del programa: <reason>".
void LogProgramEnd(const QString& reason);

// Logs the end of the program on SIGTERM, SIGINT and SIGHUP (where they exist)
// to the log file and standard error, then lets the signal end it as usual.
void LogEndSignals();

}  // namespace tombolix
