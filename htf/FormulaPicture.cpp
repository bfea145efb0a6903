#include "htf/FormulaPicture.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <vector>

#include "graphs/FormulaFont.h"
#include "graphs/Mini_HTFC_rut.h"
#include "htf/FormulaMarkup.h"
#include "platform/DrawTarget.h"

namespace formulas {

namespace {

constexpr double kTwips = 15;  // per pixel on pictures
constexpr int kMargin = 6;
constexpr int kIndent = 16;     // formulas under their heading
constexpr int kColumnGap = 14;  // between two formulas on one line

struct Placed {
  QString markup;
  double x, y;  // pixels
};

// Places the formulas line by line, measuring each with the renderer.
class Layout {
 public:
  Layout() {
    Mini_HTFC_rut::SetFormulaFont(measure_);
    pitch_ = std::ceil(measure_.TextHeight(QStringLiteral("Hp")) / kTwips * 1.25);
  }

  bool Run(const std::vector<ShownBlock>& blocks, QString& error) {
    y_ = kMargin;
    for (size_t k = 0; k < blocks.size(); ++k) {
      if (k > 0) y_ += std::round(pitch_ / 3);
      const ShownBlock& b = blocks[k];
      if (!b.heading.empty()) {
        Place(QString::fromStdString(b.heading), kMargin);
        y_ += pitch_;
      }
      for (const ShownFormula& f : b.formulas)
        if (!Formula(f, error)) return false;
      CloseLine();
    }
    return true;
  }

  const std::vector<Placed>& Items() const { return items_; }
  int Width() const { return static_cast<int>(std::ceil(right_)) + kMargin; }
  int Height() const { return static_cast<int>(std::ceil(y_)) + kMargin; }

 private:
  platform::MeasureTarget measure_;
  std::vector<Placed> items_;
  double pitch_ = 20;
  double y_ = 0;
  double right_ = 0;
  bool halfLine_ = false;  // a short formula waits in the first column

  static double FullWidth() { return kPictureMaxWidth - kIndent - kMargin; }
  static double ColumnWidth() { return (FullWidth() + kColumnGap) / 2; }

  double Measure(const QString& markup) {
    measure_.SetCurrentX(0);
    measure_.SetCurrentY(0);
    Mini_HTFC_rut::ImprimirHTFC(markup, measure_);
    return measure_.CurrentX() / kTwips;
  }

  void Place(const QString& markup, double x) {
    items_.push_back({markup, x, y_});
    right_ = std::max(right_, x + Measure(markup));
  }

  void CloseLine() {
    if (halfLine_) y_ += pitch_;
    halfLine_ = false;
  }

  bool Formula(const ShownFormula& f, QString& error) {
    const QString lhs = QString::fromStdString(f.lhs);
    QString whole = lhs;
    for (const std::string& p : f.pieces) whole += QString::fromStdString(p);
    if (Measure(whole) <= ColumnWidth() - kColumnGap) {
      if (halfLine_) {
        Place(whole, kIndent + ColumnWidth());
        y_ += pitch_;
        halfLine_ = false;
      } else {
        Place(whole, kIndent);
        halfLine_ = true;
      }
      return true;
    }
    CloseLine();
    // Too long for one line: go on after a plus or minus, under the right-hand side.
    const double hang = kIndent + Measure(lhs);
    QString line = lhs + QString::fromStdString(f.pieces[0]);
    double x = kIndent;
    for (size_t k = 1; k <= f.pieces.size(); ++k) {
      const QString next = k < f.pieces.size() ? QString::fromStdString(f.pieces[k]) : QString();
      if (k < f.pieces.size() && x + Measure(line + next) <= kIndent + FullWidth()) {
        line += next;
        continue;
      }
      if (x + Measure(line) > kIndent + FullWidth()) {
        error = QStringLiteral("a formula is too wide for the picture: %1").arg(whole);
        return false;
      }
      Place(line, x);
      y_ += pitch_;
      line = next.trimmed();
      x = hang;
    }
    return true;
  }
};

}  // namespace

namespace {
// The formulas laid out within the picture's limits.
bool LaidOut(const CaseFormulas& c, Layout& layout, QString& error) {
  if (!layout.Run(ShownBlocks(c), error)) return false;
  if (layout.Width() > kPictureMaxWidth) {
    error = QStringLiteral("a heading is too wide for the picture");
    return false;
  }
  if (layout.Height() > kPictureMaxHeight) {
    error = QStringLiteral("the formulas are %1 pixels high, more than %2")
                .arg(layout.Height())
                .arg(kPictureMaxHeight);
    return false;
  }
  return true;
}

void DrawItems(const Layout& layout, platform::DrawTarget& target) {
  Mini_HTFC_rut::SetFormulaFont(target);
  for (const Placed& p : layout.Items()) {
    target.SetCurrentX(p.x * kTwips);
    target.SetCurrentY(p.y * kTwips);
    Mini_HTFC_rut::ImprimirHTFC(p.markup, target);
  }
}
}  // namespace

QImage FormulaPicture(const CaseFormulas& c, QString& error, int scale) {
  Layout layout;
  if (!LaidOut(c, layout, error)) return QImage();
  platform::SmoothPictureTarget picture(layout.Width(), layout.Height(),
                                        platform::RGBColor(255, 255, 255), scale);
  DrawItems(layout, picture);
  return picture.Image().convertToFormat(QImage::Format_Grayscale8);
}

QSize FormulaPictureSize(const CaseFormulas& c, QString& error) {
  Layout layout;
  if (!LaidOut(c, layout, error)) return QSize();
  return QSize(layout.Width(), layout.Height());
}

bool DrawFormulas(const CaseFormulas& c, QPainter& painter, QString& error) {
  Layout layout;
  if (!LaidOut(c, layout, error)) return false;
  platform::PainterTarget target(&painter, layout.Width(), layout.Height(), 1, true);
  DrawItems(layout, target);
  return true;
}

bool ReadSources(const QString& folder, std::vector<CaseFormulas>& cases, QString& error) {
  const QStringList names = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files);
  if (names.isEmpty()) {
    error = QStringLiteral("no formula sources in %1").arg(folder);
    return false;
  }
  for (const QString& name : names) {
    QFile f(folder + "/" + name);
    if (!f.open(QIODevice::ReadOnly)) {
      error = QStringLiteral("cannot read %1").arg(f.fileName());
      return false;
    }
    try {
      for (auto& c : ParseSource(f.readAll().toStdString(), name.toStdString()))
        cases.push_back(std::move(c));
    } catch (const SourceError& e) {
      error = QString::fromStdString(e.what());
      return false;
    }
  }
  return true;
}

}  // namespace formulas
