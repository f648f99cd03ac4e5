#include "ui/web_download.h"
#include "support/test_files.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
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

struct Response {
  QByteArray raw;     // status line, headers and as much body as is sent
  bool close = true;  // false: the connection stays open and silent
};

// A web server on 127.0.0.1 only, served by the test's own event loop (the
// download dialog runs it): each path answers with its scripted response.
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
  QHash<QByteArray, Response> responses;

 private:
  void Accept() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
        request_[socket] += socket->readAll();
        if (!request_[socket].contains("\r\n\r\n")) return;
        const QByteArray path = request_.take(socket).split(' ').value(1);
        const Response response =
            responses.value(path, Response{"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n"});
        socket->write(response.raw);
        if (response.close) socket->disconnectFromHost();
      });
    }
  }
  std::unique_ptr<QTcpServer> server_;
  QHash<QTcpSocket*, QByteArray> request_;
};

Response Ok(const QByteArray& contentType, const QByteArray& body) {
  return {"HTTP/1.1 200 OK\r\nContent-Type: " + contentType + "\r\nContent-Length: " + QByteArray::number(body.size()) +
          "\r\nConnection: close\r\n\r\n" + body};
}

const QByteArray kResults = "fecha;n1;n2;n3\r\n07/01/2023;05;12;33\r\n14/01/2023;01;22;40\r\n";

// Each way a download ends: the file itself, or the one message that says why not.
TEST(WebDownloadTest, EndsWithTheFileOrTheReasonItCannot) {
  LocalServer server;
  server.responses = {
      {"/resultados.csv", Ok("text/csv", kResults)},
      {"/movido", {"HTTP/1.1 302 Found\r\nLocation: /resultados.csv\r\nContent-Length: 0\r\n\r\n"}},
      {"/mudo", {"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n07/01/2023", false}},
      {"/anunciado", {"HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(2 * kMiB) + "\r\n\r\n", false}},
      {"/enorme", {"HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + QByteArray(kMiB + 1, '7')}},
      {"/pagina", Ok("text/html; charset=utf-8", "hola")},
      {"/disfrazada", Ok("application/octet-stream", "\xEF\xBB\xBF \r\n\t<!DOCTYPE HTML><p>")},
      {"/vacio", Ok("text/csv", "")},
  };
  struct Case {
    QString address;
    int stallMs;
    QString error;  // a part of the message; empty: the file arrives whole
  };
  const QString page = QStringLiteral("La dirección da una página web, no un archivo de resultados");
  const Case cases[] = {
      {server.Address(QStringLiteral("/resultados.csv")), 10000, {}},
      {server.Address(QStringLiteral("/movido")), 10000, {}},
      {server.Address(QStringLiteral("/falta")), 10000, QStringLiteral("El servidor respondió 404 (Not Found).")},
      {server.Address(QStringLiteral("/mudo")), 300, QStringLiteral("El servidor dejó de responder")},
      {server.Address(QStringLiteral("/anunciado")), 10000, QStringLiteral("supera el límite de 1 MB")},
      {server.Address(QStringLiteral("/enorme")), 10000, QStringLiteral("supera el límite de 1 MB")},
      {server.Address(QStringLiteral("/pagina")), 10000, page},
      {server.Address(QStringLiteral("/disfrazada")), 10000, page},
      {server.Address(QStringLiteral("/vacio")), 10000, QStringLiteral("no envió ningún dato")},
      {QStringLiteral("ftp://127.0.0.1/resultados.csv"), 10000, QStringLiteral("debe empezar por http:// o https://")},
      {QStringLiteral("file:///etc/hostname"), 10000, QStringLiteral("debe empezar por http:// o https://")},
      {QStringLiteral("127.0.0.1/resultados.csv"), 10000, QStringLiteral("debe empezar por http:// o https://")},
  };
  for (const Case& c : cases) {
    const DownloadOutcome outcome = DownloadWithDialog(nullptr, c.address, kMiB, c.stallMs);
    EXPECT_FALSE(outcome.cancelled) << c.address.toStdString();
    if (c.error.isEmpty()) {
      EXPECT_EQ(outcome.error, QString()) << c.address.toStdString();
      EXPECT_EQ(outcome.bytes, kResults) << c.address.toStdString();
      EXPECT_EQ(outcome.contentType, QStringLiteral("text/csv"));
    } else {
      EXPECT_TRUE(outcome.error.contains(c.error)) << c.address.toStdString() << ": " << outcome.error.toStdString();
      EXPECT_TRUE(outcome.bytes.isEmpty()) << c.address.toStdString();
    }
  }

  // A port nobody listens on any more: the network's own reason, in a Spanish sentence.
  int closedPort = 0;
  {
    QTcpServer gone;
    ASSERT_TRUE(gone.listen(QHostAddress::LocalHost, 0));
    closedPort = gone.serverPort();
  }
  const DownloadOutcome refused =
      DownloadWithDialog(nullptr, QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort), kMiB, 10000);
  EXPECT_TRUE(refused.error.startsWith(QStringLiteral("No se pudo descargar el archivo: ")))
      << refused.error.toStdString();
}

// Escape on the dialog stops a download that is still waiting.
TEST(WebDownloadTest, EscapeCancels) {
  LocalServer server;
  server.responses = {{"/mudo", {"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n", false}}};
  QString title;
  QTimer press;
  QObject::connect(&press, &QTimer::timeout, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QDialog*>(widget);
      if (!dialog || !dialog->isVisible()) continue;
      title = dialog->windowTitle();
      QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QApplication::sendEvent(dialog, &escape);
      press.stop();
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
  const QString keyPath = temp.FilePath(QStringLiteral("key.pem"));
  const QString certPath = temp.FilePath(QStringLiteral("cert.pem"));
  QProcess make;
  make.start(openssl,
             {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
              QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
              QStringLiteral("-keyout"), keyPath, QStringLiteral("-out"), certPath, QStringLiteral("-days"),
              QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
              QStringLiteral("subjectAltName=IP:127.0.0.1")});
  if (!make.waitForFinished(30000) || make.exitCode() != 0) GTEST_SKIP() << "openssl made no certificate";
  const QList<QSslCertificate> certificate = QSslCertificate::fromPath(certPath);
  QFile keyFile(keyPath);
  ASSERT_TRUE(keyFile.open(QIODevice::ReadOnly));
  ASSERT_EQ(certificate.size(), 1);

  auto ssl = std::make_unique<QSslServer>();
  QSslConfiguration serverConfig = QSslConfiguration::defaultConfiguration();
  serverConfig.setLocalCertificate(certificate[0]);
  serverConfig.setPrivateKey(QSslKey(&keyFile, QSsl::Ec));
  ssl->setSslConfiguration(serverConfig);
  LocalServer secure(std::move(ssl));
  LocalServer plain;
  plain.responses = {{"/resultados.csv", Ok("text/csv", kResults)}};
  secure.responses = {{"/resultados.csv", Ok("text/csv", kResults)},
                      {"/abajo",
                       {"HTTP/1.1 302 Found\r\nLocation: " + plain.Address(QStringLiteral("/resultados.csv")).toUtf8() +
                        "\r\nContent-Length: 0\r\n\r\n"}}};

  const QString address = secure.Address(QStringLiteral("/resultados.csv"), "https");
  const DownloadOutcome untrusted = DownloadWithDialog(nullptr, address, kMiB, 10000);
  EXPECT_TRUE(untrusted.error.contains(QStringLiteral("conexión segura"))) << untrusted.error.toStdString();
  EXPECT_TRUE(untrusted.bytes.isEmpty());

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
  EXPECT_TRUE(downgraded.bytes.isEmpty());
}

}  // namespace
}  // namespace tombolix
