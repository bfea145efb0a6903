// Fetching a small document from a web address on the event loop: starting
// returns at once, the windows keep taking clicks and keys, and the outcome
// arrives later through a callback.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace platform {

struct DownloadOutcome {
  enum Kind {
    Received,      // the server answered with success; the body is complete
    Refused,       // not an http(s) address, or not allowed in this run
    NoConnection,  // the server could not be reached or broke off
    HttpError,     // the server answered with an error status
    TooLarge,      // the body passed kDownloadSizeLimit
    TimedOut,      // no complete answer within the time limit
  };
  Kind kind = Refused;
  int httpStatus = 0;
  QByteArray body;  // only with Received
  QString detail;   // what failed, in words for a message
};

// Largest body accepted, in bytes.
constexpr qint64 kDownloadSizeLimit = 1 << 20;

// Longest wait for one download, in milliseconds (10 s unless set; 0 goes
// back to 10 s).
int DownloadTimeout();
void SetDownloadTimeout(int milliseconds);

// Whether the address may be fetched at all: always, except in a sandboxed
// run (tests), which reaches only this machine (127.0.0.1, ::1, localhost).
bool DownloadPermitted(const QString& url);

// One download. `done` runs exactly once, from the event loop (never from
// within the constructor), unless the download is cancelled or destroyed
// first. The object stays alive until its owner deletes it.
class Download : public QObject {
  Q_OBJECT

 public:
  using Done = std::function<void(const DownloadOutcome&)>;
  Download(const QString& url, Done done, QObject* parent = nullptr);
  ~Download() override;

  // Ends the download now as if its time limit had passed (the timer does
  // this; so may a test, instead of waiting).
  void TimeOut();
  // Ends it without calling `done`.
  void Cancel();

 private:
  void Finish(DownloadOutcome outcome);
  void ReplyFinished();

  Done done_;
  bool running_ = true;
  bool tooLarge_ = false;
  QByteArray body_;
  QNetworkAccessManager* manager_ = nullptr;
  QNetworkReply* reply_ = nullptr;
  QTimer deadline_;
};

}  // namespace platform
