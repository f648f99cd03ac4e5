#include "texts/messages.h"

namespace tombolix {

namespace {

// Writes `text` into entry `index` of the table.
void Put(MessageTable& table, int index, const QString& text) { table[static_cast<size_t>(index)] = text; }

}  // namespace

MessageTable CargarTextos() {
  MessageTable t;
  Put(t, TxtHistorialAciertos, QStringLiteral("Historial de Aciertos"));
  Put(t, TxtFrecuencia, QStringLiteral("Frecuencia"));
  Put(t, TxtMapaFrecuencia, QStringLiteral("Mapa de la Frecuencia"));
  Put(t, TxtLeyTercio, QStringLiteral("Ley del Tercio"));
  Put(t, TxtMapaLeyTercio, QStringLiteral("Mapa Ley del Tercio"));
  Put(t, TxtCicloAparicion, QStringLiteral("Ciclo de Aparición"));
  Put(t, TxtPronosticoCiclo, QStringLiteral("Pronóstico por Ciclo"));
  Put(t, TxtConsecutivos, QStringLiteral("Números Consecutivos"));
  Put(t, TxtRepetidos, QStringLiteral("Números Repetidos"));
  Put(t, TxtParesImpares, QStringLiteral("Números Pares-Impares"));
  Put(t, TxtPatronJugadas, QStringLiteral("Patrón de Jugadas"));
  Put(t, TxtPatronUltimoSorteo, QStringLiteral("Patrón del Último Sorteo"));
  Put(t, TxtBienvenido, QStringLiteral("BIENVENIDO"));
  Put(t, TxtCerrarAplicacion, QStringLiteral("Cerrar Aplicación"));
  Put(t, TxtAccesoDirectoCreado,
      QStringLiteral("Un acceso directo con el nombre \"Tombolix\" ha sido creado en el escritorio."));
  Put(t, TxtConfirmarSalida, QStringLiteral("¿Desea realmente salir del programa?"));
  Put(t, TxtSorteosEncontrados, QStringLiteral(" sorteos encontrados"));
  Put(t, TxtErrorHistorial, QStringLiteral("     ERROR : HISTORIAL NO VÁLIDO"));
  Put(t, TxtSorteosParecidos, QStringLiteral(" sorteo(s) parecido(s)"));
  Put(t, TxtAutoajuste, QStringLiteral("Autoajuste [ "));
  Put(t, TxtProcesando, QStringLiteral("Procesando... "));
  Put(t, TxtPaginaProducto, Addresses().productPage);
  Put(t, TxtPaginaVideoAyuda, Addresses().helpVideoPage);
  Put(t, TxtCarpetaInicio, QStringLiteral("La carpeta '"));
  Put(t, TxtCarpetaProtegida, QStringLiteral("' está protegida contra escritura."));
  Put(t, TxtImposibleContinuar, QStringLiteral("Imposible Continuar"));
  Put(t, TxtPrimosCompuestos, QStringLiteral("Números Primos-Compuestos"));
  Put(t, TxtEliminarCombinaciones, QStringLiteral("Eliminar Combinaciones"));
  Put(t, TxtConfirmarEliminarLista, QStringLiteral("¿Desea realmente eliminar la lista de combinaciones actual?"));
  Put(t, 43,
      QStringLiteral("             ADVERTENCIA\r\n"
                     "      Jugar varias o todas las\r\n"
                     "     combinaciones sólo hará que\r\n"
                     "    pierdas tiempo y mucho dinero"));
  Put(t, TxtGeneradorCombinaciones, QStringLiteral("Generador de Combinaciones"));
  Put(t, TxtFaltanSorteos, QStringLiteral("Esta función necesita un historial con más de 100 sorteos."));
  Put(t, TxtNingunPatron, QStringLiteral("       Ningún patrón encontrado"));
  Put(t, TxtFaltanPosiciones, QStringLiteral("Esta función necesita una lotería de 4 o más posiciones."));
  Put(t, TxtBuscarHistoriales, QStringLiteral("Buscar Historiales"));
  Put(t, TxtSinHistoriales, QStringLiteral("No se encontró ningún historial en la carpeta '"));
  Put(t, TxtCarpetaPrograma, QStringLiteral("El programa se encuentra en la carpeta '"));
  Put(t, 51,
      QStringLiteral("Para desinstalar el programa simplemente elimine el acceso directo y la carpeta \"Tombolix\"."));
  Put(t, 52,
      QStringLiteral("Este programa requiere iniciar la primera vez como administrador. Por favor haga clic con el "
                     "botón derecho del mouse en el archivo del programa y seleccione \"Ejecutar como "
                     "administrador\"."));
  Put(t, TxtCargando, QStringLiteral("Cargando... "));
  Put(t, TxtSorteosAcertados, QStringLiteral(" sorteos acertados"));
  Put(t, TxtImposibleGenerar,
      QStringLiteral("Imposible generar más combinaciones con los números y patrones actuales."));
  return t;
}

const MessageTable& Messages() {
  static const MessageTable table = CargarTextos();
  return table;
}

QString MessageTitle(MessageId id) { return MessageTitle(Msg(id)); }

QString MessageTitle(const QString& text) { return QStringLiteral("Tombolix - ") + text; }

QString ProgramCaption() { return QStringLiteral("Tombolix 15.24"); }

}  // namespace tombolix
