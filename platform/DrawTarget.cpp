#include "platform/DrawTarget.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "platform/Fonts.h"

namespace platform {

namespace {
constexpr double kMaxFontPoints = 2160;
// The 96 dpi of the screen the pictures stand for.
constexpr int kPictureDotsPerMeter = 3780;

int Clamp255(int v) {
  return std::clamp(v, 0, 255);
}

// Font metrics of a picture at 96 dpi.
const QPaintDevice* PictureMetricsDevice() {
  static const QImage device = [] {
    QImage i(1, 1, QImage::Format_RGB32);
    i.setDotsPerMeterX(kPictureDotsPerMeter);
    i.setDotsPerMeterY(kPictureDotsPerMeter);
    return i;
  }();
  return &device;
}

// A picture's image, filled with its back colour.
QImage BlankImage(int width, int height, int dotsPerMeter, QColor back) {
  QImage image(width, height, QImage::Format_RGB32);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(back);
  return image;
}

// A painter of its own for one drawing step on an image, held until the
// step ends; nullptr when the image cannot be painted.
QPainter* BeginImagePaint(QImage& image, std::unique_ptr<QPainter>& held) {
  held = std::make_unique<QPainter>(&image);
  if (!held->isActive()) held.reset();
  return held.get();
}

QStringList Lines(const QString& text) {
  QString t = text;
  t.remove(QLatin1Char('\r'));
  return t.split(QLatin1Char('\n'));
}
}  // namespace

ColorValue RGBColor(int red, int green, int blue) {
  return Clamp255(red) + 256 * Clamp255(green) + 65536 * Clamp255(blue);
}

QColor ToQColor(ColorValue color) {
  const uint32_t c = static_cast<uint32_t>(color);
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// ---- DrawTarget ----

DrawTarget::DrawTarget() : fontName_(DialogFontName()), fontPoints_(8.25) {}

DrawTarget::~DrawTarget() = default;

void DrawTarget::SetFontName(const QString& name) {
  const QString canonical = CanonicalFontName(name);
  if (canonical.isEmpty()) return;
  fontName_ = canonical;
  fontValid_ = false;
}

int DrawTarget::PixelsFor(double points) const {
  const double tpp = TwipsPerPixelY();
  const double px = points * 20.0 / (tpp > 0 ? tpp : 15.0);
  return std::max(1, static_cast<int>(std::lround(px)));
}

double DrawTarget::FontSize() const {
  return PixelsFor(fontPoints_) * TwipsPerPixelY() / 20.0;
}

void DrawTarget::SetFontSize(double points) {
  if (!(points > 0) || points > kMaxFontPoints) return;
  fontPoints_ = points;
  fontValid_ = false;
}

void DrawTarget::SetFontItalic(bool on) {
  italic_ = on;
  fontValid_ = false;
}

void DrawTarget::SetFontBold(bool on) {
  bold_ = on;
  fontValid_ = false;
}

void DrawTarget::SetFontAs(const DrawTarget& other) {
  SetFontName(other.FontName());
  SetFontSize(other.FontSize());
  SetFontItalic(other.FontItalic());
  SetFontBold(other.FontBold());
}

void DrawTarget::SetDrawWidth(double pixels) {
  if (std::isnan(pixels)) return;
  drawWidth_ = static_cast<int>(std::lround(std::clamp(pixels, 1.0, 32767.0)));
}

void DrawTarget::FontDeviceChanged() {
  fontValid_ = false;
}

void DrawTarget::Realise() const {
  if (fontValid_) return;
  QString family = MapFontFamily(fontName_);
  if (family.isEmpty()) family = MapFontFamily(DialogFontName());
  QFont f(family);
  f.setPixelSize(PixelsFor(fontPoints_));
  f.setItalic(italic_);
  f.setBold(bold_);
  // Each piece of text is placed on its own, as the system's text output did.
  f.setKerning(false);
  if (!SmoothText()) f.setStyleStrategy(QFont::NoAntialias);
  // Hinted one-bit glyphs fill their whole advance ("0" is 7 pixels wide in
  // a 7.2-pixel cell at 13 pixels): unhinted ones keep their side bearings,
  // so neighbouring digits stay apart.
  if (UnhintedText()) f.setHintingPreference(QFont::PreferNoHinting);
  font_ = f;
  fontValid_ = true;
}

QFont DrawTarget::RealFont() const {
  Realise();
  return font_;
}

double DrawTarget::TextWidth(const QString& text) const {
  Realise();
  const QFontMetricsF fm(font_, MetricsDevice());
  double widest = 0;
  for (const QString& line : Lines(text)) {
    const double w = fm.horizontalAdvance(SymbolFontToUnicode(fontName_, line));
    widest = std::max(widest, w);
  }
  return widest * TwipsPerPixelX();
}

double DrawTarget::TextHeight(const QString& text) const {
  Realise();
  const QFontMetricsF fm(font_, MetricsDevice());
  const int lines = static_cast<int>(Lines(text).size());
  return lines * std::round(fm.height()) * TwipsPerPixelY();
}

double DrawTarget::FontAscent() const {
  Realise();
  const QFontMetricsF fm(font_, MetricsDevice());
  return std::round(fm.ascent()) * TwipsPerPixelY();
}

bool DrawTarget::Paint(const std::function<void(QPainter& painter, bool sharp)>& step) {
  bool drew = false;
  if (QPainter* p = BeginPaint()) {
    step(*p, false);
    EndPaint(p);
    drew = true;
  }
  if (QPainter* p = BeginSharpPaint()) {
    step(*p, true);
    EndPaint(p);
    drew = true;
  }
  return drew;
}

void DrawTarget::Print(const QString& text) {
  const double width = TextWidth(text);
  Realise();
  const QFontMetricsF fm(font_, MetricsDevice());
  const double x = currentX_ / TwipsPerPixelX();
  const double y = currentY_ / TwipsPerPixelY() + std::round(fm.ascent());
  const bool drawn = Paint([&](QPainter& p, bool sharp) {
    QFont f = font_;
    if (sharp) f.setStyleStrategy(QFont::PreferAntialias);
    p.setFont(f);
    p.setPen(ToQColor(foreColor_));
    if (std::isfinite(x) && std::isfinite(y) && std::abs(x) < 1e7 && std::abs(y) < 1e7)
      p.drawText(QPointF(x, y), SymbolFontToUnicode(fontName_, text));
  });
  if (drawn) Changed();
  currentX_ += width;
}

void DrawTarget::Line(double x1, double y1, double x2, double y2) {
  Line(x1, y1, x2, y2, foreColor_);
}

void DrawTarget::Line(double x1, double y1, double x2, double y2, ColorValue color) {
  const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
  const QPointF a(x1 / tx, y1 / ty), b(x2 / tx, y2 / ty);
  auto sane = [](const QPointF& q) {
    return std::isfinite(q.x()) && std::isfinite(q.y()) && std::abs(q.x()) < 1e7 &&
           std::abs(q.y()) < 1e7;
  };
  const bool drawn = Paint([&](QPainter& p, bool) {
    if (!sane(a) || !sane(b)) return;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(ToQColor(color), drawWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
  });
  if (drawn) Changed();
  currentX_ = x2;
  currentY_ = y2;
}

void DrawTarget::PaintPicture(double x, double y, double width, double height,
                              const QImage& picture) {
  const QRectF box(x / TwipsPerPixelX(), y / TwipsPerPixelY(), width / TwipsPerPixelX(),
                   height / TwipsPerPixelY());
  const bool sane = std::isfinite(box.x()) && std::isfinite(box.y()) &&
                    std::isfinite(box.right()) && std::isfinite(box.bottom()) &&
                    std::abs(box.x()) < 1e7 && std::abs(box.y()) < 1e7 && box.width() < 1e7 &&
                    box.height() < 1e7;
  if (!sane || picture.isNull()) return;
  const bool drawn = Paint([&](QPainter& p, bool) {
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // The painter shrinks a picture by sampling its pixels, which loses thin
    // lines and small lettering: on a raster target a picture drawn smaller
    // is shrunk first by averaging. Printers and PDF files get it whole.
    const QSize pixels =
        p.transform().mapRect(box).size().toSize() * p.device()->devicePixelRatioF();
    if (p.device()->devType() == QInternal::Image && !pixels.isEmpty() &&
        (pixels.width() < picture.width() || pixels.height() < picture.height()))
      p.drawImage(box, picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
      p.drawImage(box, picture);
  });
  if (drawn) Changed();
}

void DrawTarget::Cls() {
  currentX_ = 0;
  currentY_ = 0;
}

// ---- PictureTarget ----

PictureTarget::PictureTarget(int widthPixels, int heightPixels, ColorValue backColor)
    : image_(BlankImage(std::max(1, widthPixels), std::max(1, heightPixels), kPictureDotsPerMeter,
                        ToQColor(backColor))),
      backColor_(backColor) {}

PictureTarget::~PictureTarget() = default;

double PictureTarget::ScaleWidth() const {
  return image_.width() * 15.0;
}

double PictureTarget::ScaleHeight() const {
  return image_.height() * 15.0;
}

namespace {
// The image at a new size: the old drawing at its top-left, the rest in the
// back colour. Sizes are in the image's own (device-independent) pixels.
QImage Regrown(const QImage& old, int width, int height, double ratio, QColor back) {
  QImage grown =
      BlankImage(static_cast<int>(std::ceil(width * ratio)),
                 static_cast<int>(std::ceil(height * ratio)), kPictureDotsPerMeter, back);
  grown.setDevicePixelRatio(ratio);
  QPainter p(&grown);
  p.drawImage(0, 0, old);
  return grown;
}
}  // namespace

void PictureTarget::Resize(int widthPixels, int heightPixels) {
  widthPixels = std::max(1, widthPixels);
  heightPixels = std::max(1, heightPixels);
  if (widthPixels == image_.width() && heightPixels == image_.height()) return;
  image_ = Regrown(image_, widthPixels, heightPixels, 1, ToQColor(backColor_));
  if (sharpRatio_ > 1)
    sharp_ = Regrown(sharp_, widthPixels, heightPixels, sharpRatio_, ToQColor(backColor_));
  Changed();
}

void PictureTarget::SetSharpRatio(double ratio) {
  ratio = std::isfinite(ratio) ? std::clamp(ratio, 1.0, 8.0) : 1.0;
  if (ratio == sharpRatio_) return;
  sharpRatio_ = ratio;
  RebuildSharpCopy();
  Changed();
}

// The copy starts as the picture scaled up; what is drawn from now on is sharp.
void PictureTarget::RebuildSharpCopy() {
  if (sharpRatio_ <= 1) {
    sharp_ = QImage();
    return;
  }
  sharp_ = Regrown(QImage(), image_.width(), image_.height(), sharpRatio_, ToQColor(backColor_));
  QPainter p(&sharp_);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(QRectF(0, 0, image_.width(), image_.height()), image_);
}

void PictureTarget::SetBackColor(ColorValue color) {
  backColor_ = color;
  Cls();
}

void PictureTarget::Cls() {
  DrawTarget::Cls();
  image_.fill(ToQColor(backColor_));
  if (sharpRatio_ > 1) sharp_.fill(ToQColor(backColor_));
  Changed();
}

QPainter* PictureTarget::BeginPaint() {
  return BeginImagePaint(image_, painter_);
}

QPainter* PictureTarget::BeginSharpPaint() {
  if (sharpRatio_ <= 1) return nullptr;
  QPainter* p = BeginImagePaint(sharp_, painter_);
  if (p) p->setRenderHint(QPainter::TextAntialiasing, true);
  return p;
}

void PictureTarget::EndPaint(QPainter*) {
  painter_.reset();
}

void PictureTarget::Changed() {
  if (changed_) changed_();
}

// ---- MeasureTarget ----

MeasureTarget::MeasureTarget(int widthPixels, int heightPixels)
    : width_(std::max(1, widthPixels)), height_(std::max(1, heightPixels)) {}

const QPaintDevice* MeasureTarget::MetricsDevice() const {
  // Measures exactly as a picture does.
  return PictureMetricsDevice();
}

// ---- SmoothPictureTarget ----

SmoothPictureTarget::SmoothPictureTarget(int widthPixels, int heightPixels, ColorValue backColor,
                                         int scale)
    : width_(std::max(1, widthPixels)),
      height_(std::max(1, heightPixels)),
      scale_(std::clamp(scale, 1, 16)),
      image_(BlankImage(width_ * scale_, height_ * scale_, kPictureDotsPerMeter * scale_,
                        ToQColor(backColor))) {}

SmoothPictureTarget::~SmoothPictureTarget() = default;

QPainter* SmoothPictureTarget::BeginPaint() {
  QPainter* p = BeginImagePaint(image_, painter_);
  if (p) {
    p->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p->scale(scale_, scale_);
  }
  return p;
}

void SmoothPictureTarget::EndPaint(QPainter*) {
  painter_.reset();
}

const QPaintDevice* SmoothPictureTarget::MetricsDevice() const {
  // Measures at the picture's own pixels, whatever the scale it is drawn at.
  return PictureMetricsDevice();
}

// ---- PainterTarget ----

PainterTarget::PainterTarget(QPainter* painter, int widthPixels, int heightPixels, double scale,
                             bool designAdvances)
    : painter_(painter),
      width_(std::max(1, widthPixels)),
      height_(std::max(1, heightPixels)),
      scale_(std::clamp(scale, 0.01, 100.0)),
      designAdvances_(designAdvances),
      metrics_(1, 1, QImage::Format_RGB32) {
  const int dotsPerMeter = static_cast<int>(std::lround(kPictureDotsPerMeter * scale_));
  metrics_.setDotsPerMeterX(dotsPerMeter);
  metrics_.setDotsPerMeterY(dotsPerMeter);
  if (painter_) base_ = QTransform::fromScale(1 / scale_, 1 / scale_) * painter_->transform();
  FontDeviceChanged();
}

PainterTarget::~PainterTarget() = default;

QPainter* PainterTarget::BeginPaint() {
  if (!painter_) return nullptr;
  painter_->save();
  // The text and lines of a target are placed in its pixels.
  painter_->setTransform(base_);
  return painter_;
}

void PainterTarget::EndPaint(QPainter* painter) {
  painter->restore();
}

// ---- PrinterTarget ----

PrinterTarget::PrinterTarget(QPrinter* printer) : printer_(printer) {}

PrinterTarget::PrinterTarget(QImage* page) : page_(page) {}

PrinterTarget::~PrinterTarget() {
  EndDoc();
}

double PrinterTarget::Dpi() const {
  double dpi = 0;
  if (printer_) dpi = printer_->resolution();
  if (page_) dpi = std::round(page_->dotsPerMeterX() * 0.0254);  // stored as dots per metre
  return dpi > 0 ? dpi : 96.0;
}

double PrinterTarget::TwipsPerPixelX() const {
  return 1440.0 / Dpi();
}

double PrinterTarget::TwipsPerPixelY() const {
  return 1440.0 / Dpi();
}

double PrinterTarget::ScaleWidth() const {
  if (printer_) return printer_->pageRect(QPrinter::DevicePixel).width() * TwipsPerPixelX();
  if (page_) return page_->width() * TwipsPerPixelX();
  return 0;
}

double PrinterTarget::ScaleHeight() const {
  if (printer_) return printer_->pageRect(QPrinter::DevicePixel).height() * TwipsPerPixelY();
  if (page_) return page_->height() * TwipsPerPixelY();
  return 0;
}

void PrinterTarget::SetOrientation(Orientation orientation) {
  if (!printer_) return;
  printer_->setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait);
}

PrinterTarget::Orientation PrinterTarget::GetOrientation() const {
  if (printer_ && printer_->pageLayout().orientation() == QPageLayout::Landscape)
    return Orientation::Landscape;
  return Orientation::Portrait;
}

bool PrinterTarget::Printing() const {
  return painter_ != nullptr;
}

QPainter* PrinterTarget::BeginPaint() {
  if (painter_) return painter_.get();
  if (failed_) return nullptr;
  QPaintDevice* device = printer_ ? static_cast<QPaintDevice*>(printer_) : page_;
  if (!device) return nullptr;
  FontDeviceChanged();
  auto p = std::make_unique<QPainter>();
  if (!p->begin(device)) {
    failed_ = true;
    return nullptr;
  }
  p->setRenderHint(QPainter::TextAntialiasing, true);
  painter_ = std::move(p);
  return painter_.get();
}

void PrinterTarget::NewPage() {
  if (!BeginPaint()) return;
  if (printer_) {
    printer_->newPage();
  } else if (page_) {
    page_->fill(Qt::white);
  }
  Cls();
}

void PrinterTarget::EndDoc() {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
  failed_ = false;
  Cls();
}

const QPaintDevice* PrinterTarget::MetricsDevice() const {
  if (printer_) return printer_;
  return page_;
}

}  // namespace platform
