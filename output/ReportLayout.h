// A report file read for showing and printing: its sections, its lines in
// reading order, where the lines fall on pages of a given size, and each page
// drawn on any target (a picture of the page, the printer, a PDF file).
//
// Besides the renderer's codes a report line holds layout codes: "&SP=n:"
// moves to column n (2 mm each), "#UDL(...#UDL)" underlines, "#SEG(...#SEG)"
// is a rule as long as its text and "#IMG('file'DXmm=w:DYmm=h:#IMG)" a
// picture w by h millimetres. A page never cuts a line or a picture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

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

// "&." (the mark-up's decimal point) as the given separator; "&&" stays.
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
// the graphs and tables they give, then the results.
class ReportDocument {
 public:
  explicit ReportDocument(const ReportFile& report);
  const QStringList& Lines() const { return lines_; }

 private:
  QStringList lines_;
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

// The pages of the report in frames of this size. A picture larger than the
// frame is drawn smaller to fit, so every line fits on a page. There is
// always at least one page.
std::vector<PageStart> Paginate(const ReportDocument& document, const PageFrame& frame);

// Draws page `page` (from 0) of the pages Paginate gave for this frame.
void DrawPage(const ReportDocument& document, const std::vector<PageStart>& pages, int page,
              const PageFrame& frame, platform::DrawTarget& target, ReportPictures& pictures);

// Prints the whole report `copies` times in one job on the printer's own
// pages. False when the job could not be started or the printer reports an
// error.
bool PrintReport(const ReportDocument& document, ReportPictures& pictures,
                 platform::PrinterTarget& printer, int copies);

// Writes the whole report as an A4 PDF file. It is made aside and moved into
// place, so a failure leaves an existing file as it was. False when the file
// could not be written.
bool SaveReportPdf(const ReportDocument& document, ReportPictures& pictures, const QString& path,
                   const QString& title);

}  // namespace report
