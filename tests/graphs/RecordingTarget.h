// A measuring target that keeps every print call with the state it was made
// in, optionally posing as the printer at 600 dpi.
#pragma once

#include <QString>
#include <vector>

#include "platform/DrawTarget.h"

struct PrintCall {
  QString text;
  double x, y;
  QString font;
  double size;
  bool italic, bold;
  platform::ColorValue color;
  double ascent;
};

class RecordingTarget : public platform::MeasureTarget {
 public:
  explicit RecordingTarget(bool printer = false) : printer_(printer) {
    SetFontName("Arial");
    SetFontSize(10);
  }
  bool IsPrinter() const override { return printer_; }
  double TwipsPerPixelX() const override { return printer_ ? 2.4 : 15.0; }
  double TwipsPerPixelY() const override { return printer_ ? 2.4 : 15.0; }

  void Print(const QString& text) override {
    calls.push_back({text, CurrentX(), CurrentY(), FontName(), FontSize(), FontItalic(), FontBold(),
                     ForeColor(), FontAscent()});
    MeasureTarget::Print(text);
  }

  // Width of a text in a given state, measured on a twin of this target.
  double WidthIn(const QString& text, const QString& font, double size, bool italic,
                 bool bold) const {
    RecordingTarget twin(printer_);
    twin.SetFontName(font);
    twin.SetFontSize(size);
    twin.SetFontItalic(italic);
    twin.SetFontBold(bold);
    return twin.TextWidth(text);
  }
  double WidthOf(const PrintCall& c) const {
    return WidthIn(c.text, c.font, c.size, c.italic, c.bold);
  }

  std::vector<PrintCall> calls;

 private:
  bool printer_;
};
