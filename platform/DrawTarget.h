// Drawing targets in twips (1440 to the inch): the object every drawing routine
// of the program draws on, whether a picture, the printer or the hidden
// measuring picture. One code path draws on all of them.
//
// Text is printed without a line feed: its top-left corner at the current
// position, which then moves to the text's right end. Fonts carry Windows names
// ("Arial", "Courier New", "Symbol", ...) mapped to installed fonts; text set in
// a symbol font is in that font's 8-bit encoding and shows as its Unicode
// equivalents.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QTransform>
#include <cstdint>
#include <functional>
#include <memory>

class QPainter;
class QPaintDevice;
class QPrinter;

namespace platform {

// Colours as Windows values: red + 256 * green + 65536 * blue.
using ColorValue = int32_t;

// Components are clamped to 0..255.
ColorValue RGBColor(int red, int green, int blue);
QColor ToQColor(ColorValue color);

class DrawTarget {
 public:
  DrawTarget(const DrawTarget&) = delete;
  DrawTarget& operator=(const DrawTarget&) = delete;
  virtual ~DrawTarget();

  virtual bool IsPrinter() const { return false; }
  // Twips per device pixel: 15 for pictures, 1440 / dpi for the printer.
  virtual double TwipsPerPixelX() const { return 15.0; }
  virtual double TwipsPerPixelY() const { return 15.0; }

  // The drawable area in twips.
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;

  // Font. The name is a Windows name; setting an empty or unknown name is
  // ignored. Sizes are points and read back as realised in whole device pixels
  // (10 on a picture reads 9.75); a size not above 0 or above 2160 is ignored.
  QString FontName() const { return fontName_; }
  void SetFontName(const QString& name);
  double FontSize() const;
  void SetFontSize(double points);
  bool FontItalic() const { return italic_; }
  void SetFontItalic(bool on);
  bool FontBold() const { return bold_; }
  void SetFontBold(bool on);
  // Name, size, italic and bold as another target has them.
  void SetFontAs(const DrawTarget& other);
  ColorValue ForeColor() const { return foreColor_; }
  void SetForeColor(ColorValue color) { foreColor_ = color; }

  // Current position in twips: where the next text starts (its top-left).
  double CurrentX() const { return currentX_; }
  void SetCurrentX(double x) { currentX_ = x; }
  double CurrentY() const { return currentY_; }
  void SetCurrentY(double y) { currentY_ = y; }

  // Line width in device pixels; a fractional width is rounded, at least 1.
  int DrawWidth() const { return drawWidth_; }
  void SetDrawWidth(double pixels);

  // Size of a text in the current font, in twips: the width as the font lays
  // the text out (not rounded, so text printed a character at a time ends
  // where the whole text would), the height in whole device pixels. Text
  // with line breaks measures its widest line and all its lines.
  double TextWidth(const QString& text) const;
  double TextHeight(const QString& text) const;
  // Ascent of the current font (baseline below the text top), in twips.
  double FontAscent() const;

  // Draws the text with its top-left at the current position and moves
  // CurrentX to its right end. One line: line breaks are not interpreted.
  virtual void Print(const QString& text);
  // A straight line in the fore colour or the given colour, DrawWidth pixels
  // wide; the current position moves to its end.
  void Line(double x1, double y1, double x2, double y2);
  virtual void Line(double x1, double y1, double x2, double y2, ColorValue color);
  // The picture scaled into the box (twips); the current position is kept.
  void PaintPicture(double x, double y, double width, double height, const QImage& picture);

  // Clears the drawing (pictures: to the back colour) and moves the current
  // position to (0, 0).
  virtual void Cls();

  // The installed font the current Windows font is drawn with.
  QFont RealFont() const;

 protected:
  DrawTarget();
  // The painter for one drawing step, or nullptr when nothing is drawn;
  // every BeginPaint that returns a painter is paired with EndPaint.
  virtual QPainter* BeginPaint() = 0;
  virtual void EndPaint(QPainter* painter) = 0;
  // A second surface every drawing step also goes to, or nullptr: a
  // picture's copy at the screen's pixel density. Paired with EndPaint too.
  virtual QPainter* BeginSharpPaint() { return nullptr; }
  // The device whose font metrics apply.
  virtual const QPaintDevice* MetricsDevice() const = 0;
  // Called after anything was drawn.
  virtual void Changed() {}
  // Pictures draw text without antialiasing, so a drawing repeated over
  // itself (and the saved picture) stays exactly the same.
  virtual bool SmoothText() const { return true; }
  // Unhinted glyphs advance as the font designs them, at every resolution
  // and smoothing, so text ends where the measuring picture said it would.
  virtual bool UnhintedText() const { return !SmoothText(); }
  // The realised size changes with the device's resolution.
  void FontDeviceChanged();

 private:
  QString fontName_;
  double fontPoints_;  // as set; realised in whole device pixels
  bool italic_ = false;
  bool bold_ = false;
  ColorValue foreColor_ = 0;
  double currentX_ = 0;
  double currentY_ = 0;
  int drawWidth_ = 1;
  mutable QFont font_;
  mutable bool fontValid_ = false;

  void Realise() const;
  int PixelsFor(double points) const;
  // Runs one drawing step on each surface (the second one told it is the
  // sharp copy); true when anything was drawn.
  bool Paint(const std::function<void(QPainter& painter, bool sharp)>& step);
};

// A picture: a persistent image at 15 twips per pixel whatever the screen.
// What is drawn stays in the image (what is shown, saved and copied).
class PictureTarget : public DrawTarget {
 public:
  explicit PictureTarget(int widthPixels = 1, int heightPixels = 1,
                         ColorValue backColor = 0xFFFFFF);
  ~PictureTarget() override;

  double ScaleWidth() const override;
  double ScaleHeight() const override;

  // New size in pixels; the drawing keeps its top-left part, new area in the
  // back colour.
  void Resize(int widthPixels, int heightPixels);
  int WidthPixels() const { return image_.width(); }
  int HeightPixels() const { return image_.height(); }

  ColorValue BackColor() const { return backColor_; }
  // Setting the back colour clears the picture.
  void SetBackColor(ColorValue color);
  void Cls() override;

  // The picture: what is saved, copied and printed.
  const QImage& Image() const { return image_; }
  // Called after each drawing step (a window repaints the picture).
  void SetChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

  // With a pixel ratio above 1 (a scaled screen), every drawing step also
  // goes to a copy that many times finer, with smoothed text, for showing:
  // as sharp there as the text around it. The picture itself is unchanged.
  // A new ratio starts the copy from the picture.
  void SetSharpRatio(double ratio);
  double SharpRatio() const { return sharpRatio_; }
  // The copy to show, its device pixel ratio set; the picture at ratio 1.
  const QImage& ShownImage() const { return sharpRatio_ > 1 ? sharp_ : image_; }

 protected:
  QPainter* BeginPaint() override;
  void EndPaint(QPainter* painter) override;
  QPainter* BeginSharpPaint() override;
  const QPaintDevice* MetricsDevice() const override { return &image_; }
  void Changed() override;
  bool SmoothText() const override { return false; }

 private:
  void RebuildSharpCopy();
  QImage image_;
  QImage sharp_;
  double sharpRatio_ = 1;
  ColorValue backColor_;
  std::function<void()> changed_;
  std::unique_ptr<QPainter> painter_;  // during one drawing step
};

// The hidden measuring picture: text "printed" on it draws nothing but moves
// CurrentX exactly as on a picture, so printing from (0, 0) leaves the width.
class MeasureTarget : public DrawTarget {
 public:
  explicit MeasureTarget(int widthPixels = 1080, int heightPixels = 600);
  double ScaleWidth() const override { return width_ * 15.0; }
  double ScaleHeight() const override { return height_ * 15.0; }

 protected:
  QPainter* BeginPaint() override { return nullptr; }
  void EndPaint(QPainter*) override {}
  const QPaintDevice* MetricsDevice() const override;
  bool SmoothText() const override { return false; }

 private:
  int width_;
  int height_;
};

// A picture drawn once, to be read or printed rather than repainted: laid
// out as a PictureTarget of the same size in pixels (15 twips to a pixel,
// the measuring picture's fonts and advances), with smoothed text, and drawn
// `scale` times finer, so that the same drawing prints sharp at scale × 96
// dots per inch.
class SmoothPictureTarget : public DrawTarget {
 public:
  SmoothPictureTarget(int widthPixels, int heightPixels, ColorValue backColor, int scale = 1);
  ~SmoothPictureTarget() override;

  double ScaleWidth() const override { return width_ * 15.0; }
  double ScaleHeight() const override { return height_ * 15.0; }

  // widthPixels × scale by heightPixels × scale, its resolution stored with it.
  const QImage& Image() const { return image_; }

 protected:
  QPainter* BeginPaint() override;
  void EndPaint(QPainter* painter) override;
  const QPaintDevice* MetricsDevice() const override;
  bool UnhintedText() const override { return true; }

 private:
  int width_;
  int height_;
  int scale_;
  QImage image_;
  std::unique_ptr<QPainter> painter_;  // during one drawing step
};

// Drawing through a painter that someone else holds (a PDF page, a
// picture being drawn): a picture of widthPixels × heightPixels at the
// screen's 96 dpi, its text laid out `scale` times finer (15 / scale twips
// to a device pixel), drawn through the transform the painter has when the
// target is made, which must map the picture's pixels. So one drawing lands
// as vector graphics wherever the painter draws. Without a painter it only measures.
// `designAdvances`: text advances as the font designs them, as on a
// SmoothPictureTarget.
class PainterTarget : public DrawTarget {
 public:
  PainterTarget(QPainter* painter, int widthPixels, int heightPixels, double scale = 1,
                bool designAdvances = false);
  ~PainterTarget() override;

  double TwipsPerPixelX() const override { return 15.0 / scale_; }
  double TwipsPerPixelY() const override { return 15.0 / scale_; }
  double ScaleWidth() const override { return width_ * 15.0; }
  double ScaleHeight() const override { return height_ * 15.0; }

 protected:
  QPainter* BeginPaint() override;
  void EndPaint(QPainter* painter) override;
  const QPaintDevice* MetricsDevice() const override { return &metrics_; }
  bool UnhintedText() const override { return designAdvances_; }

 private:
  QPainter* painter_;
  int width_;
  int height_;
  double scale_;
  bool designAdvances_;
  QTransform base_;
  QImage metrics_;
};

// The printer: pages of a print job at 1440 / dpi twips per pixel, origin at
// the printable area's top-left. The job starts with the first drawing and
// ends with EndDoc (or when the target goes away).
class PrinterTarget : public DrawTarget {
 public:
  enum class Orientation { Portrait = 1, Landscape = 2 };

  // Draws on the printer, which the caller keeps alive.
  explicit PrinterTarget(QPrinter* printer);
  // A printer page drawn into an image at the image's resolution (print
  // preview): the same geometry as the printer at that resolution.
  explicit PrinterTarget(QImage* page);
  ~PrinterTarget() override;

  bool IsPrinter() const override { return true; }
  double TwipsPerPixelX() const override;
  double TwipsPerPixelY() const override;
  double ScaleWidth() const override;
  double ScaleHeight() const override;

  // Takes effect on the next page when a page is already begun.
  void SetOrientation(Orientation orientation);
  Orientation GetOrientation() const;

  void NewPage();
  // Ends the print job; the next drawing starts a new one.
  void EndDoc();
  // Whether a job is under way.
  bool Printing() const;

  QPrinter* Printer() const { return printer_; }

 protected:
  QPainter* BeginPaint() override;
  void EndPaint(QPainter*) override {}
  const QPaintDevice* MetricsDevice() const override;

 private:
  QPrinter* printer_ = nullptr;
  QImage* page_ = nullptr;
  std::unique_ptr<QPainter> painter_;  // for the whole job
  bool failed_ = false;                // the job could not start: draw nothing until EndDoc
  double Dpi() const;
};

}  // namespace platform
