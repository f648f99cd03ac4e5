#pragma once

#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

namespace tombolix {

// The program's own settings: one INI file, Recursos/Tombolix.ajustes in the
// program folder (Recursos/Tombolix.INI is the separate history-folder file).
// A missing file reads as defaults; a file that cannot be written keeps the
// values for this run only.
class ProgramSettings {
 public:
  explicit ProgramSettings(const QString& programFolder);
  ~ProgramSettings();
  ProgramSettings(const ProgramSettings&) = delete;
  ProgramSettings& operator=(const ProgramSettings&) = delete;

  // The address results of a lottery are downloaded from; empty when none.
  QString WebAddress(const QString& lottery) const;
  // An empty address forgets the lottery's address.
  void SetWebAddress(const QString& lottery, const QString& address);

  QVariant Value(const QString& key, const QVariant& fallback = {}) const;
  void SetValue(const QString& key, const QVariant& value);

  // False when the file could not be read or written.
  bool Ok() const;

 private:
  std::unique_ptr<QSettings> settings_;
};

// The key of a lottery's value in `group`, the lottery name escaped for QSettings.
QString LotterySettingsKey(const QString& group, const QString& lottery);

// The settings file of a program folder.
QString ProgramSettingsPath(const QString& programFolder);

}  // namespace tombolix
