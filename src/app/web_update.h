#pragma once

#include <QByteArray>
#include <QString>

namespace tombolix {

class Platform;

// A downloaded results file is refused above this size.
inline constexpr qint64 kDownloadByteLimit = qint64{50} << 20;
// A download that brings no byte for this long has stalled.
inline constexpr int kDownloadStallMs = 30'000;

struct WebResults {
  QByteArray bytes;  // the results file, when it came
  QString error;     // Spanish, for the user; empty on success
  bool cancelled = false;
};

// "Actualizar desde la web…" for `lottery`: downloads `address` through the
// platform and, when a results text came, remembers the address for that
// lottery in the program's settings. The bytes then go through the import.
WebResults DownloadResults(Platform& platform, const QString& programFolder, const QString& lottery,
                           const QString& address);

// The address remembered for `lottery`; empty the first time.
QString RememberedAddress(const QString& programFolder, const QString& lottery);

}  // namespace tombolix
