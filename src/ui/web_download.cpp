#include "ui/web_download.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace tombolix {

namespace {

const QLocale& Spanish() {
  static const QLocale locale(QLocale::Spanish, QLocale::Spain);
  return locale;
}

QString Megabytes(qint64 bytes) { return Spanish().toString(static_cast<double>(bytes) / (1024.0 * 1024.0), 'g', 3); }

QString Kilobytes(qint64 bytes) { return Spanish().toString((bytes + 1023) / 1024); }

// A web page rather than a results file: served as HTML, or its text opens
// like an HTML document once a byte-order mark and blanks are skipped.
bool IsWebPage(const QByteArray& body, const QString& contentType) {
  if (contentType.section(QLatin1Char(';'), 0, 0).trimmed().toLower() == QLatin1String("text/html")) return true;
  QByteArray head = body.left(1024);
  if (head.startsWith("\xEF\xBB\xBF")) head.remove(0, 3);
  head = head.trimmed().toLower();
  return head.startsWith("<!doctype html") || head.startsWith("<html");
}

QString NetworkError(const QNetworkReply& reply, const QUrl& url) {
  switch (reply.error()) {
    case QNetworkReply::SslHandshakeFailedError:
      return QStringLiteral(
                 "No se pudo establecer una conexión segura con %1: el certificado del servidor no es "
                 "válido o no es de confianza (%2). No se descargó nada.")
          .arg(url.host(), reply.errorString());
    case QNetworkReply::InsecureRedirectError:
      return QStringLiteral(
          "El servidor quiso llevar la descarga de https a una dirección http, sin cifrar; "
          "por seguridad no se siguió.");
    default:
      return QStringLiteral("No se pudo descargar el archivo: %1").arg(reply.errorString());
  }
}

// One download and its dialog. The reply talks to the dialog only through
// this object, which outlives both.
class DownloadRun {
 public:
  DownloadRun(QWidget* parent, const QUrl& url, qint64 limitBytes, int stallMs);
  ~DownloadRun();
  DownloadOutcome Run();

 private:
  enum class Stop { None, Cancelled, Stalled, TooLarge };

  void BuildDialog();
  int Status() const { return reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(); }
  void Abort(Stop reason);
  void HeadersArrived();
  void DataArrived();
  void ShowProgress(qint64 received, qint64 total);
  DownloadOutcome Outcome() const;

  QUrl url_;
  qint64 limitBytes_;
  int stallMs_;
  QDialog dialog_;
  QProgressBar* bar_ = nullptr;
  QLabel* received_ = nullptr;
  QTimer stall_;
  QNetworkAccessManager manager_;
  QNetworkReply* reply_ = nullptr;
  QByteArray bytes_;
  Stop stop_ = Stop::None;
};

DownloadRun::DownloadRun(QWidget* parent, const QUrl& url, qint64 limitBytes, int stallMs)
    : url_(url), limitBytes_(limitBytes), stallMs_(stallMs), dialog_(parent) {
  BuildDialog();
  stall_.setSingleShot(true);
  stall_.setInterval(std::max(stallMs_, 1));
  QObject::connect(&stall_, &QTimer::timeout, &dialog_, [this] { Abort(Stop::Stalled); });
  QObject::connect(&dialog_, &QDialog::rejected, &dialog_, [this] { Abort(Stop::Cancelled); });
}

DownloadRun::~DownloadRun() {
  if (reply_) {
    reply_->disconnect();
    reply_->abort();
  }
}

void DownloadRun::BuildDialog() {
  dialog_.setWindowTitle(QStringLiteral("Tombolix - Descargar resultados"));
  dialog_.setWindowModality(Qt::WindowModal);
  dialog_.setMinimumWidth(440);
  auto* layout = new QVBoxLayout(&dialog_);
  auto* address = new QLabel(QStringLiteral("Descargando:\n") + url_.toDisplayString(), &dialog_);
  address->setTextFormat(Qt::PlainText);  // the address is the user's text, never markup
  address->setWordWrap(true);
  layout->addWidget(address);
  bar_ = new QProgressBar(&dialog_);
  bar_->setRange(0, 0);  // busy until the size is known
  layout->addWidget(bar_);
  received_ = new QLabel(&dialog_);
  layout->addWidget(received_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog_);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog_, &QDialog::reject);
  layout->addWidget(buttons);
}

DownloadOutcome DownloadRun::Run() {
  QNetworkRequest request(url_);
  // Redirects are followed, but never from https down to plain http.
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  // sslErrors is left unanswered on purpose: a certificate error ends the download.
  reply_ = manager_.get(request);
  QObject::connect(reply_, &QNetworkReply::metaDataChanged, &dialog_, [this] { HeadersArrived(); });
  QObject::connect(reply_, &QNetworkReply::readyRead, &dialog_, [this] { DataArrived(); });
  QObject::connect(reply_, &QNetworkReply::downloadProgress, &dialog_,
                   [this](qint64 received, qint64 total) { ShowProgress(received, total); });
  QObject::connect(reply_, &QNetworkReply::finished, &dialog_, [this] { dialog_.done(QDialog::Accepted); });
  stall_.start();
  if (!reply_->isFinished()) dialog_.exec();
  stall_.stop();
  if (!reply_->isFinished()) Abort(Stop::Cancelled);
  return Outcome();
}

void DownloadRun::Abort(Stop reason) {
  if (stop_ != Stop::None || !reply_ || reply_->isFinished()) return;
  stop_ = reason;
  reply_->abort();
}

void DownloadRun::HeadersArrived() {
  stall_.start();
  const int status = Status();
  const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
  if (status >= 200 && status < 300 && length.isValid() && length.toLongLong() > limitBytes_) Abort(Stop::TooLarge);
}

void DownloadRun::DataArrived() {
  stall_.start();
  // The body of an error page or of a redirect is not the file.
  if (Status() >= 300) {
    reply_->readAll();
    return;
  }
  if (bytes_.size() + reply_->bytesAvailable() > limitBytes_) {
    Abort(Stop::TooLarge);
    return;
  }
  bytes_ += reply_->readAll();
}

void DownloadRun::ShowProgress(qint64 received, qint64 total) {
  if (total > 0) {
    bar_->setRange(0, 1000);
    bar_->setValue(static_cast<int>(std::min<qint64>(received, total) * 1000 / total));
    received_->setText(QStringLiteral("%1 de %2 kB").arg(Kilobytes(received), Kilobytes(total)));
  } else {
    received_->setText(QStringLiteral("%1 kB recibidos").arg(Kilobytes(received)));
  }
}

DownloadOutcome DownloadRun::Outcome() const {
  DownloadOutcome outcome;
  outcome.contentType = reply_->header(QNetworkRequest::ContentTypeHeader).toString();
  switch (stop_) {
    case Stop::Cancelled:
      outcome.cancelled = true;
      outcome.error = QStringLiteral("Se canceló la descarga.");
      return outcome;
    case Stop::Stalled:
      outcome.error = QStringLiteral(
                          "El servidor dejó de responder: no llegó ningún dato en %1 segundos. "
                          "Inténtelo de nuevo más tarde.")
                          .arg(Spanish().toString(stallMs_ / 1000.0, 'g', 3));
      return outcome;
    case Stop::TooLarge:
      outcome.error = QStringLiteral("El archivo es demasiado grande: supera el límite de %1 MB y no se descargó.")
                          .arg(Megabytes(limitBytes_));
      return outcome;
    case Stop::None:
      break;
  }
  const int status = Status();
  // A redirect that was not followed ends with its own 3xx status; its reason is the network error.
  const bool redirectRefused = reply_->error() == QNetworkReply::InsecureRedirectError ||
                               reply_->error() == QNetworkReply::TooManyRedirectsError;
  if (status >= 300 && !redirectRefused) {
    const QString reason =
        QString::fromLatin1(reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray());
    outcome.error = reason.isEmpty() ? QStringLiteral("El servidor respondió %1.").arg(status)
                                     : QStringLiteral("El servidor respondió %1 (%2).").arg(status).arg(reason);
  } else if (reply_->error() != QNetworkReply::NoError) {
    outcome.error = NetworkError(*reply_, url_);
  } else if (IsWebPage(bytes_, outcome.contentType)) {
    outcome.error = QStringLiteral(
        "La dirección da una página web, no un archivo de resultados. Abra la página en el "
        "navegador y copie la dirección del enlace del archivo CSV (o del enlace de "
        "descarga), no la de la página.");
  } else if (bytes_.isEmpty()) {
    outcome.error = QStringLiteral("El servidor no envió ningún dato.");
  } else {
    outcome.bytes = bytes_;
  }
  return outcome;
}

}  // namespace

DownloadOutcome DownloadWithDialog(QWidget* parent, const QString& address, qint64 limitBytes, int stallMs) {
  const QUrl url(address.trimmed(), QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
    return DownloadOutcome{{},
                           QStringLiteral("«%1» no es una dirección web que se pueda descargar: debe empezar por "
                                          "http:// o https://.")
                               .arg(address.trimmed()),
                           false,
                           {}};
  }
  DownloadRun run(parent, url, limitBytes, stallMs);
  return run.Run();
}

}  // namespace tombolix
