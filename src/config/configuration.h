#pragma once

#include <QByteArrayView>
#include <QString>

namespace tombolix {

// The first value of the configuration file: text up to the first ',' or the
// end of the first line; a value in double quotes may hold commas and loses its
// quotes; surrounding spaces removed; decoded as UTF-8 (a byte-order mark is
// ignored). Invalid UTF-8 gives an empty value.
QString ParseConfigurationValue(QByteArrayView bytes);

// UTF8toANSI: bytes taken as UTF-8; empty when empty or not valid UTF-8.
QString Utf8ToAnsi(QByteArrayView bytes);

enum class ConfigurationStatus { Read, Created, Unwritable };
struct ConfigurationResult {
  ConfigurationStatus status = ConfigurationStatus::Read;
  QString HistoryFolder;  // no trailing separator; the default folder when the value names none
};

// ReadConfiguration: reads programFolder/Recursos/Tombolix.INI, or creates it
// with one empty line (CR LF). Unwritable means the file was missing and could
// not be created; the caller shows messages 37/38 and ends the program.
ConfigurationResult ReadConfiguration(const QString& programFolder);

}  // namespace tombolix
