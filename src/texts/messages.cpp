#include "texts/messages.h"

namespace tombolix {

namespace {

// Writes `text` into entry `index` of the table.
void Put(MessageTable& table, int index, const QString& text) { table[static_cast<size_t>(index)] = text; }

}  // namespace

MessageTable CargarTextos() {
  MessageTable t;
  Put(t, 2, QStringLiteral("Historial de Aciertos"));
  Put(t, 3, QStringLiteral("Frecuencia"));
  Put(t, 4, QStringLiteral("Mapa de la Frecuencia"));
  Put(t, 5, QStringLiteral("Ley del Tercio"));
  Put(t, 6, QStringLiteral("Mapa Ley del Tercio"));
  Put(t, 7, QStringLiteral("Ciclo de Aparición"));
  Put(t, 8, QStringLiteral("Pronóstico por Ciclo"));
  Put(t, 9, QStringLiteral("Números Consecutivos"));
  Put(t, 10, QStringLiteral("Números Repetidos"));
  Put(t, 11, QStringLiteral("Números Pares-Impares"));
  Put(t, 12, QStringLiteral("Patrón de Jugadas"));
  Put(t, 13, QStringLiteral("Patrón del Último Sorteo"));
  Put(t, 14, QStringLiteral("BIENVENIDO"));
  Put(t, 15, QStringLiteral("Cerrar Aplicación"));
  Put(t, 17, QStringLiteral("Un acceso directo con el nombre \"Tombolix\" ha sido creado en el escritorio."));
  Put(t, 18, QStringLiteral("¿Desea realmente salir del programa?"));
  Put(t, 24, QStringLiteral(" sorteos encontrados"));
  Put(t, 26, QStringLiteral("     ERROR : HISTORIAL NO VÁLIDO"));
  Put(t, 27, QStringLiteral(" sorteo(s) parecido(s)"));
  Put(t, 28, QStringLiteral("Autoajuste [ "));
  Put(t, 29, QStringLiteral("Procesando... "));
  Put(t, 35, Addresses().productPage);
  Put(t, 36, Addresses().helpVideoPage);
  Put(t, 37, QStringLiteral("La carpeta '"));
  Put(t, 38, QStringLiteral("' está protegida contra escritura."));
  Put(t, 39, QStringLiteral("Imposible Continuar"));
  Put(t, 40, QStringLiteral("Números Primos-Compuestos"));
  Put(t, 41, QStringLiteral("Eliminar Combinaciones"));
  Put(t, 42, QStringLiteral("¿Desea realmente eliminar la lista de combinaciones actual?"));
  Put(t, 43,
      QStringLiteral("             ADVERTENCIA\r\n"
                     "      Jugar varias o todas las\r\n"
                     "     combinaciones sólo hará que\r\n"
                     "    pierdas tiempo y mucho dinero"));
  Put(t, 44, QStringLiteral("Generador de Combinaciones"));
  Put(t, 45, QStringLiteral("Esta función necesita un historial con más de 100 sorteos."));
  Put(t, 46, QStringLiteral("       Ningún patrón encontrado"));
  Put(t, 47, QStringLiteral("Esta función necesita una lotería de 4 o más posiciones."));
  Put(t, 48, QStringLiteral("Buscar Historiales"));
  Put(t, 49, QStringLiteral("No se encontró ningún historial en la carpeta '"));
  Put(t, 50, QStringLiteral("El programa se encuentra en la carpeta '"));
  Put(t, 51,
      QStringLiteral("Para desinstalar el programa simplemente elimine el acceso directo y la carpeta \"Tombolix\"."));
  Put(t, 52,
      QStringLiteral("Este programa requiere iniciar la primera vez como administrador. Por favor haga clic con el "
                     "botón derecho del mouse en el archivo del programa y seleccione \"Ejecutar como "
                     "administrador\"."));
  Put(t, 53, QStringLiteral("Cargando... "));
  Put(t, 54, QStringLiteral(" sorteos acertados"));
  Put(t, 55, QStringLiteral("Imposible generar más combinaciones con los números y patrones actuales."));
  return t;
}

const MessageTable& Messages() {
  static const MessageTable table = CargarTextos();
  return table;
}

QString MessageTitle(int index) { return MessageTitle(Msg(index)); }

QString MessageTitle(const QString& text) { return QStringLiteral("Tombolix - ") + text; }

QString ProgramCaption() { return QStringLiteral("Tombolix 15.24"); }

}  // namespace tombolix
