#include "app/web_update.h"

#include "app/import_flow.h"
#include "app/platform.h"
#include "app/program_settings.h"

#include <QUrl>

namespace tombolix {

QString RememberedAddress(const QString& programFolder, const QString& lottery) {
  return ProgramSettings(programFolder).WebAddress(lottery);
}

WebResults DownloadResults(Platform& platform, const QString& programFolder, const QString& lottery,
                           const QString& address) {
  WebResults results;
  const QString typed = address.trimmed();
  const QUrl url(typed, QUrl::StrictMode);
  if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) ||
      url.host().isEmpty()) {
    results.error = QStringLiteral("«%1» no es una dirección web: escriba la dirección completa del archivo de "
                                   "resultados, que empieza por https:// o http://.")
                        .arg(typed);
    return results;
  }
  DownloadOutcome outcome = platform.Download(typed, kDownloadByteLimit, kDownloadStallMs);
  results.cancelled = outcome.cancelled;
  if (!outcome.error.isEmpty()) {
    results.error = outcome.error;
    return results;
  }
  results.error = NotResultsText(outcome.bytes);
  if (!results.error.isEmpty()) return results;
  ProgramSettings(programFolder).SetWebAddress(lottery, typed);
  results.bytes = std::move(outcome.bytes);
  return results;
}

}  // namespace tombolix
