#include "platform/Download.h"

#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

#include "platform/Program.h"

namespace platform {

namespace {
Downloader& Replacement() {
  static Downloader downloader;
  return downloader;
}

int& Timeout() {
  static int ms = 10000;
  return ms;
}

bool IsLoopbackHost(const QString& host) {
  if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) return true;
  const QHostAddress address(host);
  return !address.isNull() && address.isLoopback();
}

bool RealDownload(const QString& url, const QString& path) {
  QFile::remove(path);
  const QUrl address(url, QUrl::StrictMode);
  const QString scheme = address.scheme().toLower();
  if (!address.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
    return false;
  if (!DownloadPermitted(url)) return false;

  QNetworkAccessManager manager;
  QNetworkRequest request(address);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setTransferTimeout(Timeout());
  // A sandboxed run must not be led off this machine by a redirect.
  if (Sandboxed())
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
  QNetworkReply* reply = manager.get(request);

  QByteArray body;
  bool tooLarge = false;
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
  QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
    body += reply->readAll();
    if (body.size() > kDownloadSizeLimit) {
      tooLarge = true;
      reply->abort();
    }
  });
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  deadline.start(Timeout());
  // Windows keep painting, but no click or key reaches them meanwhile.
  if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  deadline.stop();

  if (reply->isOpen()) body += reply->readAll();
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const bool ok = reply->error() == QNetworkReply::NoError && !tooLarge &&
                  body.size() <= kDownloadSizeLimit && status >= 200 && status < 300;
  delete reply;
  if (!ok) return false;

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size()) return false;
  return file.commit();
}
}  // namespace

bool DownloadPermitted(const QString& url) {
  if (!Sandboxed()) return true;
  return IsLoopbackHost(QUrl(url).host());
}

bool DownloadToFile(const QString& url, const QString& path) {
  if (Replacement()) {
    Downloader downloader = Replacement();
    return downloader(url, path);
  }
  return RealDownload(url, path);
}

int DownloadTimeout() {
  return Timeout();
}

void SetDownloadTimeout(int milliseconds) {
  Timeout() = milliseconds > 0 ? milliseconds : 10000;
}

Downloader SetDownloader(Downloader downloader) {
  Downloader old = std::move(Replacement());
  Replacement() = std::move(downloader);
  return old;
}

}  // namespace platform
