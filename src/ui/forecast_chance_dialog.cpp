#include "ui/forecast_chance_dialog.h"

#include "app/forecast_chance.h"
#include "app/pane_table.h"
#include "app/tombolix_app.h"
#include "ui/chance_dialog.h"

#include <QProgressDialog>

namespace tombolix {

void ShowForecastChance(QWidget* parent, TombolixApp& app, int pane) {
  if (app.Model().busy || PaneInfo(pane).chance != ChanceComparison::Forecast) return;
  QProgressDialog progress(QStringLiteral("Repasando los últimos sorteos…"), QStringLiteral("Cancelar"), 0, 100,
                           parent);
  progress.setWindowTitle(QStringLiteral("Tombolix - Comparar con el azar"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setAutoReset(false);
  progress.setValue(0);
  // A modal progress dialog lets the window's events run on each new value.
  const auto texts = CompareForecastWithChanceTexts(app.Model(), pane, [&progress](int percent) {
    progress.setValue(percent);
    return !progress.wasCanceled();
  });
  progress.close();
  if (!texts) return;
  ShowChanceResult(parent, texts->sentence, texts->table,
                   QStringLiteral("Antes de cada sorteo, los números se calculan con los sorteos conocidos entonces. "
                                  "El azar de cada número es su parte en su propia posición, en los sorteos "
                                  "anteriores a los 100 que leen los análisis. «Nombrar los más frecuentes» es una "
                                  "regla sin ninguna habilidad: sirve de referencia. La franja contiene el 95 % de "
                                  "los resultados del azar."));
}

}  // namespace tombolix
