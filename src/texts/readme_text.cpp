#include "texts/readme_text.h"

#include "files/file_io.h"
#include "files/program_paths.h"
#include "texts/messages.h"

#include <QFileInfo>

namespace tombolix {

namespace {

// Line 68: the contact e-mail and the product's page, whichever exist.
QString ContactLine(const WebAddresses& addresses) {
  QStringList parts;
  for (const QString& part : {addresses.contactEmail, addresses.productPage}) {
    if (!part.isEmpty()) parts.append(part);
  }
  return parts.join(QStringLiteral("  -  "));
}

}  // namespace

QStringList ReadmeLines(const WebAddresses& addresses) {
  const QString e;
  QStringList lines{
      ProgramCaption(),
      e,
      e,
      e,
      e,
      e,
      e,
      QStringLiteral("ACERCA DE TOMBOLIX"),
      e,
      QStringLiteral("Tombolix es un programa para jugar lotería, chance o quiniela que permite analizar "),
      QStringLiteral("el historial de resultados e identificar los números ganadores con mayor probabilidad "),
      QStringLiteral("de salir en los próximos sorteos. Además es posible generar combinaciones de números "),
      QStringLiteral("optimizadas para cada lotería basado en los cálculos matemáticos, estadísticos y en "),
      QStringLiteral("la simulación del juego que el software es capaz de hacer."),
      e,
      e,
      e,
      e,
      QStringLiteral("ACERCA DE LAS TECLAS DE ACCESO DIRECTO"),
      e,
      QStringLiteral("  CTRL + \"F1\" : Abrir Documento de Ayuda"),
      QStringLiteral("   Tecla \"F1\" : Abrir Videos de Ayuda"),
      e,
      QStringLiteral("ALT + \"1\"~\"7\" : Seleccionar Casillas B1 a B7"),
      QStringLiteral("   Tecla \"F3\" : Botón BUSCAR"),
      QStringLiteral("   Tecla \"F4\" : Botón AUTOMÁTICO"),
      e,
      QStringLiteral("   Tecla \"F5\" : Botón ACTUALIZAR"),
      QStringLiteral("   Tecla \"F6\" : Botón AGREGAR"),
      e,
      QStringLiteral("    Tecla \"M\" : Botón ANÁLISIS iA"),
      QStringLiteral("    Tecla \"A\" : Botón COMBINACIONES"),
      e,
      QStringLiteral("    Tecla \"Q\" : Historial de Aciertos"),
      e,
      QStringLiteral("    Tecla \"W\" : Frecuencia"),
      QStringLiteral("    Tecla \"S\" : Mapa de la Frecuencia"),
      QStringLiteral("    Tecla \"X\" : Botón M1"),
      QStringLiteral("    Tecla \"C\" : Botón M2"),
      e,
      QStringLiteral("    Tecla \"E\" : Ley del Tercio"),
      QStringLiteral("    Tecla \"D\" : Mapa Ley del Tercio"),
      e,
      QStringLiteral("    Tecla \"R\" : Ciclo de Aparición"),
      QStringLiteral("    Tecla \"F\" : Pronóstico por Ciclo"),
      e,
      QStringLiteral("    Tecla \"T\" : Números Consecutivos"),
      QStringLiteral("    Tecla \"G\" : Números Repetidos"),
      QStringLiteral("    Tecla \"B\" : Números Pares-Impares"),
      QStringLiteral("    Tecla \"N\" : Números Primos-Compuestos"),
      e,
      QStringLiteral("    Tecla \"Y\" : Patrón de Jugadas"),
      QStringLiteral("    Tecla \"H\" : Patrón del Último Sorteo"),
      e,
      QStringLiteral("    Tecla \"U\" : Buscar Historiales"),
      e,
      QStringLiteral("  Tecla \"ESC\" : Botón LIMPIAR"),
      QStringLiteral("   Tecla \"F8\" : Botón REINICIAR"),
      e,
      QStringLiteral("CTRL + ALT + \"C\" : Abrir Archivo de Configuración"),
      e,
      e,
      e,
      e,
      QStringLiteral("COMENTARIOS"),
      e,
  };
  // The invitation to write needs an e-mail address; a line with nothing to
  // give is left out altogether.
  if (!addresses.contactEmail.isEmpty()) {
    lines.append(QStringLiteral("Si tienes alguna pregunta o sugerencia puedes escribirme al correo electrónico "));
  }
  if (const QString contact = ContactLine(addresses); !contact.isEmpty()) lines.append(contact);
  lines.append({e, QStringLiteral("Eso es todo, gracias."), e});
  return lines;
}

ReadmeStatus EscribirLeame(const QString& folder, const WebAddresses& addresses, TextEncoding encoding) {
  const QString path = program_paths::Readme(folder);
  // Anything already there under that name is the user's: never replace it,
  // not even one that appears while the read-me is written.
  const auto there = [&path] { return QFileInfo::exists(path) || QFileInfo(path).isSymLink(); };
  if (there()) return ReadmeStatus::AlreadyThere;
  QString text;
  for (const QString& line : ReadmeLines(addresses)) {
    text += line;
    text += QLatin1String("\r\n");
  }
  if (WriteWhole(path, EncodeText(text, encoding), WriteMode::NewOnly).isEmpty()) return ReadmeStatus::Written;
  return there() ? ReadmeStatus::AlreadyThere : ReadmeStatus::Unwritable;
}

}  // namespace tombolix
