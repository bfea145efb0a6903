// Message boxes go through one sink, so tests can record them (and answer
// them) instead of blocking on a modal box.
#pragma once

#include <QString>
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
