#include "app/tombolix_app.h"

#include "app/control_colours.h"
#include "app/program_log.h"
#include "texts/messages.h"

namespace tombolix {

TombolixApp::TombolixApp(Platform& platform, QString programFolder, bool installed)
    : platform_(platform),
      programFolder_(std::move(programFolder)),
      installed_(installed),
      clips_(platform.Media(), programFolder_),
      lists_(model_, platform_, clips_, *this) {
  SetDesignState();
}

// The window as it was designed, before start-up runs.
void TombolixApp::SetDesignState() {
  struct ButtonDesign {
    const char16_t* caption;
    Rgb colour;
  };
  static constexpr ButtonDesign kButtons[8] = {
      {u"BUSCAR", ControlColour::Buscar},
      {u"AUTOMÁTICO", ControlColour::Automatico},
      {u"ACTUALIZAR", ControlColour::Actualizar},
      {u"LIMPIAR", ControlColour::Limpiar},
      {u"COMBINACIONES", ControlColour::Combinaciones},
      {u"AGREGAR", ControlColour::Agregar},
      {u"REINICIAR", ControlColour::Reiniciar},
      {u"ANÁLISIS iA", ControlColour::AnalisisIa},
  };
  for (size_t i = 0; i < model_.CmdFuncion.size(); ++i) {
    ButtonState& button = model_.CmdFuncion[i];
    button.caption = QString::fromUtf16(kButtons[i].caption);
    button.backColour = kButtons[i].colour;
    button.flag = false;
  }
  model_.SetReloadPending(true);  // the first LIMPIAR loads a history

  for (SelectorState& selector : model_.CboBal) selector.text = QStringLiteral("--");
  for (ReportPane& pane : model_.RtfReporte) {
    pane.report.SetText(QStringLiteral(" "));
    pane.visible = false;
    pane.flag = false;
  }
  model_.RtfFondo.visible = true;
  model_.visiblePane = -1;

  model_.LblMapas[0].caption = QStringLiteral("M1");
  model_.LblMapas[1].caption = QStringLiteral("M2");
  model_.LblMapas[0].backColour = ControlColour::MapShown;
  model_.LblMapas[1].backColour = ControlColour::MapOther;
  for (LabelState& map : model_.LblMapas) {
    map.visible = false;
    map.pane = 0;
  }
  model_.LblAyuda.caption = QStringLiteral("Video Ayuda");
  model_.LblBoletos.caption = QStringLiteral("Jugar Ahora");
  model_.LblDonacion.caption = QString::fromUtf16(u"Donación");
  ShowLinkLabels();

  model_.TmrPublicidad = TimerState{false, 100, 0};
  model_.TmrGameplay = TimerState{false, 500, 0};
  model_.caption = QStringLiteral("Tombolix");
  savedCaption_ = ProgramCaption();
}

void TombolixApp::EndProgram(const QString& reason) {
  LogProgramEnd(reason);
  model_.quitting = true;
  model_.AnalysisWindow = 0;
  platform_.Quit();
}

void TombolixApp::Step() { platform_.ProcessEvents(); }

bool TombolixApp::StopRequested() const { return model_.StopRequested || Ending(model_); }

void TombolixApp::Progress(int percent, bool last) {
  model_.LblAjuste.caption = Msg(TxtProcesando) + QString::number(percent) + QLatin1Char('%');
  if (platform_.IsMinimised() && !last) {
    model_.caption = QString::number(percent) + QStringLiteral("% << Tombolix");
  } else {
    model_.caption = savedCaption_;
  }
}

}  // namespace tombolix
