// Feeds arbitrary bytes to the importer, in both encodings, and checks that
// what it offers to write is always a history the program loads as is.
#include "history/loader.h"
#include "importer/import_analysis.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tombolix;
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (const ImportEncoding encoding : {ImportEncoding::Utf8, ImportEncoding::Windows1252}) {
    ImportOptions options;
    options.encoding = encoding;
    const ImportAnalysis a = AnalyseImport(bytes, options);
    Check(!a.cancelled);
    Check(a.preview.size() <= kImportPreviewRows);
    for (const ImportProblem& p : a.problems) Check(p.line >= 0 && !p.reason.isEmpty());
    if (a.HasErrors()) {
      Check(a.historyText.isEmpty());
      continue;
    }
    const LoadedHistory loaded = ParseHistory(a.historyText);
    Check(loaded.accepted && loaded.history.DrawCount == a.drawCount);
    Check(loaded.history.PositionCount == a.numberColumns.size());
    Check(a.historyText.endsWith("\r\n"));
  }
  return 0;
}
