// The report viewer: reads a report file (restemp<n>.rex) and shows its
// sections read-only in a scrolling window, drawn with the formula mark-up
// renderer, its layout codes applied and its pictures in place.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QStringList>

class QLabel;
class QScrollArea;

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

// The whole report as one page: statement, formulas and graphs, results.
// Pictures are looked for in the folders in turn; a missing one shows as a
// frame with its name.
QImage RenderReport(const ReportFile& report, const QStringList& pictureFolders);

class FormPlomview : public QMainWindow {
  Q_OBJECT

 public:
  FormPlomview();

  // Reads and shows the report file; on failure says why and shows nothing.
  bool OpenReport(const QString& path);
  const QImage& Page() const { return page_; }
  QScrollArea* Scroller() const { return scroll_; }

 private:
  QString GetL_win(const QString& key);

  QScrollArea* scroll_ = nullptr;
  QLabel* pageLabel_ = nullptr;
  QImage page_;
};

}  // namespace report
