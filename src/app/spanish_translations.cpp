#include "app/spanish_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <cstring>

namespace tombolix {

namespace {

struct Supplement {
  const char* context;
  const char* source;
  const char* spanish;
};

constexpr Supplement kSupplement[] = {
    {"QAbstractFileIconProvider", "Folder", "Carpeta"},
    {"QAbstractFileIconProvider", "Drive", "Unidad"},
    {"QAbstractFileIconProvider", "File", "Archivo"},
    {"QAbstractFileIconProvider", "%1 File", "Archivo %1"},
    {"QAbstractFileIconProvider", "Unknown", "Desconocido"},
    {"QCommandLineParser", "Displays help on commandline options.", "Muestra la ayuda de las opciones."},
    {"QCommandLineParser", "Displays help including Qt specific options.",
     "Muestra la ayuda con las opciones propias de Qt."},
    {"QCommandLineParser", "Displays version information.", "Muestra la versión."},
};

}  // namespace

QString SpanishSupplement::translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                                     int /*n*/) const {
  if (context == nullptr || sourceText == nullptr) return {};
  for (const Supplement& row : kSupplement) {
    if (std::strcmp(row.context, context) == 0 && std::strcmp(row.source, sourceText) == 0) {
      return QString::fromUtf8(row.spanish);
    }
  }
  return {};
}

void InstallSpanishTranslations() {
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr) return;
  auto* qtSpanish = new QTranslator(application);
  if (qtSpanish->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qtSpanish);
  }
  // Installed last, so asked first; it answers only for its own words.
  QCoreApplication::installTranslator(new SpanishSupplement(application));
}

}  // namespace tombolix
