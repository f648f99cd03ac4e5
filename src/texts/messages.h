#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tombolix {

inline constexpr int kMessageCount = 56;

// Entries of the message table by name; the numbers are the table's own.
enum MessageId : int {
  TxtHistorialAciertos = 2,
  TxtFrecuencia = 3,
  TxtMapaFrecuencia = 4,
  TxtLeyTercio = 5,
  TxtMapaLeyTercio = 6,
  TxtCicloAparicion = 7,
  TxtPronosticoCiclo = 8,
  TxtConsecutivos = 9,
  TxtRepetidos = 10,
  TxtParesImpares = 11,
  TxtPatronJugadas = 12,
  TxtPatronUltimoSorteo = 13,
  TxtBienvenido = 14,
  TxtCerrarAplicacion = 15,
  TxtAccesoDirectoCreado = 17,
  TxtConfirmarSalida = 18,
  TxtSorteosEncontrados = 24,
  TxtErrorHistorial = 26,
  TxtSorteosParecidos = 27,
  TxtAutoajuste = 28,
  TxtProcesando = 29,
  TxtPaginaProducto = 35,
  TxtPaginaVideoAyuda = 36,
  TxtCarpetaInicio = 37,
  TxtCarpetaProtegida = 38,
  TxtImposibleContinuar = 39,
  TxtPrimosCompuestos = 40,
  TxtEliminarCombinaciones = 41,
  TxtConfirmarEliminarLista = 42,
  TxtAdvertencia = 43,
  TxtGeneradorCombinaciones = 44,
  TxtFaltanSorteos = 45,
  TxtNingunPatron = 46,
  TxtFaltanPosiciones = 47,
  TxtBuscarHistoriales = 48,
  TxtSinHistoriales = 49,
  TxtCarpetaPrograma = 50,
  TxtDesinstalar = 51,
  TxtRequiereAdministrador = 52,
  TxtCargando = 53,
  TxtSorteosAcertados = 54,
  TxtImposibleGenerar = 55,
};

using MessageTable = std::array<QString, kMessageCount>;

// CargarTextos: the 56-entry message table; entries no one reads stay empty.
MessageTable CargarTextos();
// The same table, built once (texts never change while the program runs).
const MessageTable& Messages();
inline const QString& Msg(MessageId id) { return Messages()[static_cast<size_t>(id)]; }

// "Tombolix - " followed by message `id`: the title of every message box.
QString MessageTitle(MessageId id);
QString MessageTitle(const QString& text);

// The window caption and program name as shown to the user.
QString ProgramCaption();  // "Tombolix 15.24"

// Web addresses of the product's pages and its contact e-mail. They are the
// distributor's to give, at build time (the CMake cache variables
// TOMBOLIX_*_PAGE and TOMBOLIX_CONTACT_EMAIL); each is empty unless given, and
// an empty one means the program has no such page: its link does nothing.
struct WebAddresses {
  QString productPage;       // message 35, banner and background pane
  QString helpVideoPage;     // message 36, "Video Ayuda" and F1
  QString ticketsPage;       // "Jugar Ahora"
  QString donationPage;      // "Donación" and F9
  QString promotionalPage;   // opened once two minutes after start-up
  QString historyDownloads;  // key U, row "Buscar Historiales"
  QString contactEmail;      // the read-me's contact line
};
// The addresses this build was given.
const WebAddresses& Addresses();
// The tooltip of a link label that has no page to open.
QString NoPageToolTip();

}  // namespace tombolix
