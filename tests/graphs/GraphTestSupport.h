// Shared set-up of the graph tests: a clean engine state with a case ready
// to draw, the messages recorded, and targets that keep every line and text.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <memory>
#include <vector>

#include "engine/Vigas.h"
#include "graphs/Graficas.h"
#include "graphs/Mini_HTFC_rut.h"
#include "platform/DrawTarget.h"
#include "platform/Messages.h"
#include "support/UniformLoadCase.h"

namespace graph_test {

struct LineCall {
  double x1, y1, x2, y2;
  platform::ColorValue color;
  int width;
};

struct TextCall {
  QString text;
  double x, y;
  platform::ColorValue color;
  bool bold;
  double xEnd = 0;  // CurrentX after the print
};

// A measuring target that keeps its lines and texts; optionally the printer
// at 600 dpi with the same size in twips.
class LineRecorder : public platform::MeasureTarget {
 public:
  explicit LineRecorder(bool printer = false, int w = 1080, int h = 600)
      : MeasureTarget(w, h), printer_(printer) {
    SetFontName("Arial");
    SetFontSize(10);
  }
  bool IsPrinter() const override { return printer_; }
  double TwipsPerPixelX() const override { return printer_ ? 2.4 : 15.0; }
  double TwipsPerPixelY() const override { return printer_ ? 2.4 : 15.0; }
  using MeasureTarget::Line;
  void Line(double x1, double y1, double x2, double y2, platform::ColorValue c) override {
    lines.push_back({x1, y1, x2, y2, c, DrawWidth()});
    MeasureTarget::Line(x1, y1, x2, y2, c);
  }
  void Print(const QString& text) override {
    texts.push_back({text, CurrentX(), CurrentY(), ForeColor(), FontBold()});
    MeasureTarget::Print(text);
    texts.back().xEnd = CurrentX();
  }
  // Whole texts: a print on the same line that starts where the one before
  // it ended, or a few twips after (the space around a dash), continues that
  // text (mark-up is drawn a character at a time).
  std::vector<TextCall> JoinedTexts() const {
    std::vector<TextCall> out;
    for (const TextCall& t : texts) {
      if (!out.empty() && t.y == out.back().y && t.x >= out.back().xEnd &&
          t.x <= out.back().xEnd + 45) {
        out.back().text += t.text;
        out.back().xEnd = t.xEnd;
      } else {
        out.push_back(t);
      }
    }
    return out;
  }
  std::vector<LineCall> LinesIn(platform::ColorValue c) const {
    std::vector<LineCall> out;
    for (const auto& l : lines)
      if (l.color == c) out.push_back(l);
    return out;
  }
  void Clear() {
    lines.clear();
    texts.clear();
  }

  std::vector<LineCall> lines;
  std::vector<TextCall> texts;

 private:
  bool printer_;
};

// Counts the case evaluations of the curve while it lives.
class CountingEvaluator {
 public:
  CountingEvaluator() {
    old_ = SetCaseEvaluator([this](int code, bool completo) {
      ++count;
      codes.push_back(code);
      Vigas::CalcularCaso(code, completo);
    });
  }
  ~CountingEvaluator() { SetCaseEvaluator(old_); }
  int count = 0;
  std::vector<int> codes;

 private:
  CaseEvaluator old_;
};

inline const platform::ColorValue kTexto = platform::RGBColor(64, 64, 96);
inline const platform::ColorValue kEjes = platform::RGBColor(0, 64, 128);
inline const platform::ColorValue kRejilla = platform::RGBColor(196, 196, 196);
inline const platform::ColorValue kCurva = platform::RGBColor(200, 0, 0);

// A simply supported beam under a uniform load (code 100), EI = 2e7 N·m²,
// L = 4 m, w0 = 1500 N/m (downwards), calculated at x = 1 with the
// extremes of every quantity, units m, m, N, N/m, N·m, N·m².
class GraphTest : public ::testing::Test {
 protected:
  static constexpr double kEI = uniform_load::kEI, kL = uniform_load::kL, kW = uniform_load::kW;

  void SetUp() override {
    Mini_HTFC_rut::IniciarSimbolosHTFC();
    Vigas::IniciarVariables();
    Vigas::IniciarUnidades(Vigas::kDefaultUnitChoice);
    Vigas::IniciarSimbolosSigno();
    ColorTextoGraf = kTexto;
    ColorEjesGraf = kEjes;
    ColorRejillaGraf = kRejilla;
    ColorCurvaGraf = kCurva;
    SetCaseTitleSource([this](int tab) { return tab == Vigas::TipoViga ? title : QString(); });
    measure_ = std::make_unique<platform::MeasureTarget>();
    measure_->SetFontName("Arial");
    measure_->SetFontSize(10);
    SetMeasuringPictureSource([this] { return measure_.get(); });
    SetUpUniformLoad();
  }

  void TearDown() override {
    SetCaseTitleSource(nullptr);
    SetMeasuringPictureSource(nullptr);
    Vigas::FlagError = 0;
  }

  void SetUpUniformLoad() {
    using namespace Vigas;
    for (auto& c : CasoCarga) c = -1;
    uniform_load::LoadInputs(1);
    CalcularCaso(100, true);
    Datos[Slot::Ymin] = -5 * kW * kL * kL * kL * kL / (384 * kEI);
    Datos[Slot::Ymax] = 0;
    Datos[Slot::ThetaMin] = -kW * kL * kL * kL / (24 * kEI);
    Datos[Slot::ThetaMax] = kW * kL * kL * kL / (24 * kEI);
    Datos[Slot::MMin] = 0;
    Datos[Slot::Mmax] = kW * kL * kL / 8;
    Datos[Slot::VMin] = -kW * kL / 2;
    Datos[Slot::Vmax] = kW * kL / 2;
    FlagError = 0;
    title = "Simply supported - Uniform load over the whole span";
  }

  // The graph state of a type, set up without a message.
  void Prepare(int type) {
    TipoGrafica = static_cast<int16_t>(type);
    PrepararGrafica();
    ASSERT_EQ(Vigas::FlagError, 0);
    ASSERT_TRUE(sink.messages.empty());
  }

  platform::RecordingMessageSink sink;
  QString title;
  std::unique_ptr<platform::MeasureTarget> measure_;
};

}  // namespace graph_test
