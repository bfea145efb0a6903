// The row pictures of the quantities, drawn from their formula mark-up by the
// program's mark-up renderer.
#include <QGuiApplication>

#include "graphs/FormulaFont.h"
#include "graphs/Mini_HTFC_rut.h"
#include "mainwin/Artwork.h"
#include "platform/DrawTarget.h"

namespace artwork {

namespace {
constexpr double kTwips = 15;  // per pixel on pictures
}  // namespace

QPixmap QuantityPicture(int index) {
  const int w = QuantityWidth(index);
  if (w <= 0) return QPixmap();
  if (Mini_HTFC_rut::HTFC_Codigo[1].isEmpty()) Mini_HTFC_rut::IniciarSimbolosHTFC();
  const QString markup = QuantityMarkup(index);

  // Right-aligned, so the equals sign stands next to the value box.
  platform::MeasureTarget measure;
  Mini_HTFC_rut::SetFormulaFont(measure);
  measure.SetCurrentX(0);
  measure.SetCurrentY(0);
  Mini_HTFC_rut::ImprimirHTFC(markup, measure);
  const double textWidth = measure.CurrentX();

  // Drawn at the screen's density, so the symbol is as sharp as the captions.
  platform::PictureTarget picture(w, kQuantityHeight, platform::RGBColor(248, 250, 255));
  picture.SetSharpRatio(qApp->devicePixelRatio());
  Mini_HTFC_rut::SetFormulaFont(picture);
  picture.SetCurrentX(w * kTwips - 2 * kTwips - textWidth);
  picture.SetCurrentY(1 * kTwips);
  Mini_HTFC_rut::ImprimirHTFC(markup, picture);
  return QPixmap::fromImage(picture.ShownImage());
}

}  // namespace artwork
