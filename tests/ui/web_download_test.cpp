#include "ui/web_download.h"
#include "support/test_files.h"

#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QKeyEvent>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace tombolix {
namespace {

constexpr qint64 kMiB = 1024 * 1024;

// A web server on 127.0.0.1 only, served by the test's own event loop (the
// download dialog runs it). Each path answers with its scripted bytes; the
// connection closes after them only when they say "Connection: close".
class LocalServer {
 public:
  explicit LocalServer(std::unique_ptr<QTcpServer> server = std::make_unique<QTcpServer>())
      : server_(std::move(server)) {
    QObject::connect(server_.get(), &QTcpServer::pendingConnectionAvailable, server_.get(), [this] { Accept(); });
    EXPECT_TRUE(server_->listen(QHostAddress::LocalHost, 0));
  }
  QString Address(const QString& path, const char* scheme = "http") const {
    return QStringLiteral("%1://127.0.0.1:%2%3").arg(QLatin1String(scheme)).arg(server_->serverPort()).arg(path);
  }
  QHash<QByteArray, QByteArray> responses;

 private:
  void Accept() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        request_[socket] += socket->readAll();
        if (!request_[socket].contains("\r\n\r\n")) return;
        const QByteArray response = responses.value(request_.take(socket).split(' ').value(1),
                                                    "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
        socket->write(response);
        if (response.contains("Connection: close")) socket->disconnectFromHost();
      });
    }
  }
  std::unique_ptr<QTcpServer> server_;
  QHash<QTcpSocket*, QByteArray> request_;
};

QByteArray Ok(const QByteArray& contentType, const QByteArray& body) {
  return "HTTP/1.1 200 OK\r\nContent-Type: " + contentType + "\r\nContent-Length: " + QByteArray::number(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}

const QByteArray kResults = "fecha;n1;n2;n3\r\n07/01/2023;05;12;33\r\n14/01/2023;01;22;40\r\n";

// Each way a download ends: the file itself, or the one message that says why not.
TEST(WebDownloadTest, EndsWithTheFileOrTheReasonItCannot) {
  LocalServer server;
  server.responses = {
      {"/resultados.csv", Ok("text/csv", kResults)},
      {"/movido", "HTTP/1.1 302 Found\r\nLocation: /resultados.csv\r\nContent-Length: 0\r\n\r\n"},
      {"/mudo", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n07/01/2023"},
      {"/anunciado", "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(2 * kMiB) + "\r\n\r\n"},
      {"/enorme", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + QByteArray(kMiB + 1, '7')},
      {"/pagina", Ok("text/html; charset=utf-8", "hola")},
      {"/disfrazada", Ok("application/octet-stream", "\xEF\xBB\xBF \r\n\t<!DOCTYPE HTML><p>")},
      {"/vacio", Ok("text/csv", "")},
  };
  const QString page = QStringLiteral("La dirección da una página web, no un archivo de resultados");
  const QString notWeb = QStringLiteral("debe empezar por http:// o https://");
  const QString tooLarge = QStringLiteral("supera el límite de 1 MB");
  // A path is asked of the server; an error is a part of the message (none: the file arrives whole).
  const struct {
    QString address;
    QString error;
  } cases[] = {
      {QStringLiteral("/resultados.csv"), {}},
      {QStringLiteral("/movido"), {}},
      {QStringLiteral("/falta"), QStringLiteral("El servidor respondió 404 (Not Found).")},
      {QStringLiteral("/mudo"), QStringLiteral("El servidor dejó de responder")},
      {QStringLiteral("/anunciado"), tooLarge},
      {QStringLiteral("/enorme"), tooLarge},
      {QStringLiteral("/pagina"), page},
      {QStringLiteral("/disfrazada"), page},
      {QStringLiteral("/vacio"), QStringLiteral("no envió ningún dato")},
      {QStringLiteral("ftp://127.0.0.1/resultados.csv"), notWeb},
      {QStringLiteral("file:///etc/hostname"), notWeb},
      {QStringLiteral("127.0.0.1/resultados.csv"), notWeb},
  };
  for (const auto& c : cases) {
    const QString address = c.address.startsWith(QLatin1Char('/')) ? server.Address(c.address) : c.address;
    // Only the silent server may stall; a short wait makes that quick.
    const int stallMs = c.address == QLatin1String("/mudo") ? 300 : 10000;
    const DownloadOutcome outcome = DownloadWithDialog(nullptr, address, kMiB, stallMs);
    EXPECT_FALSE(outcome.cancelled) << c.address.toStdString();
    EXPECT_TRUE(c.error.isEmpty() ? outcome.error.isEmpty() : outcome.error.contains(c.error))
        << c.address.toStdString() << ": " << outcome.error.toStdString();
    EXPECT_EQ(outcome.bytes, c.error.isEmpty() ? kResults : QByteArray()) << c.address.toStdString();
  }

  // A port nobody listens on any more: the network's own reason, in a Spanish sentence.
  quint16 closedPort = 0;
  {
    QTcpServer gone;
    ASSERT_TRUE(gone.listen(QHostAddress::LocalHost, 0));
    closedPort = gone.serverPort();
  }
  const QString refused =
      DownloadWithDialog(nullptr, QStringLiteral("http://127.0.0.1:%1/").arg(closedPort), kMiB, 10000).error;
  EXPECT_TRUE(refused.startsWith(QStringLiteral("No se pudo descargar el archivo: "))) << refused.toStdString();
}

// Escape on the dialog stops a download that is still waiting.
TEST(WebDownloadTest, EscapeCancels) {
  LocalServer server;
  server.responses = {{"/mudo", "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n"}};
  QString title;
  QTimer press;
  QObject::connect(&press, &QTimer::timeout, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(widget);
      if (!dialog || !dialog->isVisible()) continue;
      title = dialog->windowTitle();
      QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(dialog, &escape);
    }
  });
  press.start(20);
  const DownloadOutcome outcome = DownloadWithDialog(nullptr, server.Address(QStringLiteral("/mudo")), kMiB, 20000);
  EXPECT_TRUE(outcome.cancelled) << outcome.error.toStdString();
  EXPECT_EQ(title, QStringLiteral("Tombolix - Descargar resultados"));
}

// https with a certificate made for the test: trusted, it downloads; not
// trusted, it is refused; and a redirect down to plain http is not followed.
TEST(WebDownloadTest, HttpsTrustsOnlyValidCertificatesAndNeverDowngrades) {
  const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
  if (openssl.isEmpty()) GTEST_SKIP() << "openssl is not installed";
  test::TempFolder temp;
  const QString key = temp.FilePath(QStringLiteral("key.pem"));
  const QString cert = temp.FilePath(QStringLiteral("cert.pem"));
  QProcess make;
  make.start(openssl, QStringLiteral("req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 "
                                     "-subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout %1 -out %2")
                          .arg(key, cert)
                          .split(QLatin1Char(' ')));
  if (!make.waitForFinished(30000) || make.exitCode() != 0) GTEST_SKIP() << "openssl made no certificate";
  const QList<QSslCertificate> certificate = QSslCertificate::fromPath(cert);
  ASSERT_EQ(certificate.size(), 1);

  QSslConfiguration serverConfig = QSslConfiguration::defaultConfiguration();
  serverConfig.setLocalCertificate(certificate[0]);
  serverConfig.setPrivateKey(QSslKey(test::ReadFile(key), QSsl::Ec));
  auto ssl = std::make_unique<QSslServer>();
  ssl->setSslConfiguration(serverConfig);
  LocalServer secure(std::move(ssl));
  LocalServer plain;
  plain.responses = {{"/resultados.csv", Ok("text/csv", kResults)}};
  secure.responses = {
      {"/resultados.csv", Ok("text/csv", kResults)},
      {"/abajo", "HTTP/1.1 302 Found\r\nLocation: " + plain.Address(QStringLiteral("/resultados.csv")).toUtf8() +
                     "\r\nContent-Length: 0\r\n\r\n"}};

  const QString address = secure.Address(QStringLiteral("/resultados.csv"), "https");
  const DownloadOutcome untrusted = DownloadWithDialog(nullptr, address, kMiB, 10000);
  EXPECT_TRUE(untrusted.error.contains(QStringLiteral("conexión segura"))) << untrusted.error.toStdString();

  const QSslConfiguration original = QSslConfiguration::defaultConfiguration();
  QSslConfiguration trusting = original;
  trusting.addCaCertificates(certificate);
  QSslConfiguration::setDefaultConfiguration(trusting);
  const DownloadOutcome trusted = DownloadWithDialog(nullptr, address, kMiB, 10000);
  const DownloadOutcome downgraded =
      DownloadWithDialog(nullptr, secure.Address(QStringLiteral("/abajo"), "https"), kMiB, 10000);
  QSslConfiguration::setDefaultConfiguration(original);
  EXPECT_EQ(trusted.bytes, kResults) << trusted.error.toStdString();
  EXPECT_TRUE(downgraded.error.contains(QStringLiteral("de https a una dirección http")))
      << downgraded.error.toStdString();
  EXPECT_EQ(untrusted.bytes + downgraded.bytes, QByteArray());
}

}  // namespace
}  // namespace tombolix
