#include "app/program_settings.h"
#include "files/program_paths.h"

#include <QDir>
#include <QSettings>

namespace tombolix {

namespace {

QString AddressKey(const QString& lottery) { return LotterySettingsKey(QStringLiteral("DireccionesWeb"), lottery); }

}  // namespace

// QSettings takes '/' and '\' in a key as group separators and an empty key as
// nothing; a lottery name (a file name) is made safe by escaping those and the
// escape character itself. QSettings escapes every other character in the file.
QString LotterySettingsKey(const QString& group, const QString& lottery) {
  QString key;
  key.reserve(lottery.size() + 8);
  for (const QChar c : lottery) {
    if (c == QLatin1Char('%') || c == QLatin1Char('/') || c == QLatin1Char('\\')) {
      key += QStringLiteral("%%1").arg(int{c.unicode()}, 2, 16, QLatin1Char('0')).toUpper();
    } else {
      key += c;
    }
  }
  return group + QLatin1Char('/') + key;
}

QString ProgramSettingsPath(const QString& programFolder) { return program_paths::Settings(programFolder); }

ProgramSettings::ProgramSettings(const QString& programFolder)
    : settings_(std::make_unique<QSettings>(ProgramSettingsPath(programFolder), QSettings::IniFormat)) {}

ProgramSettings::~ProgramSettings() = default;

QString ProgramSettings::WebAddress(const QString& lottery) const {
  if (lottery.isEmpty()) return {};
  return settings_->value(AddressKey(lottery)).toString();
}

void ProgramSettings::SetWebAddress(const QString& lottery, const QString& address) {
  if (lottery.isEmpty()) return;
  const QString trimmed = address.trimmed();
  if (trimmed.isEmpty()) {
    settings_->remove(AddressKey(lottery));
  } else {
    settings_->setValue(AddressKey(lottery), trimmed);
  }
  settings_->sync();
}

QVariant ProgramSettings::Value(const QString& key, const QVariant& fallback) const {
  return settings_->value(key, fallback);
}

void ProgramSettings::SetValue(const QString& key, const QVariant& value) {
  settings_->setValue(key, value);
  settings_->sync();
}

bool ProgramSettings::Ok() const { return settings_->status() == QSettings::NoError; }

}  // namespace tombolix
