// Cost of one full calculation through the main window's boxes, and of one
// step of a slider drag (a box edit and a full calculation).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <memory>

#include "engine/Vigas.h"
#include "mainwin/FormMain.h"
#include "mainwin/Idioma.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/Settings.h"

namespace {

// One window for all benchmarks: no display, settings in a folder of their own.
struct Bench {
  Bench() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_mainwin";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
    platform::SetSandboxed(true);
    platform::RedirectSettings(settings.path());
    platform::SetResourceFolder(QStringLiteral(TORV_SOURCE_DIR));
    form = std::make_unique<FormMain>();
    form->show();
    QCoreApplication::processEvents();
  }
  // Chooses a case and types its inputs, in metres and newtons.
  void Prepare(int code) {
    const int t = code / 100;
    form->LblMENU_Click(t);
    form->List1[t]->setCurrentRow(code % 100);
    const std::pair<const char*, const char*> values[] = {
        {"EI", "21000"}, {"L", "6"},   {"X", "2.5"},  {"W0", "12"},  {"P", "40"},
        {"a", "2"},      {"b", "1.5"}, {"#a", "1.5"}, {"#c", "1.5"}, {"M0", "3"}};
    for (int r = 0; r < form->Model().InputRows(t); ++r) {
      platform::TextBox* box = form->Text1[(t - 1) * 15 + r];
      for (auto [key, text] : values)
        if (box->Tag == QLatin1String(key)) box->SetText(QString::fromLatin1(text));
    }
  }
  QTemporaryDir settings;
  std::unique_ptr<QApplication> app;
  std::unique_ptr<FormMain> form;
  platform::RecordingMessageSink messages;
};

Bench& TheBench() {
  static Bench b;
  return b;
}

void BM_Calcular(benchmark::State& state) {
  Bench& b = TheBench();
  const int code = static_cast<int>(state.range(0));
  b.Prepare(code);
  bool ok = true;
  for (auto _ : state) ok = ok && b.form->Driver().Calcular();
  if (!ok || !b.messages.messages.empty()) state.SkipWithError("the calculation failed");
}
// Both search all four extremes; 503 also solves at C and D.
BENCHMARK(BM_Calcular)->Arg(103)->Arg(503)->Unit(benchmark::kMicrosecond);

void BM_SliderDragStep(benchmark::State& state) {
  Bench& b = TheBench();
  b.Prepare(503);
  b.form->Driver().Calcular();
  const int t = 5;
  platform::ImageControl* thumb = b.form->ImgSLD[t];
  const double track = b.form->LinSLD[t]->X2() - b.form->LinSLD[t]->X1();
  const QPointF start = thumb->mapToGlobal(QPointF(thumb->width() / 2.0, 5));
  auto send = [&](QEvent::Type type, double dx, Qt::MouseButtons buttons) {
    const QPointF global = start + QPointF(dx, 0);
    QMouseEvent e(type, thumb->mapFromGlobal(global), global,
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(thumb, &e);
  };
  send(QEvent::MouseButtonPress, 0, Qt::LeftButton);
  int i = 0;
  for (auto _ : state) {
    // Back and forth across the track, so every step moves x.
    const int k = i++ % 40;
    send(QEvent::MouseMove, track * 0.02 * (k < 20 ? k - 10 : 30 - k), Qt::LeftButton);
  }
  send(QEvent::MouseButtonRelease, 0, Qt::NoButton);
  if (!b.form->LblGRA[t]->Enabled()) state.SkipWithError("the drag left no valid results");
}
BENCHMARK(BM_SliderDragStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
