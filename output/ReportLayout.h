// A report file read for showing and printing: its sections, its lines in
// reading order, where the lines fall on pages of a given size, and each page
// drawn on any target (a picture of the page, the printer, a PDF file).
//
// Besides the renderer's codes a report line holds layout codes: "&SP=n:"
// moves to column n (2 mm each), "#UDL(...#UDL)" underlines, "#SEG(...#SEG)"
// is a rule as long as its text and "#IMG('file'DXmm=w:DYmm=h:#IMG)" a
// picture w by h millimetres. A page never cuts a line or a picture, nor
// leaves a heading (a line ending in ":") at its foot; a line wider than the
// paper is cut at its right edge. Italic text, the symbols of the formulas
// and results, is set in the serif face, in which I, l, 1 and / differ.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <map>
#include <vector>

#include "platform/WholeFile.h"

namespace platform {
class DrawTarget;
class PrinterTarget;
}  // namespace platform

namespace report {

// The parts of a report file.
struct ReportFile {
  QString separator = ".";  // the decimal separator to show
  QString ENU, SOL, RS1, RS2;
};

// Splits the file's bytes (Windows-1252) into its parts. False when it holds
// none of the report's sections.
bool ParseReportFile(const QByteArray& bytes, ReportFile& report);

// The report's name for its reader, from the case title the statement
// opens with and the case code of the beam picture it shows: "<prefix> 303
// – Fixed at both ends – Uniform load ..."; the prefix alone when the
// report holds neither.
QString ReportName(const ReportFile& report, const QString& prefix);

// "&." (the mark-up's decimal point) as the given separator (one character);
// "&&" stays.
QString WithSeparator(const QString& markup, const QString& separator);

// The pictures a report names, looked for in the folders in turn and loaded
// once. Only the bare file name counts: a report cannot reach outside them.
class ReportPictures {
 public:
  explicit ReportPictures(QStringList folders) : folders_(std::move(folders)) {}
  // A null image when no folder holds a readable picture of that name.
  const QImage& Picture(const QString& name);

 private:
  QStringList folders_;
  std::map<QString, QImage> loaded_;
};

// The report's lines in reading order: the statement, then the formulas with
// the graphs and tables they give, then the results. A line is read up to
// its first 2000 characters, far more than a page shows. The lines are
// kept as places in the sections' text, so a report of millions of lines
// costs little more than its text.
class ReportDocument {
 public:
  explicit ReportDocument(const ReportFile& report);
  int LineCount() const { return static_cast<int>(lines_.size()); }
  QStringView Line(int i) const;

 private:
  struct Span {
    int start, length;  // a report file is at most tens of megabytes
  };
  QString sections_[3];  // in reading order, decimal points set
  int firstLine_[3] = {};
  std::vector<Span> lines_;
};

// The part of a page the report is drawn in (twips, in the target's own
// coordinates): the paper less 10 mm all round, within what the target can
// print. Sets the report's font on the target.
struct PageFrame {
  QRectF content;
  double lineHeight = 0;  // a line of text
};
PageFrame FrameOf(platform::DrawTarget& target);

// Where a page starts, with the bold and italic that the lines before it
// leave on.
struct PageStart {
  int line = 0;
  bool bold = false;
  bool italic = false;
};

// A blank A4 page of this resolution, to draw on through a PrinterTarget
// (the same twips as on a printer's page).
QImage A4Page(int dpi, QImage::Format format = QImage::Format_RGB32);
QSize A4Pixels(int dpi);
// The frame of an A4 page as the viewer shows it at every zoom and the PDF
// file holds it: one frame, so both break the pages alike.
PageFrame A4Frame();

// The pages of the report in frames of this size. A picture larger than the
// frame is drawn smaller to fit, so every line fits on a page. There is
// always at least one page.
std::vector<PageStart> Paginate(const ReportDocument& document, const PageFrame& frame);

// Draws page `page` (from 0) of the pages Paginate gave for this frame.
void DrawPage(const ReportDocument& document, const std::vector<PageStart>& pages, int page,
              const PageFrame& frame, platform::DrawTarget& target, ReportPictures& pictures);

// Prints the whole report `copies` times in one job named `title` on the
// printer's own pages. False when the job could not be started or the printer reports an
// error.
bool PrintReport(const ReportDocument& document, ReportPictures& pictures,
                 platform::PrinterTarget& printer, int copies, const QString& title);

// Writes the whole report as an A4 PDF file, paginated in A4Frame, through
// the whole-file writer: a replaced file keeps its permissions and a failure
// leaves it as it was, with the reason in the result.
platform::WriteResult SaveReportPdf(const ReportDocument& document, ReportPictures& pictures,
                                    const QString& path, const QString& title);

}  // namespace report
