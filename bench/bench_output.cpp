// The report viewer reading and drawing report files: a real-looking report
// and one long line of layout codes, which must be read in one pass rather
// than again for every code.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "graphs/Mini_HTFC_rut.h"
#include "output/ReportFiles.h"
#include "output/ReportViewer.h"

namespace {

void DrawReport(benchmark::State& state, const QByteArray& bytes) {
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  for (auto _ : state) {
    report::ReportFile r;
    if (!report::ParseReportFile(bytes, r)) state.SkipWithError("not a report");
    const QImage page = report::RenderReport(r, {});
    benchmark::DoNotOptimize(page.height());
  }
}

void BM_ReportOfACase(benchmark::State& state) {
  QByteArray results;
  for (int i = 0; i < 60; ++i) results += "&SP=4:x = 1&.0&SP=30:y = -2&.5&E-3&LF";
  DrawReport(state, report::ReportFileBytes(".",
                                            "&+BSimply supported&-B&LF&SP=4:EI = 2&.5&E+7&LF"
                                            "&+Ibeta&-I &SUB(1) &SUP(2)&LF#UDL(Loads)&LF",
                                            "#IMG('graph1.jpg' DXmm=90:DYmm=90:)&LF",
                                            QString::fromLatin1(results), "R2"));
}
BENCHMARK(BM_ReportOfACase)->Unit(benchmark::kMillisecond);

void BM_LongLineOfCodes(benchmark::State& state) {
  DrawReport(state, "#ENU(" + QByteArray("&SP=1:").repeated(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_LongLineOfCodes)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
