#include "app/import_flow.h"

#include "app/platform.h"
#include "files/file_io.h"
#include "importer/history_append.h"
#include "importer/history_writer.h"

#include <QDir>
#include <QFileInfo>

namespace tombolix {

namespace {

const QString kTitle = QStringLiteral("Tombolix - Importar historial");

ImportOutcome Outcome(ImportStatus status, const QString& message, const QString& path = {}) {
  ImportOutcome outcome;
  outcome.status = status;
  outcome.message = message;
  outcome.path = path;
  return outcome;
}

bool StartsWithText(QByteArrayView bytes, const char* text) {
  return bytes.size() >= qsizetype(qstrlen(text)) &&
         bytes.first(qstrlen(text)).compare(QByteArrayView(text), Qt::CaseInsensitive) == 0;
}

}  // namespace

QString NotResultsText(QByteArrayView bytes) {
  if (bytes.startsWith("PK\x03\x04")) {
    return QStringLiteral("El archivo es una hoja de cálculo (.xlsx u .ods), no un texto de resultados: ábralo con "
                          "su programa de hojas de cálculo y guárdelo como CSV.");
  }
  if (bytes.startsWith("\xD0\xCF\x11\xE0")) {
    return QStringLiteral("El archivo es una hoja de cálculo de Excel (.xls), no un texto de resultados: ábralo con "
                          "su programa de hojas de cálculo y guárdelo como CSV.");
  }
  if (bytes.startsWith("%PDF")) {
    return QStringLiteral("El archivo es un PDF, no un texto de resultados: busque en la página de la lotería la "
                          "descarga en CSV.");
  }
  QByteArrayView start = bytes.first(std::min<qsizetype>(bytes.size(), 512));
  if (start.startsWith("\xEF\xBB\xBF")) start = start.sliced(3);
  while (!start.isEmpty() && QChar::isSpace(uchar(start.front()))) start = start.sliced(1);
  if (StartsWithText(start, "<!doctype html") || StartsWithText(start, "<html") || StartsWithText(start, "<?xml")) {
    return QStringLiteral("El archivo es una página web, no un archivo de resultados: en la página de la lotería, "
                          "descargue el enlace del CSV (o copie la dirección de ese enlace).");
  }
  // Text has no NUL bytes, except UTF-16, which has them in every other place.
  const QByteArrayView sample = bytes.first(std::min<qsizetype>(bytes.size(), 4096));
  qsizetype nuls = 0;
  qsizetype controls = 0;
  for (const char c : sample) {
    nuls += c == '\0';
    controls += uchar(c) < 32 && c != '\0' && c != '\n' && c != '\r' && c != '\t';
  }
  const bool utf16 = nuls * 10 >= sample.size() * 3 && nuls * 10 <= sample.size() * 6;
  if ((nuls > 0 && !utf16 && !sample.startsWith("\xFF\xFE") && !sample.startsWith("\xFE\xFF")) ||
      controls * 20 > sample.size()) {
    return QStringLiteral("El archivo no es un texto de resultados (tiene datos binarios).");
  }
  return {};
}

bool ImportSession::Load(const QString& path) {
  const ReadOutcome read = ReadAtMost(path, kImportByteLimit);
  if (!read.error.isEmpty()) {
    error_ = read.error;
    return false;
  }
  return SetBytes(read.bytes);
}

bool ImportSession::SetBytes(QByteArray bytes) {
  error_ = NotResultsText(bytes);
  bytes_ = error_.isEmpty() ? std::move(bytes) : QByteArray();
  loaded_ = error_.isEmpty();
  analysis_ = ImportAnalysis();
  return error_.isEmpty();
}

const ImportAnalysis& ImportSession::Analyse(const ImportOptions& options, const ImportProgress& progress) {
  // The analysis works on its own copy only when it has to decode; valid UTF-8 is shared.
  analysis_ = AnalyseImport(bytes_, options, progress);
  return analysis_;
}

bool ImportSession::Confirm(const QString& text) {
  if (!platform_) return true;
  return platform_->ShowMessage(text, kTitle, MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::No) ==
         MessageAnswer::Yes;
}

ImportOutcome ImportSession::Commit(const ImportRequest& request) {
  const ImportAnalysis& a = analysis_;
  if (a.HasErrors() || a.historyText.isEmpty()) {
    return Outcome(ImportStatus::FileErrors, QStringLiteral("El archivo tiene errores: no se escribió ningún historial."));
  }
  if (!IsLotteryName(request.name)) {
    return Outcome(ImportStatus::BadName,
                   QStringLiteral("El nombre de lotería «%1» no sirve como nombre de archivo: elija otro.").arg(request.name));
  }
  const QString existing = FindExistingHistory(request.folder, request.name);
  ImportTarget target = request.target;
  if (existing.isEmpty()) {
    target = ImportTarget::New;
  } else if (target == ImportTarget::Ask && platform_) {
    const int choice = platform_->AskChoice(
        QStringLiteral("Ya existe el historial «%1». ¿Qué desea hacer con los %2 sorteos importados?")
            .arg(request.name)
            .arg(a.drawCount),
        kTitle, {QStringLiteral("Añadir los sorteos nuevos"), QStringLiteral("Reemplazar el historial"), QStringLiteral("Cancelar")},
        2);
    if (choice == 2) return Outcome(ImportStatus::Cancelled, QStringLiteral("No se escribió nada."), existing);
    target = choice == 0 ? ImportTarget::Append : ImportTarget::Replace;
  }
  if (target == ImportTarget::Append) return Append(request, existing);
  if (!existing.isEmpty() && target != ImportTarget::Replace) {
    return Outcome(ImportStatus::Exists,
                   QStringLiteral("Ya existe el historial «%1» (%2): no se escribió nada.")
                       .arg(request.name, QDir::toNativeSeparators(existing)),
                   existing);
  }
  const QString path = existing.isEmpty() ? ImportedHistoryPath(request.folder, request.name) : existing;
  if (request.checkOnly) return Outcome(ImportStatus::Checked, QStringLiteral("Se escribiría %1.").arg(QDir::toNativeSeparators(path)), path);
  if (!existing.isEmpty() &&
      !Confirm(QStringLiteral("¿Reemplazar el historial «%1» por los %2 sorteos importados? El anterior se guardará como "
                              "«%3.bak».")
                   .arg(request.name)
                   .arg(a.drawCount)
                   .arg(QFileInfo(existing).fileName()))) {
    return Outcome(ImportStatus::Cancelled, QStringLiteral("No se escribió nada."), existing);
  }
  const WriteResult written = WriteImportedHistory(request.folder, request.name, a.historyText,
                                                   existing.isEmpty() ? WriteKind::New : WriteKind::Replace);
  if (written.status != WriteStatus::Written) {
    return Outcome(written.status == WriteStatus::Exists ? ImportStatus::Exists : ImportStatus::WriteFailed,
                   written.message, written.path);
  }
  ImportOutcome outcome = Outcome(ImportStatus::Written,
                                  QStringLiteral("Historial «%1» importado: %2 sorteos.").arg(request.name).arg(a.drawCount),
                                  written.path);
  outcome.draws = a.drawCount;
  return outcome;
}

ImportOutcome ImportSession::Append(const ImportRequest& request, const QString& existing) {
  if (existing.isEmpty()) {
    return Outcome(ImportStatus::AppendRefused,
                   QStringLiteral("No existe el historial «%1»: no hay a qué añadir sorteos.").arg(request.name));
  }
  const ReadOutcome read = ReadAtMost(existing, kHistoryByteLimit);
  if (!read.error.isEmpty()) return Outcome(ImportStatus::AppendRefused, read.error, existing);
  const AppendPlan plan = PlanAppend(read.bytes, analysis_.draws);
  ImportOutcome outcome;
  outcome.path = existing;
  outcome.details = plan.errors + plan.warnings;
  if (!plan.errors.isEmpty()) {
    outcome.status = ImportStatus::AppendRefused;
    outcome.message = QStringLiteral("No se pueden añadir los sorteos a «%1»: no se escribió nada.").arg(request.name);
    return outcome;
  }
  if (plan.newDraws == 0) {
    outcome.status = ImportStatus::NothingNew;
    outcome.message = QStringLiteral("El historial «%1» ya tiene todos los sorteos del archivo: no hay sorteos nuevos.")
                          .arg(request.name);
    return outcome;
  }
  if (request.checkOnly) {
    outcome.status = ImportStatus::Checked;
    outcome.message = QStringLiteral("Se añadirían %1 sorteos a %2.").arg(plan.newDraws).arg(QDir::toNativeSeparators(existing));
    outcome.draws = plan.newDraws;
    return outcome;
  }
  if (!Confirm(QStringLiteral("¿Añadir %1 sorteos nuevos al final del historial «%2»? El anterior se guardará como "
                              "«%3.bak».")
                   .arg(plan.newDraws)
                   .arg(request.name, QFileInfo(existing).fileName()))) {
    outcome.status = ImportStatus::Cancelled;
    outcome.message = QStringLiteral("No se escribió nada.");
    return outcome;
  }
  const WriteResult written = WriteImportedHistory(request.folder, request.name, plan.text, WriteKind::Append);
  if (written.status != WriteStatus::Written) {
    outcome.status = ImportStatus::WriteFailed;
    outcome.message = written.message;
    return outcome;
  }
  outcome.status = ImportStatus::Appended;
  outcome.draws = plan.newDraws;
  outcome.message = QStringLiteral("Se añadieron %1 sorteos al historial «%2».").arg(plan.newDraws).arg(request.name);
  return outcome;
}

}  // namespace tombolix
