// Feeds arbitrary bytes to the importer, in every encoding, and checks that
// what it offers to write is always a history the program loads as is, with
// the draws it reports; then plans adding those draws to a small history.
#include "history/loader.h"
#include "importer/history_append.h"
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
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (const ImportEncoding encoding : {ImportEncoding::Auto, ImportEncoding::Windows1252}) {
    ImportOptions options;
    options.encoding = encoding;
    const ImportAnalysis a = AnalyseImport(bytes, options);
    Check(!a.cancelled);
    Check(a.preview.size() <= kImportPreviewRows);
    Check(a.problems.size() <= kMaxImportProblems + 2);
    for (const ImportProblem& p : a.problems) Check(p.line >= 0 && !p.reason.isEmpty());
    if (a.HasErrors()) {
      Check(a.historyText.isEmpty() && a.draws.isEmpty());
      continue;
    }
    const LoadedHistory loaded = ParseHistory(a.historyText);
    Check(loaded.accepted && loaded.history.DrawCount == a.drawCount && a.draws.size() == a.drawCount);
    Check(a.historyText.endsWith("\r\n"));
    const AppendPlan plan = PlanAppend("01/01/1990,01,02\r\n", a.draws);
    if (plan.errors.isEmpty() && plan.newDraws > 0) Check(ParseHistory(plan.text).accepted);
  }
  return 0;
}
