// Shared set-up of the graph window tests: the shipped language files, the
// main window's graph tables, printers of the tests' own, and modal windows
// driven by scripts instead of waiting for a person.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <deque>
#include <functional>

#include "GraphTestSupport.h"
#include "platform/Fonts.h"
#include "platform/LanguageTable.h"
#include "platform/Modal.h"
#include "platform/Printers.h"

namespace graph_test {

inline QString SourceRoot() {
  QDir d = QFileInfo(QString::fromUtf8(__FILE__)).absoluteDir();
  d.cdUp();
  d.cdUp();
  return d.absolutePath();
}

// Screenshots go beside the test program in the build folder.
inline QString BuildFolder() {
  return QCoreApplication::applicationDirPath();
}

// Lets the event loop run (timers included) for a while.
inline void RunEvents(int ms) {
  QElapsedTimer clock;
  clock.start();
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  } while (clock.elapsed() < ms);
}

// Runs the event loop until the condition holds or the time is up.
inline bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

inline void Key(QWidget* w, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &release);
}

inline void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButtons buttons) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

inline void Click(QWidget* w) {
  SendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton);
  SendMouse(w, QEvent::MouseButtonRelease, Qt::NoButton);
}

inline void DoubleClick(QWidget* w) {
  Click(w);
  SendMouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton);
  SendMouse(w, QEvent::MouseButtonRelease, Qt::NoButton);
}

// Every modal window is handed to the next script in the queue; one shown
// without a script is closed at once. Scripts may show further windows.
class ModalScripts {
 public:
  using Script = std::function<void(QDialog&)>;
  ModalScripts() {
    old_ = platform::SetModalRunner([this](QDialog& d) {
      shown.push_back(d.metaObject()->className());
      if (scripts.empty()) return;
      Script s = std::move(scripts.front());
      scripts.pop_front();
      s(d);
    });
  }
  ~ModalScripts() { platform::SetModalRunner(old_); }
  std::deque<Script> scripts;
  std::vector<QString> shown;

 private:
  platform::ModalRunner old_;
};

// The graph tests' case, with the main window's graph tables and colours,
// the shipped texts and two PDF printers.
class WindowTest : public GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    platform::SetResourceFolder(SourceRoot());
    platform::LanguageTable ksl("KSL");
    for (int i = 1; i <= 4; ++i) DescTipoGrafica[i] = ksl.GetL_win(QString("H_TG%1").arg(i));
    const int counts[6] = {0, 21, 11, 9, 9, 4};
    int k = 0;
    for (int t = 1; t <= 5; ++t)
      for (int r = 0; r < counts[t]; ++r) {
        ListaCodCasos[++k] = QString::number(100 * t + r);
        for (int j = 1; j <= 4; ++j) GraficasCaso[k][j] = static_cast<int16_t>(j);
      }
    CodigoCaso = "100";
    TipoGrafica = 0;
    EditGrafAceptado = false;
    UltimaCarpeta.clear();
    measure_->SetFontSize(platform::DesignFontSize(12));  // as the main window leaves it
    ASSERT_TRUE(pdfFolder_.isValid());
    pdf_ = std::make_unique<platform::PdfPrinters>(pdfFolder_.path(),
                                                   QStringList{"Office", "Plotter"}, 300);
    oldPrinters_ = platform::SetPrinterSystem(pdf_.get());
  }
  void TearDown() override {
    platform::SetPrinterSystem(oldPrinters_);
    platform::SetResourceFolder(QString());
    GraphTest::TearDown();
  }

  ModalScripts modal;
  QTemporaryDir pdfFolder_;
  std::unique_ptr<platform::PdfPrinters> pdf_;
  platform::PrinterSystem* oldPrinters_ = nullptr;
};

}  // namespace graph_test
