// The report viewer: reads a report file (restemp<n>.rex) and shows it
// read-only as A4 pages, drawn with the formula mark-up renderer, its layout
// codes applied and its pictures in place. It prints the report on the
// system's printers and saves it as a PDF file.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "output/ReportLayout.h"
#include "platform/LanguageTable.h"

class QAction;
class QLabel;
class QMenu;

namespace report {

// The pages of a report one under another, each drawn when it first comes
// into view, so a long report shows at once. Pages are drawn at the zoom
// they are shown at and at the screen's pixel ratio, pictures from their full
// resolution; the page breaks are those of the PDF file at every zoom.
class ReportPagesView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  static constexpr int kMinZoom = 25, kMaxZoom = 400;  // per cent

  explicit ReportPagesView(QWidget* parent = nullptr);
  // Shows the document's pages (nullptr: none); both must outlive the view
  // or be replaced.
  void SetDocument(const ReportDocument* document, ReportPictures* pictures);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  // The picture of a page as the view shows it (A4 at 96 dpi at 100 %),
  // drawn with `ratio` device pixels to each of its pixels.
  QImage PageImage(int page, double ratio = 1);

  int Zoom() const { return zoom_; }
  // The part of the page under `anchor` (a point of the viewport; its
  // centre when left out) stays where it is.
  void SetZoom(int percent, std::optional<QPointF> anchor = std::nullopt);
  void ZoomIn(std::optional<QPointF> anchor = std::nullopt);
  void ZoomOut(std::optional<QPointF> anchor = std::nullopt);
  // The page as wide as the view.
  void FitWidth();

 signals:
  void ZoomChanged(int percent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QSize PageSize() const;
  int PageLeft() const;            // in the viewport
  qint64 PageTop(int page) const;  // in the scrolled contents
  void TurnPage(int by);
  void UpdateScrollBars();
  QImage DrawPageImage(int page, double ratio) const;

  const ReportDocument* document_ = nullptr;
  ReportPictures* pictures_ = nullptr;
  PageFrame frame_;
  std::vector<PageStart> pages_;
  std::map<int, QImage> drawn_;  // the pages drawn lately, at the current zoom and ratio
  double drawnRatio_ = 1;
  int zoom_ = 100;
  int wheelTurn_ = 0;  // of a wheel that turns in small steps
};

class FormPlomview : public QMainWindow {
  Q_OBJECT

 public:
  FormPlomview();
  ~FormPlomview() override;

  // Reads and shows the report file; on failure says why and shows nothing.
  bool OpenReport(const QString& path);
  ReportPagesView* Pages() const { return pages_; }

  // File menu: print on a printer of the system, save as a PDF file, close.
  void mnu_archivo_imprimir_Click();
  void mnu_archivo_pdf_Click();
  void mnu_archivo_cerrar_Click();

  QMenu* mnu_archivo = nullptr;
  QAction* mnu_archivo_imprimir = nullptr;
  QAction* mnu_archivo_pdf = nullptr;
  QAction* mnu_archivo_cerrar = nullptr;
  // View menu: zoom in, zoom out, fit to width, actual size.
  QMenu* mnu_ver = nullptr;
  QAction* mnu_ver_ampliar = nullptr;
  QAction* mnu_ver_reducir = nullptr;
  QAction* mnu_ver_ancho = nullptr;
  QAction* mnu_ver_real = nullptr;

 private:
  QString GetL_win(const QString& key);
  void SetLanguage();
  void ShowMessage(const QString& key, const QString& detail);

  platform::LanguageTable idioma_{QStringLiteral("PLV")};
  ReportPagesView* pages_ = nullptr;
  QLabel* zoomShown_ = nullptr;
  QString path_;
  QString name_;  // the report's case, as its title, print job and PDF show it
  std::unique_ptr<ReportDocument> document_;
  std::unique_ptr<ReportPictures> pictures_;
};

// The viewer's start, given its command line: its texts first (when its
// language file is missing or damaged it says so once and goes on without
// them), then the report named by the first argument, in a window shown.
// nullptr after a message when there is no report to show; the program then
// ends with status 1.
std::unique_ptr<FormPlomview> StartPlomview(const QStringList& arguments);

}  // namespace report
