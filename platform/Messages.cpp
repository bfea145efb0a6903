#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextBoundaryFinder>

namespace platform {

namespace {
class QtMessageSink : public MessageSink {
 public:
  MsgResult Show(const Message& m) override {
    QMessageBox box(QApplication::activeWindow());
    box.setText(m.prompt);
    box.setWindowTitle(m.title);
    switch (m.icon) {
      case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
      case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
      case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
      case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
      case MsgIcon::None:
        break;
    }
    switch (m.buttons) {
      case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
      case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
      case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
      case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
      case QMessageBox::Cancel:
        return MsgResult::Cancel;
      case QMessageBox::Yes:
        return MsgResult::Yes;
      case QMessageBox::No:
        return MsgResult::No;
      default:
        return MsgResult::Ok;
    }
  }
};

QtMessageSink& RealSink() {
  static QtMessageSink sink;
  return sink;
}

MessageSink*& CurrentSink() {
  static MessageSink* sink = nullptr;
  return sink;
}
}  // namespace

MsgResult MsgBox(const QString& prompt, const QString& title, MsgIcon icon, MsgButtons buttons) {
  MessageSink* sink = CurrentSink() ? CurrentSink() : &RealSink();
  return sink->Show(Message{prompt, title, icon, buttons});
}

MessageSink* SetMessageSink(MessageSink* sink) {
  MessageSink* old = CurrentSink();
  CurrentSink() = sink;
  return old;
}

RecordingMessageSink::RecordingMessageSink() : previous_(SetMessageSink(this)) {}

RecordingMessageSink::~RecordingMessageSink() {
  SetMessageSink(previous_);
}

MsgResult RecordingMessageSink::Show(const Message& message) {
  messages.push_back(message);
  if (!answers.empty()) {
    const MsgResult r = answers.front();
    answers.erase(answers.begin());
    return r;
  }
  return message.buttons == MsgButtons::YesNo || message.buttons == MsgButtons::YesNoCancel
             ? MsgResult::Yes
             : MsgResult::Ok;
}

void TellDamagedInstall(const QString& programName, const QString& folder,
                        const QStringList& problems, const QString& without) {
  MsgBox(programName + QStringLiteral(" cannot use some of its files in the folder\r\n") + folder +
             QStringLiteral("\r\n\r\n") + problems.join(QStringLiteral("\r\n")) +
             QStringLiteral("\r\n\r\n") + programName + QStringLiteral(" runs without them: ") +
             without + QStringLiteral("\r\n\r\nPlease install the program again."),
         programName, MsgIcon::Exclamation);
}

QString QuotedText(const QString& text, int longest) {
  QString shown;
  shown.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    const bool bidiControl = u == 0x061C || u == 0x200E || u == 0x200F ||
                             (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
    if (!bidiControl) shown += c;
  }
  if (longest < 0) return shown;
  QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, shown);
  int count = 0;
  for (qsizetype at = characters.toNextBoundary(); at > 0; at = characters.toNextBoundary()) {
    if (++count > longest) {
      // Where the character before `at` began: the cut falls in front of it.
      characters.toPreviousBoundary();
      return shown.left(characters.position()) + QStringLiteral("...");
    }
  }
  return shown;
}

QString AsSentence(const QString& reason) {
  QString s = reason.trimmed();
  if (s.isEmpty()) return s;
  s[0] = s[0].toUpper();
  if (!s.endsWith(QLatin1Char('.')) && !s.endsWith(QLatin1Char('!')) &&
      !s.endsWith(QLatin1Char('?')))
    s += QLatin1Char('.');
  return s;
}

}  // namespace platform
