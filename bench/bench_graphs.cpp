// One full graph (titles, grid, labels, axes and the sampled curve) drawn on
// the 1080 x 600 picture the report's graphs are drawn on, the same on a
// 600-dpi printer page drawn into an image, and that picture turned from BMP
// into JPEG.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "engine/Vigas.h"
#include "graphs/Graficas.h"
#include "graphs/Mini_HTFC_rut.h"
#include "platform/DrawTarget.h"
#include "platform/ImageFiles.h"
#include "support/UniformLoadCase.h"

namespace {

void SetUpGraph(int type) {
  using namespace Vigas;
  IniciarVariables();
  IniciarUnidades(kDefaultUnitChoice);
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  uniform_load::LoadInputs(1);
  CalcularCaso(100, true);
  Datos[Slot::Ymin] = -1.5625e-3;
  Datos[Slot::Ymax] = 0;
  Datos[Slot::MMin] = 0;
  Datos[Slot::Mmax] = 3000;
  FlagError = 0;
  ColorTextoGraf = platform::RGBColor(64, 64, 96);
  ColorEjesGraf = platform::RGBColor(0, 64, 128);
  ColorRejillaGraf = platform::RGBColor(196, 196, 196);
  ColorCurvaGraf = platform::RGBColor(200, 0, 0);
  SetCaseTitleSource([](int) { return QStringLiteral("Simply supported - Uniform load"); });
  TipoGrafica = static_cast<int16_t>(type);
  PrepararGrafica();
}

void BM_GraphOnPicture(benchmark::State& state) {
  SetUpGraph(static_cast<int>(state.range(0)));
  platform::PictureTarget pic(1080, 600);
  pic.SetFontName(QStringLiteral("Arial"));
  pic.SetFontSize(14);
  for (auto _ : state) {
    pic.Cls();
    DibujarGrafica(pic, true);
    benchmark::DoNotOptimize(PuntosY[33]);
  }
}
BENCHMARK(BM_GraphOnPicture)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_GraphOnPrinterPage(benchmark::State& state) {
  SetUpGraph(1);
  QImage page(6614, 4677, QImage::Format_RGB32);  // A4 landscape at 600 dpi
  page.setDotsPerMeterX(23622);
  page.setDotsPerMeterY(23622);
  for (auto _ : state) {
    page.fill(Qt::white);
    platform::PrinterTarget printer(&page);
    printer.SetFontName(QStringLiteral("Arial"));
    printer.SetFontSize(10);
    DibujarGrafica(printer, true);
    printer.EndDoc();
  }
}
BENCHMARK(BM_GraphOnPrinterPage)->Unit(benchmark::kMillisecond);

// A report picture from its BMP file to its JPEG file, as the report makes
// each of its four graphs.
void BM_ReportPictureToJpeg(benchmark::State& state) {
  SetUpGraph(3);
  platform::PictureTarget pic(1080, 600);
  pic.SetFontName(QStringLiteral("Arial"));
  pic.SetFontSize(14);
  DibujarGrafica(pic, true);
  QTemporaryDir dir;
  const QString bmp = dir.filePath(QStringLiteral("graph.bmp"));
  const QString jpg = dir.filePath(QStringLiteral("graph.jpg"));
  platform::SaveImageFile(pic.Image(), bmp, "BMP");
  for (auto _ : state) benchmark::DoNotOptimize(platform::GuardarBMPcomoJPG(bmp, jpg, 95));
}
BENCHMARK(BM_ReportPictureToJpeg)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
