#include "app/key_help.h"

#include "app/key_codes.h"
#include "app/key_table.h"
#include "app/pane_table.h"
#include "texts/messages.h"

#include <array>

namespace tombolix {

namespace {

constexpr std::array<const char16_t*, 8> kCommandNames{u"BUSCAR",        u"AUTOMÁTICO", u"ACTUALIZAR", u"LIMPIAR",
                                                       u"COMBINACIONES", u"AGREGAR",    u"REINICIAR",  u"ANÁLISIS iA"};

QString KeyName(int keyCode) {
  if (keyCode >= KeyCode::F1 && keyCode < KeyCode::F1 + 12) return QStringLiteral("F%1").arg(keyCode - KeyCode::F1 + 1);
  if (keyCode == KeyCode::Escape) return QStringLiteral("Esc");
  if (keyCode == KeyCode::Minus) return QStringLiteral("-");
  return QString(QChar(keyCode));
}

QString Keys(const KeyRow& row) {
  const QString key = KeyName(row.keyCode);
  if (row.rule != ModifierRule::Exactly) return key;
  QString keys;
  if (row.modifiers & kCtrl) keys += QStringLiteral("Ctrl+");
  if (row.modifiers & kAlt) keys += QStringLiteral("Alt+");
  if (row.modifiers & kShift) keys += QStringLiteral("Mayús+");
  return keys + key;
}

QString Action(const KeyRow& row) {
  switch (row.action) {
    case KeyAction::FocusSelector:
      return QStringLiteral("Ir a la casilla B%1").arg(row.argument);
    case KeyAction::Command:
      return QStringLiteral("Botón ") + QString::fromUtf16(kCommandNames.at(static_cast<size_t>(row.argument)));
    case KeyAction::ListRow:
      return AnalysisListRows().value(row.argument);
    case KeyAction::MapButton:
      return QStringLiteral("Botón M%1").arg(row.argument + 1);
    case KeyAction::OpenConfiguration:
      return QStringLiteral("Abrir el archivo de configuración");
    case KeyAction::OpenReadme:
      return QStringLiteral("Abrir el Léame");
    case KeyAction::HelpVideoLink:
      return QStringLiteral("Videos de ayuda");
    case KeyAction::DonationLink:
      return QStringLiteral("Donación");
    case KeyAction::BuscarHistoriales:
      return Msg(TxtBuscarHistoriales);
    case KeyAction::AutoScroll:
      return QStringLiteral("Desplazamiento automático del informe");
    case KeyAction::None:
      break;
  }
  return {};
}

}  // namespace

QList<KeyHelp> KeyHelpLines() {
  QList<KeyHelp> lines;
  for (const KeyRow& row : KeyTable()) lines.append({Keys(row), Action(row)});
  return lines;
}

}  // namespace tombolix
