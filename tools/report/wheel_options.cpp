#include "wheel_options.h"

#include "wheels/wheel_request.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>

namespace tombolix {

namespace {

const QString kWheel = QStringLiteral("wheel");
const QString kGuarantee = QStringLiteral("guarantee");
const QString kTicketSize = QStringLiteral("ticket-size");
const QString kFixed = QStringLiteral("fixed");
const QString kSeconds = QStringLiteral("seconds");

QString NumberList(const QCommandLineParser& parser, const QString& name, std::vector<int>& out) {
  const std::optional<std::vector<int>> numbers = ParseNumberList(parser.value(name));
  if (!numbers || numbers->empty()) {
    return QStringLiteral("--%1 necesita números separados por comas, no «%2»").arg(name, parser.value(name));
  }
  out = *numbers;
  return QString();
}

QString Whole(const QCommandLineParser& parser, const QString& name, int& out) {
  bool ok = false;
  out = parser.value(name).toInt(&ok);
  return ok ? QString() : QStringLiteral("--%1 necesita un número entero, no «%2»").arg(name, parser.value(name));
}

}  // namespace

void AddWheelOptions(QCommandLineParser& parser) {
  parser.addOptions({
      {kWheel, QStringLiteral("números elegidos para la reducción"), QStringLiteral("N1,N2,...")},
      {kGuarantee, QStringLiteral("t aciertos si salen m de los elegidos"), QStringLiteral("t/m")},
      {kTicketSize, QStringLiteral("números por jugada"), QStringLiteral("k")},
      {kFixed, QStringLiteral("números fijos en todas las jugadas"), QStringLiteral("N1,...")},
      {kSeconds, QStringLiteral("tiempo de búsqueda"), QStringLiteral("S")},
  });
}

QString ApplyWheelOptions(const QCommandLineParser& parser, WheelArguments& wheel) {
  QString error;
  for (const QString& name : {kWheel, kGuarantee, kTicketSize, kFixed, kSeconds}) wheel.any |= parser.isSet(name);
  if (parser.isSet(kWheel)) error = NumberList(parser, kWheel, wheel.chosen);
  if (error.isEmpty() && parser.isSet(kFixed)) error = NumberList(parser, kFixed, wheel.fixed);
  if (error.isEmpty() && parser.isSet(kGuarantee)) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})$"));
    const QRegularExpressionMatch match = form.match(parser.value(kGuarantee));
    if (!match.hasMatch()) {
      return QStringLiteral("--guarantee necesita la forma t/m (por ejemplo 3/4), no «%1»")
          .arg(parser.value(kGuarantee));
    }
    wheel.hits = match.captured(1).toInt();
    wheel.drawnAmongChosen = match.captured(2).toInt();
  }
  if (error.isEmpty() && parser.isSet(kTicketSize)) {
    int size = 0;
    error = Whole(parser, kTicketSize, size);
    wheel.ticketSize = size;
  }
  if (error.isEmpty() && parser.isSet(kSeconds)) error = Whole(parser, kSeconds, wheel.seconds);
  return error;
}

QString WheelOptionsHelp() {
  return QStringLiteral(
      "\nEl informe «reduccion» (no es un panel) construye una reducción y la comprueba entera:\n"
      "  --wheel N1,N2,...   los números elegidos (de 7 a 32)\n"
      "  --guarantee t/m     t aciertos en una misma jugada si salen m de los elegidos\n"
      "  --ticket-size k     números por jugada (por omisión, los que salen en cada sorteo)\n"
      "  --fixed N1,...      números fijos en todas las jugadas\n"
      "  --seconds S         tiempo de búsqueda (3 por omisión); --seed N fija la semilla (1 por omisión)\n"
      "Imprime la garantía comprobada, los grupos comprobados, los tamaños comparados y una jugada por línea.\n"
      "Valores fuera de los límites: código 64 con el motivo; juegos de cifras: código 2.\n");
}

}  // namespace tombolix
