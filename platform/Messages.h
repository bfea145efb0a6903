// Message boxes go through one sink, so tests can record them (and answer
// them) instead of blocking on a modal box.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

enum class MsgIcon { None, Exclamation, Information, Critical, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

struct Message {
  QString prompt;
  QString title;
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual MsgResult Show(const Message& message) = 0;
};

// Shows a message through the current sink (a real QMessageBox by default).
MsgResult MsgBox(const QString& prompt, const QString& title, MsgIcon icon = MsgIcon::Exclamation,
                 MsgButtons buttons = MsgButtons::Ok);

// Text from outside (typed, pasted, a file name) as a message quotes it:
// without the controls that would turn the rest of the message around
// (U+202E and its kind), and, when longer than `longest` characters, cut
// between whole characters with "..." after it (-1: never cut).
QString QuotedText(const QString& text, int longest = -1);
// A reason as a sentence of its own: first letter a capital, a full stop at
// the end ("no space left on device" -> "No space left on device.").
QString AsSentence(const QString& reason);

// Tells that files beside the program are missing or damaged: the folder,
// each problem on a line of its own, then what the program does without
// them (`without`, a sentence). It then goes on. The text is the program's
// own: it cannot come from those files.
void TellDamagedInstall(const QString& programName, const QString& folder,
                        const QStringList& problems, const QString& without);

// Replaces the sink; nullptr restores the real message box. Returns the old one.
MessageSink* SetMessageSink(MessageSink* sink);

// A sink for tests: keeps every message and answers with queued results
// (Ok, or Yes for a question, when the queue is empty).
class RecordingMessageSink : public MessageSink {
 public:
  RecordingMessageSink();
  ~RecordingMessageSink() override;
  MsgResult Show(const Message& message) override;

  std::vector<Message> messages;
  std::vector<MsgResult> answers;

 private:
  MessageSink* previous_;
};

}  // namespace platform
