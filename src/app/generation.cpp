#include "app/key_codes.h"
#include "app/tombolix_app.h"
#include "texts/messages.h"

#include <QDateTime>

namespace tombolix {

CombinationGenerator& TombolixApp::Generator() {
  if (!generator_) generator_ = std::make_unique<CombinationGenerator>(HistoryView(model_.history), model_.acceptance);
  return *generator_;
}

const std::vector<Combination>& TombolixApp::ListaGenerada() { return Generator().Generated(); }

bool TombolixApp::GenerarCombinacion(bool runSearch) {
  CombinationGenerator& generator = Generator();
  const GenerationResult result = generator.Generate(model_.SelectorValues(), random_);
  // The selectors show every candidate drawn; writing the last one is the same to the eye.
  for (int k = 1; result.candidatesDrawn > 0 && k <= model_.history.PositionCount; ++k) {
    const quint8 value = result.lastCandidate[static_cast<size_t>(k - 1)];
    model_.CboBal[static_cast<size_t>(k)].text = QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
  }
  if (result.accepted) {
    if (runSearch) BuscarParecidos(Pane::Start);
    return true;
  }
  // No acceptable combination in 1000 tries (or an empty candidate list).
  Pause(3);
  clips_.PlayClip(5);
  platform_.Restore();
  if (model_.RtfReporte[Pane::Start].visible) {
    RunCommand(Command::Limpiar);
  } else {
    KeyDown(KeyCode::Escape, 0);
  }
  platform_.ShowMessage(Msg(TxtImposibleGenerar), MessageTitle(TxtGeneradorCombinaciones), MessageIcon::Information,
                        MessageButtons::Ok, MessageAnswer::Ok);
  return false;
}

// One new combination with its similar-draw search, left in the selectors.
void TombolixApp::CombinacionAutomatica() {
  const size_t before = ListaGenerada().size();
  RunCommand(Command::Limpiar);
  EnableControls(false);
  platform_.ProcessEvents();
  if (Ending()) return;
  GenerarCombinacion(true);
  if (ListaGenerada().size() <= before) return;
  const Combination& last = ListaGenerada().back();
  for (int k = 1; k <= model_.history.PositionCount; ++k) {
    model_.CboBal[static_cast<size_t>(k)].text =
        QStringLiteral("%1").arg(last[static_cast<size_t>(k - 1)], 2, 10, QLatin1Char('0'));
  }
}

void TombolixApp::Automatico() {
  if (!QuietPreparationBegins()) return;
  QuietPreparationRuns();
  if (Ending()) return;
  CombinacionAutomatica();
}

}  // namespace tombolix
