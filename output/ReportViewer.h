// The report viewer: reads a report file (restemp<n>.rex) and shows it
// read-only as A4 pages, drawn with the formula mark-up renderer, its layout
// codes applied and its pictures in place. It prints the report on the
// system's printers and saves it as a PDF file.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <map>
#include <memory>
#include <vector>

#include "output/ReportLayout.h"
#include "platform/LanguageTable.h"

class QAction;
class QMenu;

namespace report {

// The pages of a report one under another, each drawn when it first comes
// into view, so a long report shows at once.
class ReportPagesView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit ReportPagesView(QWidget* parent = nullptr);
  // Shows the document's pages (nullptr: none); both must outlive the view
  // or be replaced.
  void SetDocument(const ReportDocument* document, ReportPictures* pictures);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  // The picture of a page as the view shows it (A4 at 96 dpi).
  QImage PageImage(int page);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void UpdateScrollBars();

  const ReportDocument* document_ = nullptr;
  ReportPictures* pictures_ = nullptr;
  PageFrame frame_;
  std::vector<PageStart> pages_;
  std::map<int, QImage> drawn_;  // the pages drawn lately
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

 private:
  QString GetL_win(const QString& key);
  void SetLanguage();
  void ShowMessage(const QString& key, const QString& detail);

  platform::LanguageTable idioma_{QStringLiteral("PLV")};
  ReportPagesView* pages_ = nullptr;
  QString path_;
  std::unique_ptr<ReportDocument> document_;
  std::unique_ptr<ReportPictures> pictures_;
};

}  // namespace report
