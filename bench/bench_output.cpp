// Opening a long report in the viewer: a real report of case 100 (statement,
// data, formulas, four graphs with their pictures, two tables, results)
// repeated until the file reaches the given size, read and shown up to the
// first screen the user sees.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>

#include "engine/Vigas.h"
#include "graphs/GraphState.h"
#include "graphs/Mini_HTFC_rut.h"
#include "output/ReportFiles.h"
#include "output/ReportText.h"
#include "output/ReportViewer.h"
#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "support/UniformLoadCase.h"

namespace {

namespace S = Vigas::Slot;

// The sections of one report of case 100 (EI 2e7 N·m², L 4 m, x 1 m,
// w0 1500 N/m), with tables sampled from the case itself.
report::ReportSections OneReport() {
  Vigas::IniciarVariables();
  Vigas::IniciarUnidades(Vigas::kDefaultUnitChoice);
  Vigas::IniciarSimbolosSigno();
  Vigas::NumDigitos = 4;
  uniform_load::LoadInputs(1);
  report::ReportTables t;
  for (int i = 1; i <= 64; ++i) {
    Vigas::Datos[S::x] = 4.0 * (i - 1) / 63;
    Vigas::CalcularCaso(100, false);
    t.x[i] = Vigas::Datos[S::x];
    t.y[i] = Vigas::Datos[S::Y];
    t.theta[i] = Vigas::Datos[S::Theta];
    t.m[i] = Vigas::Datos[S::M];
    t.v[i] = Vigas::Datos[S::V];
  }
  Vigas::Datos[S::x] = 1;
  Vigas::CalcularCaso(100, true);
  static platform::LanguageTable ksl(QStringLiteral("KSL"));
  const report::TextLookup text = [](const QString& key) { return ksl.GetL_win(key); };
  const QString jpg[4] = {"y1.jpg", "t1.jpg", "m1.jpg", "v1.jpg"};
  const report::ReportData d = report::ReportDataFromEngine("Simply supported - Uniform load");
  return report::BuildReportSections(d, t, jpg, report::LoadFormulasHTFC(100), text);
}

// A report file of about `bytes` bytes in the folder, with its four graph
// pictures beside it.
QString WriteLongReport(const QString& folder, qint64 bytes) {
  const report::ReportSections one = OneReport();
  report::ReportSections all;
  const qint64 each = one.ENUN.size() + one.SOLU.size() + 2 * one.RESOL1.size();
  for (qint64 n = 0; n * each < bytes; ++n) {
    all.ENUN += one.ENUN;
    all.SOLU += one.SOLU;
    all.RESOL1 += one.RESOL1;
    all.RESOL2 += one.RESOL2;
  }
  for (const char* name : {"y1.jpg", "t1.jpg", "m1.jpg", "v1.jpg"}) {
    QImage graph(1080, 600, QImage::Format_RGB32);
    graph.fill(Qt::white);
    QPainter(&graph).drawLine(0, 300, 1079, 300);
    graph.save(folder + "/" + name, "JPG", 95);
  }
  const QString path = folder + "/restemp100000.rex";
  QFile f(path);
  if (f.open(QIODevice::WriteOnly))
    f.write(report::ReportFileBytes(".", all.ENUN, all.SOLU, all.RESOL1, all.RESOL2));
  return path;
}

void BM_ViewerOpensLongReport(benchmark::State& state) {
  QTemporaryDir folder;
  const QString path = WriteLongReport(folder.path(), state.range(0) << 20);
  state.counters["MB"] = static_cast<double>(QFile(path).size()) / (1 << 20);
  platform::RecordingMessageSink messages;
  for (auto _ : state) {
    report::FormPlomview viewer;
    const bool opened = viewer.OpenReport(path);
    benchmark::DoNotOptimize(opened);
    // The first screen the user sees.
    benchmark::DoNotOptimize(viewer.grab());
  }
}
BENCHMARK(BM_ViewerOpensLongReport)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

// A report read and its first page drawn, as the viewer does it.
void DrawFirstPage(benchmark::State& state, const QByteArray& bytes) {
  for (auto _ : state) {
    report::ReportFile r;
    if (!report::ParseReportFile(bytes, r)) state.SkipWithError("not a report");
    const report::ReportDocument document(r);
    report::ReportPictures pictures({});
    report::ReportPagesView view;
    view.SetDocument(&document, &pictures);
    benchmark::DoNotOptimize(view.PageImage(0).height());
  }
}

void BM_ReportOfACase(benchmark::State& state) {
  QByteArray results;
  for (int i = 0; i < 60; ++i) results += "&SP=4:x = 1&.0&SP=30:y = -2&.5&E-3&LF";
  DrawFirstPage(state, report::ReportFileBytes(".",
                                               "&+BSimply supported&-B&LF&SP=4:EI = 2&.5&E+7&LF"
                                               "&+Ibeta&-I &SUB(1) &SUP(2)&LF#UDL(Loads)&LF",
                                               "#IMG('graph1.jpg' DXmm=90:DYmm=90:)&LF",
                                               QString::fromLatin1(results), "R2"));
}
BENCHMARK(BM_ReportOfACase)->Unit(benchmark::kMillisecond);

// One long line of layout codes is read in one pass, not again for every code.
void BM_LongLineOfCodes(benchmark::State& state) {
  DrawFirstPage(state, "#ENU(" + QByteArray("&SP=1:").repeated(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_LongLineOfCodes)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

// One word as long as the file: drawn only as far as the page reaches.
void BM_OneLongWord(benchmark::State& state) {
  DrawFirstPage(state, "#ENU(" + QByteArray(static_cast<int>(state.range(0)) << 20, 'W'));
}
BENCHMARK(BM_OneLongWord)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::SetResourceFolder(QStringLiteral(TORV_SOURCE_DIR));
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
