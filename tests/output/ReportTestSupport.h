// Shared by the report tests: a temporary folder of their own, program
// starts recorded, and a calculated case to make reports of.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Vigas.h"
#include "graphs/GraphState.h"
#include "graphs/Mini_HTFC_rut.h"
#include "output/ReportCommand.h"
#include "platform/DrawTarget.h"
#include "platform/Fonts.h"
#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "platform/ProcessStart.h"
#include "platform/Settings.h"
#include "platform/TempFolder.h"
#include "support/QtTestSupport.h"
#include "support/UniformLoadCase.h"

namespace report_test {

using namespace report;
namespace S = Vigas::Slot;

inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Start {
  QString program;
  QStringList arguments;
};

// A temporary folder of its own, settings aside, and every program start
// recorded instead of made.
class ReportFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    platform::RedirectSettings(temp_.path() + "/settings");
    platform::SetResourceFolder(qt_test::SourceRoot());
    platform::SetCarpetaTemp(temp_.path() + "/user temp");
    ASSERT_TRUE(platform::MakePrivateFolder(platform::CarpetaTemp()).ok());
    old_ = platform::SetProgramStarter([this](const QString& p, const QStringList& a) {
      starts.push_back({p, a});
      return true;
    });
    Vigas::SepDecimal = ".";
  }
  void TearDown() override {
    platform::SetProgramStarter(old_);
    platform::SetCarpetaTemp(QString());
    platform::SetResourceFolder(QString());
    platform::RedirectSettings(QString());
  }
  // Makes the temporary folder unusable: its work folder is a plain file.
  void SpoilWorkFolder() {
    QDir(ReportWorkFolder()).removeRecursively();
    QFile f(ReportWorkFolder());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }

  QTemporaryDir temp_;
  std::vector<Start> starts;
  platform::ProgramStarter old_;
  platform::RecordingMessageSink messages;
};

// ---- The whole report from a calculated case ---------------------------------

class ReportCommandTest : public ReportFilesTest {
 protected:
  void SetUp() override {
    ReportFilesTest::SetUp();
    Mini_HTFC_rut::IniciarSimbolosHTFC();
    Vigas::IniciarVariables();
    Vigas::IniciarUnidades(Vigas::kDefaultUnitChoice);
    Vigas::IniciarSimbolosSigno();
    Vigas::NumDigitos = 4;
    SetCaseTitleSource([](int) { return QString("Simply supported - Uniform load"); });
    // The graph colours the main window sets when it loads.
    ColorTextoGraf = platform::RGBColor(64, 64, 96);
    ColorEjesGraf = platform::RGBColor(0, 64, 128);
    ColorRejillaGraf = platform::RGBColor(196, 196, 196);
    ColorCurvaGraf = platform::RGBColor(200, 0, 0);
    picture_.SetFontName("Arial");
    picture_.SetFontSize(platform::DesignFontSize(14));
    MeasuringPicture().SetFontName("Arial");
    MeasuringPicture().SetFontSize(picture_.FontSize());
    uniform_load::LoadInputs(1);
    Calculate(100);
    ASSERT_EQ(Vigas::FlagError, 0);
    context.picture = &picture_;
    context.text = [](const QString& key) { return key; };
    context.caseTitle = "Simply supported - Uniform load";
  }
  void TearDown() override {
    SetCaseTitleSource({});
    Vigas::TipoViga = 0;
    ReportFilesTest::TearDown();
  }
  // What the main window's calculation leaves: values at x, at the ends A
  // and B, and the extremes (found here by sampling) with their positions.
  static void Calculate(int code) {
    using Vigas::Datos;
    const int at[4] = {S::Y, S::Theta, S::M, S::V};
    const int ends[4][2] = {{S::Ya, S::Yb}, {S::ThetaA, S::ThetaB}, {S::Ma, S::Mb}, {S::Va, S::Vb}};
    const int ext[4][3] = {{S::Ymin, S::Ymax, S::xYmax},
                           {S::ThetaMin, S::ThetaMax, S::xThetaMax},
                           {S::MMin, S::Mmax, S::xMMax},
                           {S::VMin, S::Vmax, S::xVMax}};
    const double x = Datos[S::x], L = Datos[S::L];
    double lo[4], hi[4], xBig[4], big[4] = {};
    for (int q = 0; q < 4; ++q) lo[q] = 1e300, hi[q] = -1e300;
    for (int i = 0; i <= 400; ++i) {
      Datos[S::x] = L * i / 400;
      Vigas::CalcularCaso(code, false);
      for (int q = 0; q < 4; ++q) {
        const double v = Datos[at[q]];
        lo[q] = std::min(lo[q], v), hi[q] = std::max(hi[q], v);
        if (std::fabs(v) > big[q]) big[q] = std::fabs(v), xBig[q] = Datos[S::x];
        if (i == 0) Datos[ends[q][0]] = v;
        if (i == 400) Datos[ends[q][1]] = v;
      }
    }
    for (int q = 0; q < 4; ++q)
      Datos[ext[q][0]] = lo[q], Datos[ext[q][1]] = hi[q], Datos[ext[q][2]] = xBig[q];
    Datos[S::x] = x;
    Vigas::CalcularCaso(code, true);
  }
  QStringList WorkFiles() { return QDir(ReportWorkFolder()).entryList(QDir::Files, QDir::Name); }

  platform::PictureTarget picture_{1080, 600};
  ReportContext context;
};

// ---- Looking at drawn reports ----------------------------------------------------

// Pixels of a strong colour on a drawn page: red is only the graphs' curves
// (thinned and blended with white where the pictures are scaled down).
inline int PixelsWhere(const QImage& page, bool (*colour)(const QColor&)) {
  int n = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (colour(page.pixelColor(x, y))) ++n;
  return n;
}
inline bool Reddish(const QColor& c) {
  return c.red() > c.green() + 60 && c.red() > c.blue() + 60;
}
inline bool StrongBlue(const QColor& c) {
  return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}
inline int RedPixels(const QImage& page) {
  return PixelsWhere(page, Reddish);
}

}  // namespace report_test
