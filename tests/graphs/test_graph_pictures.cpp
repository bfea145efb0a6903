// Pictures of graphs as the graph window draws them, saved beside the test
// program for a person to look at: a point load near the end of the span
// (moment and shear), and ranges across a power of ten.
#include <QImage>

#include "GraphTestSupport.h"
#include "platform/Fonts.h"
#include "support/QtTestSupport.h"

using namespace graph_test;
using Vigas::Datos;
namespace Slot = Vigas::Slot;

namespace {

class GraphPictures : public GraphTest {
 protected:
  // The graph window's picture at its smallest size, in its font.
  QImage Draw(int type) {
    Prepare(type);
    platform::PictureTarget pic(657, 567);
    pic.SetFontName("Arial");
    pic.SetFontSize(platform::DesignFontSize(10));
    measure_->SetFontSize(pic.FontSize());
    DibujarGrafica(pic, true);
    return pic.Image();
  }
  void Save(const QImage& image, const QString& name) {
    EXPECT_TRUE(image.save(qt_test::BuildFolder() + "/" + name + ".png")) << name.toStdString();
  }
  // The extremes of a quantity from a dense walk along the span.
  void Extremes(int code, int valueSlot, int minSlot, int maxSlot) {
    double lo = 0, hi = 0;
    const double L = Datos[Slot::L];
    for (int i = 0; i <= 20000; ++i) {
      Datos[Slot::x] = L * i / 20000;
      Vigas::CalcularCaso(code, false);
      lo = std::min(lo, Datos[valueSlot]);
      hi = std::max(hi, Datos[valueSlot]);
    }
    Datos[minSlot] = lo;
    Datos[maxSlot] = hi;
    Vigas::FlagError = 0;
  }
};

TEST_F(GraphPictures, APointLoadNearTheEndOfTheSpan) {
  using namespace Vigas;
  std::fill(std::begin(Datos), std::end(Datos), SinValor);
  CasoCarga[1] = 9;  // case 109, a point load at a
  Datos[Slot::EI] = 2e7;
  Datos[Slot::L] = 6;
  Datos[Slot::a] = 5.95;
  Datos[Slot::P] = 10000;
  title = "Simply supported - Point load at a";
  Extremes(109, Slot::M, Slot::MMin, Slot::Mmax);
  Extremes(109, Slot::V, Slot::VMin, Slot::Vmax);
  Save(Draw(3), "graph_case109_a5.95_moment");
  Save(Draw(4), "graph_case109_a5.95_shear");
}

TEST_F(GraphPictures, RangesAcrossAPowerOfTen) {
  // Case 100: w = 72 kN/m deflects the 4 m span by 12 mm, across 0.01 m;
  // w = 600 kN/m bends it to 1.2e6 N·m, across 10^6.
  Datos[Slot::w0] = 72000;
  Extremes(100, Slot::Y, Slot::Ymin, Slot::Ymax);
  Save(Draw(1), "graph_power_of_ten_deflection");
  Datos[Slot::w0] = 600000;
  Extremes(100, Slot::M, Slot::MMin, Slot::Mmax);
  Save(Draw(3), "graph_power_of_ten_moment");
}

}  // namespace
