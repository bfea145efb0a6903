#include "platform/Download.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "platform/Messages.h"
#include "platform/Program.h"

namespace platform {

namespace {
constexpr int kDefaultTimeout = 10000;

int& Timeout() {
  static int ms = kDefaultTimeout;
  return ms;
}

bool IsLoopbackHost(const QString& host) {
  if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) return true;
  const QHostAddress address(host);
  return !address.isNull() && address.isLoopback();
}
}  // namespace

bool DownloadPermitted(const QString& url) {
  if (!Sandboxed()) return true;
  return IsLoopbackHost(QUrl(url).host());
}

int DownloadTimeout() {
  return Timeout();
}

void SetDownloadTimeout(int milliseconds) {
  Timeout() = milliseconds > 0 ? milliseconds : kDefaultTimeout;
}

Download::Download(const QString& url, Done done, QObject* parent)
    : QObject(parent), done_(std::move(done)) {
  deadline_.setSingleShot(true);
  connect(&deadline_, &QTimer::timeout, this, [this] { TimeOut(); });

  const QUrl address(url, QUrl::StrictMode);
  const QString scheme = address.scheme().toLower();
  if (!address.isValid() || address.host().isEmpty() ||
      (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
      !DownloadPermitted(url)) {
    DownloadOutcome refused;
    refused.detail = QStringLiteral("The address cannot be asked: ") + url;
    // Later, from the event loop, like every other outcome.
    QMetaObject::invokeMethod(
        this, [this, refused] { Finish(refused); }, Qt::QueuedConnection);
    return;
  }

  manager_ = new QNetworkAccessManager(this);
  QNetworkRequest request(address);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  // A sandboxed run must not be led off this machine by a redirect.
  if (Sandboxed())
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
  reply_ = manager_->get(request);
  connect(reply_, &QNetworkReply::readyRead, this, [this] {
    body_ += reply_->readAll();
    if (body_.size() > kDownloadSizeLimit) {
      tooLarge_ = true;
      reply_->abort();
    }
  });
  connect(reply_, &QNetworkReply::finished, this, [this] { ReplyFinished(); });
  deadline_.start(Timeout());
}

Download::~Download() {
  Cancel();
}

void Download::ReplyFinished() {
  if (!running_) return;
  DownloadOutcome outcome;
  if (reply_->isOpen()) body_ += reply_->readAll();
  outcome.httpStatus = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (tooLarge_ || body_.size() > kDownloadSizeLimit) {
    outcome.kind = DownloadOutcome::TooLarge;
    outcome.detail = QStringLiteral("The answer is larger than %1 bytes.").arg(kDownloadSizeLimit);
  } else if (reply_->error() == QNetworkReply::TooManyRedirectsError) {
    // The status is then the last redirect's, which is no error of its own.
    outcome.kind = DownloadOutcome::HttpError;
    outcome.detail = QStringLiteral("The server sent too many redirects.");
  } else if (reply_->error() == QNetworkReply::InsecureRedirectError) {
    outcome.kind = DownloadOutcome::HttpError;
    outcome.detail = QStringLiteral("The server redirected to an address that is not secure.");
  } else if (outcome.httpStatus >= 300 && outcome.httpStatus < 400) {
    outcome.kind = DownloadOutcome::HttpError;
    outcome.detail =
        QStringLiteral("The server redirected the request (answer %1), which is not followed.")
            .arg(outcome.httpStatus);
  } else if (outcome.httpStatus != 0 && (outcome.httpStatus < 200 || outcome.httpStatus >= 300)) {
    outcome.kind = DownloadOutcome::HttpError;
    outcome.detail =
        QStringLiteral("The server answered with the error %1.").arg(outcome.httpStatus);
  } else if (reply_->error() != QNetworkReply::NoError || outcome.httpStatus == 0) {
    outcome.kind = DownloadOutcome::NoConnection;
    outcome.detail =
        AsSentence(QStringLiteral("No connection to the server: ") + reply_->errorString());
  } else {
    outcome.kind = DownloadOutcome::Received;
    outcome.body = body_;
  }
  Finish(outcome);
}

void Download::TimeOut() {
  if (!running_) return;
  DownloadOutcome outcome;
  outcome.kind = DownloadOutcome::TimedOut;
  outcome.detail = QStringLiteral("The server did not answer in time.");
  Finish(outcome);
}

void Download::Cancel() {
  if (!running_) return;
  running_ = false;
  done_ = nullptr;
  Finish(DownloadOutcome{});
}

void Download::Finish(DownloadOutcome outcome) {
  deadline_.stop();
  if (reply_) {
    reply_->disconnect(this);
    reply_->abort();
    reply_->deleteLater();
    reply_ = nullptr;
  }
  running_ = false;
  body_.clear();
  if (done_) {
    Done done = std::move(done_);
    done_ = nullptr;
    done(outcome);
  }
}

}  // namespace platform
