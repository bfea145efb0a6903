#include "img/BeamDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "graphs/Mini_HTFC_rut.h"
#include "platform/DrawTarget.h"

namespace beam_drawing {

const LegendSigns kLegend{+1, +1, +1, +1};

namespace {

using beam_cases::BeamCase;
using beam_cases::Support;

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwips = 15;  // per panel pixel, as on every picture

// Layout in panel pixels.
constexpr double kLeft = 40, kRight = 420;  // the beam's ends at its longest
constexpr double kAxis = 100;               // the beam's axis
constexpr double kHalfDepth = 3;
constexpr double kLoadBase = kAxis - kHalfDepth - 2;
constexpr double kLoadHeight = 38;
constexpr double kPointLength = 48;
constexpr double kCoupleRadius = 14;
constexpr double kGround = kAxis + 19;  // supports stand on this line
constexpr double kExtensionTop = kAxis + 28;
constexpr double kLevel[3] = {kAxis + 40, kAxis + 57, kAxis + 74};  // parts, L, x
constexpr double kDrawnX = 0.6;                                     // of the span
constexpr double kLegendTop = 188, kLegendBottom = 214;

const QColor kInk(0, 0, 0);
const QColor kLoadInk(25, 80, 170);
const QColor kLoadFill(205, 222, 246);
const QColor kBeamFill(215, 215, 215);
const QColor kDimensionInk(95, 95, 95);
const QColor kPointInk(70, 70, 110);

const char* const kLabelFont = "Times New Roman";
constexpr double kLabelPoints = 11;
const char* const kNoteFont = "Arial";
constexpr double kNotePoints = 8.25;
constexpr double kPointPoints = 9;

// The key of a slot as the formulas write it: "w0" is w with subscript 0.
QString KeyMarkup(const QString& key) {
  if (key == QLatin1String("L/2")) return QStringLiteral("&+IL&-I/2");
  QString m = QStringLiteral("&+I") + key.left(1) + QStringLiteral("&-I");
  if (key.size() > 1) m += QLatin1Char('_') + key.mid(1);
  return m;
}

class Canvas {
 public:
  // The painter maps the panel's pixels; the labels are laid out at `scale`
  // device pixels to one of them, as on a picture of that resolution.
  Canvas(QPainter& painter, double scale)
      : p(painter),
        text_(&painter, kWidth, kHeight, scale),
        measure_(nullptr, kWidth, kHeight, scale) {}

  QPainter& p;

  enum class Anchor { Centre, Left, Right };

  // Mark-up at (x, y): x per the anchor, y the middle of the text.
  void Text(const QString& markup, double x, double y, Anchor anchor = Anchor::Centre,
            const char* font = kLabelFont, double points = kLabelPoints,
            const QColor& colour = kInk, bool bold = false) {
    SetFont(measure_, font, points, bold, colour);
    SetFont(text_, font, points, bold, colour);
    const double w = Width(markup);
    double left = x;
    if (anchor == Anchor::Centre) left = x - w / 2;
    if (anchor == Anchor::Right) left = x - w;
    text_.SetCurrentX(left * kTwips);
    text_.SetCurrentY((y - text_.TextHeight(QStringLiteral("Hp")) / kTwips / 2) * kTwips);
    Mini_HTFC_rut::ImprimirHTFC(markup, text_);
  }

  // Width in panel pixels, in the font of the last Text or SetMeasureFont.
  double Width(const QString& markup) {
    measure_.SetCurrentX(0);
    measure_.SetCurrentY(0);
    Mini_HTFC_rut::ImprimirHTFC(markup, measure_);
    return measure_.CurrentX() / kTwips;
  }
  double TextWidth(const QString& markup, const char* font = kLabelFont,
                   double points = kLabelPoints) {
    SetFont(measure_, font, points, false, kInk);
    return Width(markup);
  }
  double TextHeight(const char* font = kLabelFont, double points = kLabelPoints) {
    SetFont(measure_, font, points, false, kInk);
    return measure_.TextHeight(QStringLiteral("Hp")) / kTwips;
  }

 private:
  platform::PainterTarget text_;
  platform::PainterTarget measure_;

  static void SetFont(platform::DrawTarget& t, const char* font, double points, bool bold,
                      const QColor& colour) {
    t.SetFontName(QString::fromLatin1(font));
    t.SetFontSize(points);
    t.SetFontItalic(false);
    t.SetFontBold(bold);
    t.SetForeColor(platform::RGBColor(colour.red(), colour.green(), colour.blue()));
  }
};

QPen Pen(const QColor& colour, double width) {
  return QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// A filled arrowhead with its tip at `tip`, pointing along (dx, dy).
void Head(QPainter& p, QPointF tip, double dx, double dy, const QColor& colour, double length = 7,
          double halfWidth = 3.5) {
  const double n = std::hypot(dx, dy);
  if (n == 0) return;
  dx /= n;
  dy /= n;
  const QPointF back = tip - QPointF(dx * length, dy * length);
  const QPointF side(-dy * halfWidth, dx * halfWidth);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({tip, back + side, back - side}));
  p.setBrush(Qt::NoBrush);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, double width,
           double headLength = 7, double headHalf = 3.5) {
  const double dx = to.x() - from.x(), dy = to.y() - from.y();
  const double n = std::hypot(dx, dy);
  if (n <= headLength) return;
  p.setPen(Pen(colour, width));
  p.drawLine(from, to - QPointF(dx / n * headLength * 0.8, dy / n * headLength * 0.8));
  Head(p, to, dx, dy, colour, headLength, headHalf);
}

// An arc about (cx, cy) from angle a0 to a1 (degrees, counterclockwise on the
// page), with its head at a1.
void ArcArrow(QPainter& p, double cx, double cy, double r, double a0, double a1,
              const QColor& colour, double width, double headLength = 7, double headHalf = 3.5) {
  auto at = [&](double deg) {
    const double t = deg * kPi / 180;
    return QPointF(cx + r * std::cos(t), cy - r * std::sin(t));
  };
  // Stop the line short of the head so the tip stays sharp.
  const double shorten = headLength * 0.8 / r * 180 / kPi;
  const double stop = a1 > a0 ? a1 - shorten : a1 + shorten;
  QPainterPath path(at(a0));
  const int steps = 48;
  for (int i = 1; i <= steps; ++i) path.lineTo(at(a0 + (stop - a0) * i / steps));
  p.setPen(Pen(colour, width));
  p.drawPath(path);
  // The head along the chord it covers, so it sits on the arc.
  const QPointF tip = at(a1), back = at(stop);
  Head(p, tip, tip.x() - back.x(), tip.y() - back.y(), colour, headLength, headHalf);
}

// ---- Beam and supports ------------------------------------------------------

void Hatch(QPainter& p, double x0, double x1, double y) {
  p.setPen(Pen(kInk, 1.2));
  p.drawLine(QPointF(x0, y), QPointF(x1, y));
  p.setPen(Pen(kInk, 0.8));
  for (double x = x0 + 5; x <= x1 + 0.01; x += 5) p.drawLine(QPointF(x, y), QPointF(x - 5, y + 5));
}

void Pin(QPainter& p, double x) {
  const double top = kAxis + kHalfDepth;
  p.setPen(Pen(kInk, 1.2));
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({QPointF(x, top), QPointF(x - 9, kGround), QPointF(x + 9, kGround)}));
  p.drawEllipse(QPointF(x, top + 1), 2.6, 2.6);
  p.setBrush(Qt::NoBrush);
  Hatch(p, x - 14, x + 14, kGround);
}

void Roller(QPainter& p, double x) {
  const double top = kAxis + kHalfDepth;
  const double base = kGround - 5;
  p.setPen(Pen(kInk, 1.2));
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({QPointF(x, top), QPointF(x - 9, base), QPointF(x + 9, base)}));
  p.drawEllipse(QPointF(x, top + 1), 2.6, 2.6);
  p.drawEllipse(QPointF(x - 5, base + 2.5), 2.5, 2.5);
  p.drawEllipse(QPointF(x + 5, base + 2.5), 2.5, 2.5);
  p.setBrush(Qt::NoBrush);
  Hatch(p, x - 14, x + 14, kGround);
}

// A built-in end: a wall at x with its hatching on the side away from the beam.
void Wall(QPainter& p, double x, int outward) {
  const double top = kAxis - 22, bottom = kAxis + 22;
  p.setPen(Pen(kInk, 2));
  p.drawLine(QPointF(x, top), QPointF(x, bottom));
  p.setPen(Pen(kInk, 0.8));
  for (double y = top; y < bottom - 1; y += 5.5)
    p.drawLine(QPointF(x, y + 6), QPointF(x + outward * 6, y));
}

struct Scale {
  double left, perUnit;
  double X(double pos) const { return left + pos * perUnit; }
};

void DrawBeam(QPainter& p, double x0, double x1) {
  p.setPen(Pen(kInk, 1.2));
  p.setBrush(kBeamFill);
  p.drawRect(QRectF(x0, kAxis - kHalfDepth, x1 - x0, 2 * kHalfDepth));
  p.setBrush(Qt::NoBrush);
}

// Supports, and the letters of the ends A and B beside them, clear of a
// couple turning about the end.
void DrawSupports(Canvas& c, Support s, double xA, double xB, bool coupleA, bool coupleB) {
  QPainter& p = c.p;
  const bool wallA = s == Support::Cantilever || s == Support::Fixed || s == Support::Propped;
  const bool wallB = s == Support::Fixed;
  if (wallA)
    Wall(p, xA, -1);
  else
    Pin(p, xA);
  if (wallB)
    Wall(p, xB, +1);
  else if (s != Support::Cantilever)
    Roller(p, xB);

  const double y = kAxis + 12;
  const char* font = kNoteFont;
  const double outA = coupleA ? kCoupleRadius + 5 : 13;
  const double outB = coupleB ? kCoupleRadius + 5 : 13;
  if (wallA)
    c.Text("A", xA + 4, y, Canvas::Anchor::Left, font, kPointPoints, kInk, true);
  else
    c.Text("A", xA - outA, y, Canvas::Anchor::Right, font, kPointPoints, kInk, true);
  if (wallB || (s == Support::Cantilever && !coupleB))
    c.Text("B", xB - 4, y, Canvas::Anchor::Right, font, kPointPoints, kInk, true);
  else
    c.Text("B", xB + outB, y, Canvas::Anchor::Left, font, kPointPoints, kInk, true);
}

// ---- Loads ---------------------------------------------------------------------

void DrawSpread(Canvas& c, const Scale& sc, const beam_cases::Lengths& len,
                const beam_cases::SpreadLoad& load) {
  QPainter& p = c.p;
  const double xa = sc.X(load.from.At(len)), xb = sc.X(load.to.At(len));
  auto top = [&](double t) { return kLoadBase - kLoadHeight * beam_cases::ShapeAt(load.shape, t); };
  QPainterPath outline(QPointF(xa, kLoadBase));
  const int steps = 60;
  for (int i = 0; i <= steps; ++i) {
    const double t = double(i) / steps;
    outline.lineTo(QPointF(xa + (xb - xa) * t, top(t)));
  }
  outline.lineTo(QPointF(xb, kLoadBase));
  outline.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kLoadFill);
  p.drawPath(outline);
  p.setBrush(Qt::NoBrush);
  p.setPen(Pen(kLoadInk, 1.2));
  p.drawPath(outline);

  const int arrows = std::max(2, int(std::lround((xb - xa) / 14))) + 1;
  for (int i = 0; i < arrows; ++i) {
    const double t = double(i) / (arrows - 1);
    const double y = top(t);
    if (kLoadBase - y > 8)
      Arrow(p, QPointF(xa + (xb - xa) * t, y), QPointF(xa + (xb - xa) * t, kLoadBase), kLoadInk, 1,
            5, 2.5);
  }

  // The label over the largest value.
  double peak = 0.5;
  if (load.shape == beam_cases::Shape::Rising) peak = 1;
  if (load.shape == beam_cases::Shape::Falling || load.shape == beam_cases::Shape::QuarterCosine)
    peak = 0;
  const QString m = KeyMarkup(QString::fromLatin1(load.key));
  const double half = c.TextWidth(m) / 2;
  const double x = std::clamp(xa + (xb - xa) * peak, xa + half, std::max(xa + half, xb - half));
  c.Text(m, x, kLoadBase - kLoadHeight - 10);
}

void DrawPoint(Canvas& c, double x, const char* key) {
  const double top = kLoadBase - kPointLength;
  Arrow(c.p, QPointF(x, top), QPointF(x, kLoadBase), kLoadInk, 2, 9, 4.5);
  c.Text(KeyMarkup(QString::fromLatin1(key)), x, top - 9);
}

void DrawCouple(Canvas& c, double x, const beam_cases::Couple& couple) {
  // Open at the bottom, where the supports stand.
  const double a0 = couple.sense > 0 ? -30 : 210;
  const double a1 = couple.sense > 0 ? 210 : -30;
  ArcArrow(c.p, x, kAxis, kCoupleRadius, a0, a1, kLoadInk, 1.8, 8, 4);
  c.Text(KeyMarkup(QString::fromLatin1(couple.key)), x, kAxis - kCoupleRadius - 11);
}

// ---- Dimensions --------------------------------------------------------------

void Extension(QPainter& p, double x, double level) {
  p.setPen(Pen(kDimensionInk, 0.7));
  p.drawLine(QPointF(x, kExtensionTop), QPointF(x, level + 4));
}

void DrawDimension(Canvas& c, double xa, double xb, double level, const QString& label) {
  QPainter& p = c.p;
  Extension(p, xa, level);
  Extension(p, xb, level);
  p.setPen(Pen(kDimensionInk, 0.8));
  p.drawLine(QPointF(xa + 3, level), QPointF(xb - 3, level));
  Head(p, QPointF(xa, level), -1, 0, kDimensionInk, 6, 2.5);
  Head(p, QPointF(xb, level), 1, 0, kDimensionInk, 6, 2.5);
  const QString m = KeyMarkup(label);
  const double w = c.TextWidth(m) + 6, h = c.TextHeight() - 2;
  const double mid = (xa + xb) / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(mid - w / 2, level - h / 2, w, h));
  p.setBrush(Qt::NoBrush);
  c.Text(m, mid, level);
}

// The section at x: a dashed stroke across the beam.
void DrawSection(QPainter& p, double x) {
  QPen pen = Pen(kDimensionInk, 1);
  pen.setDashPattern({3, 2});
  p.setPen(pen);
  p.drawLine(QPointF(x, kAxis - 12), QPointF(x, kAxis + 12));
}

// ---- Legend --------------------------------------------------------------------

void DrawLegend(Canvas& c) {
  QPainter& p = c.p;
  const double mid = (kLegendTop + kLegendBottom) / 2;
  p.setPen(Pen(QColor(180, 180, 180), 0.8));
  p.drawRoundedRect(QRectF(6, kLegendTop, kWidth - 12, kLegendBottom - kLegendTop), 4, 4);

  double x = 12;
  const QString positive = QStringLiteral("Positive:");
  c.Text(positive, x, mid, Canvas::Anchor::Left, kNoteFont, kNotePoints);
  x += c.TextWidth(positive, kNoteFont, kNotePoints) + 14;

  // Deflection: an arrow along positive y.
  const double up = kLegend.deflectionUp;
  Arrow(p, QPointF(x, mid + 8 * up), QPointF(x, mid - 9 * up), kInk, 1.3, 6, 3);
  c.Text(KeyMarkup("y"), x + 5, mid, Canvas::Anchor::Left);
  x += 30;

  // Slope: the turn of a rising beam.
  const double ccw = kLegend.slopeCounterclockwise;
  x += 6;
  ArcArrow(p, x, mid, 7, ccw > 0 ? -70 : 200, ccw > 0 ? 200 : -70, kInk, 1.2, 5, 2.6);
  c.Text(QStringLiteral("&+I&theta&-I"), x + 11, mid, Canvas::Anchor::Left);
  x += 38;

  // Moment and shear on a short piece of the beam: the senses on its faces.
  auto piece = [&](double left) {
    p.setPen(Pen(kInk, 1));
    p.setBrush(kBeamFill);
    p.drawRect(QRectF(left, mid - 3, 24, 6));
    p.setBrush(Qt::NoBrush);
  };
  const double sag = kLegend.momentSagging;
  piece(x);
  // Sagging: clockwise on the left face, counterclockwise on the right.
  ArcArrow(p, x, mid, 8, sag > 0 ? 245 : 115, sag > 0 ? 115 : 245, kInk, 1.2, 5, 2.6);
  ArcArrow(p, x + 24, mid, 8, sag > 0 ? -65 : 65, sag > 0 ? 65 : -65, kInk, 1.2, 5, 2.6);
  c.Text(KeyMarkup("M"), x + 36, mid, Canvas::Anchor::Left);
  x += 62;

  const double shear = kLegend.shearUpOnLeftFace;
  piece(x + 6);
  Arrow(p, QPointF(x + 2, mid + 9 * shear), QPointF(x + 2, mid - 9 * shear), kInk, 1.3, 6, 3);
  Arrow(p, QPointF(x + 34, mid - 9 * shear), QPointF(x + 34, mid + 9 * shear), kInk, 1.3, 6, 3);
  c.Text(KeyMarkup("V"), x + 41, mid, Canvas::Anchor::Left);

  c.Text(QStringLiteral("Loads and couples: positive as drawn"), kWidth - 12, mid,
         Canvas::Anchor::Right, kNoteFont, kNotePoints, kLoadInk);
}

}  // namespace

QImage DrawCase(const BeamCase& beam, double scale) {
  QImage image(int(std::lround(kWidth * scale)), int(std::lround(kHeight * scale)),
               QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setDotsPerMeterX(int(std::lround(3780 * scale)));
  image.setDotsPerMeterY(int(std::lround(3780 * scale)));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  DrawCaseOn(p, beam, scale);
  p.end();
  return image;
}

void DrawCaseOn(QPainter& p, const BeamCase& beam, double scale) {
  if (Mini_HTFC_rut::HTFC_Codigo[1].isEmpty()) Mini_HTFC_rut::IniciarSimbolosHTFC();
  Canvas c(p, scale);

  const beam_cases::Lengths& len = beam.drawn;
  const double end = beam.end.At(len);
  const Scale sc{kLeft, (kRight - kLeft) / end};
  const double xA = sc.X(0), xB = sc.X(len.L), xEnd = sc.X(end);

  for (const auto& load : beam.spread) DrawSpread(c, sc, len, load);
  DrawBeam(p, xA, xEnd);
  bool coupleA = false, coupleB = false;
  for (const auto& couple : beam.couples) {
    coupleA = coupleA || couple.at.At(len) == 0;
    coupleB = coupleB || couple.at.At(len) == len.L;
  }
  DrawSupports(c, beam.support(), xA, xB, coupleA, coupleB);
  for (const auto& point : beam.points) DrawPoint(c, sc.X(point.at.At(len)), point.key);
  for (const auto& couple : beam.couples) DrawCouple(c, sc.X(couple.at.At(len)), couple);
  for (const auto& m : beam.markers) {
    const double at = m.at.At(len);
    // Beside the point, or beside the arc of a couple acting there.
    double gap = 3;
    for (const auto& couple : beam.couples)
      if (couple.at.At(len) == at) gap = kCoupleRadius + 1;
    c.Text(QString(QLatin1Char(m.name)), sc.X(at) + gap, kAxis + 11, Canvas::Anchor::Left,
           kNoteFont, kPointPoints, kPointInk, true);
  }

  for (const auto& d : beam.parts)
    DrawDimension(c, sc.X(d.from.At(len)), sc.X(d.to.At(len)), kLevel[0],
                  QString::fromLatin1(d.label));
  DrawDimension(c, xA, xB, kLevel[1], QStringLiteral("L"));
  const double xs = sc.X(kDrawnX * len.L);
  DrawSection(p, xs);
  DrawDimension(c, xA, xs, kLevel[2], QStringLiteral("x"));

  DrawLegend(c);
}

}  // namespace beam_drawing
