// A tiny HTTP server on 127.0.0.1 for the update-check tests: answers every
// request with one fixed reply (or never answers) and keeps the request lines.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

namespace shell_test {

class LocalHttpServer {
 public:
  LocalHttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { Accept(); });
  }

  bool Listening() const { return server_.isListening(); }
  QString Address(const QString& path = QStringLiteral("/update.php")) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
  }

  // The reply: an HTTP status and a body. Silent: never answers.
  void Reply(const QByteArray& body, int status = 200) {
    body_ = body;
    status_ = status;
    silent_ = false;
  }
  void Silent() { silent_ = true; }

  QStringList requests;  // "GET /path?query HTTP/1.1"

 private:
  void Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      auto* buffer = new QByteArray;
      QObject::connect(socket, &QTcpSocket::disconnected, socket, [socket, buffer] {
        delete buffer;
        socket->deleteLater();
      });
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
        *buffer += socket->readAll();
        if (!buffer->contains("\r\n\r\n") || buffer->isEmpty()) return;
        requests << QString::fromLatin1(buffer->left(buffer->indexOf("\r\n")));
        buffer->clear();
        if (silent_) return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(status_) + " X\r\n";
        head += "Content-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
                QByteArray::number(body_.size()) + "\r\n\r\n";
        socket->write(head + body_);
        socket->disconnectFromHost();
      });
    }
  }

  QTcpServer server_;
  QByteArray body_;
  int status_ = 200;
  bool silent_ = false;
};

}  // namespace shell_test
