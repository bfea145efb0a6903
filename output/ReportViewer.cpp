#include "output/ReportViewer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <climits>

#include "graphs/GraphHooks.h"
#include "output/frmImprimir.h"
#include "platform/DrawTarget.h"
#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/Printers.h"
#include "platform/Program.h"
#include "platform/RegularFile.h"
#include "platform/SaveFileDialog.h"

namespace report {

namespace {

// A4 at the 96 dpi of the pictures.
constexpr int kPageWidth = 794, kPageHeight = 1123;
constexpr int kGap = 12;  // around and between pages, pixels
constexpr std::size_t kPagesKept = 8;
// Reports the program writes are some tens of kilobytes.
constexpr qint64 kMaxReportBytes = qint64(64) << 20;

}  // namespace

// ---- ReportPagesView -----------------------------------------------------------

ReportPagesView::ReportPagesView(QWidget* parent) : QAbstractScrollArea(parent) {
  viewport()->setBackgroundRole(QPalette::Dark);
  viewport()->setAutoFillBackground(true);
  verticalScrollBar()->setSingleStep(40);
  horizontalScrollBar()->setSingleStep(40);
  platform::PictureTarget paper(kPageWidth, kPageHeight);
  frame_ = FrameOf(paper);
}

void ReportPagesView::SetDocument(const ReportDocument* document, ReportPictures* pictures) {
  document_ = document;
  pictures_ = pictures;
  drawn_.clear();
  pages_.clear();
  if (document_) pages_ = Paginate(*document_, frame_);
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  UpdateScrollBars();
  viewport()->update();
}

QImage ReportPagesView::PageImage(int page) {
  if (!document_ || page < 0 || page >= PageCount()) return QImage();
  auto found = drawn_.find(page);
  if (found != drawn_.end()) return found->second;
  platform::PictureTarget paper(kPageWidth, kPageHeight);
  DrawPage(*document_, pages_, page, frame_, paper, *pictures_);
  // Keep the pages nearest this one.
  while (drawn_.size() >= kPagesKept) {
    auto farthest = std::max_element(drawn_.begin(), drawn_.end(), [page](auto& a, auto& b) {
      return std::abs(a.first - page) < std::abs(b.first - page);
    });
    drawn_.erase(farthest);
  }
  return drawn_.emplace(page, paper.Image()).first->second;
}

void ReportPagesView::UpdateScrollBars() {
  const qint64 height = kGap + qint64(PageCount()) * (kPageHeight + kGap);
  const int total = static_cast<int>(std::min<qint64>(height, INT_MAX / 2));
  const QSize view = viewport()->size();
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setRange(0, std::max(0, total - view.height()));
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setRange(0, std::max(0, kPageWidth + 2 * kGap - view.width()));
}

void ReportPagesView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void ReportPagesView::scrollContentsBy(int, int) {
  viewport()->update();
}

void ReportPagesView::paintEvent(QPaintEvent*) {
  if (PageCount() == 0) return;
  QPainter p(viewport());
  const int top = verticalScrollBar()->value();
  const int bottom = top + viewport()->height();
  const int left =
      std::max(kGap, (viewport()->width() - kPageWidth) / 2) - horizontalScrollBar()->value();
  const int pitch = kPageHeight + kGap;
  const int first = std::max(0, (top - kGap) / pitch);
  for (int k = first; k < PageCount() && kGap + k * pitch < bottom; ++k)
    p.drawImage(left, kGap + k * pitch - top, PageImage(k));
}

// ---- FormPlomview --------------------------------------------------------------

FormPlomview::FormPlomview() {
  pages_ = new ReportPagesView(this);
  setCentralWidget(pages_);
  mnu_archivo = menuBar()->addMenu(QString());
  mnu_archivo_imprimir = mnu_archivo->addAction(QString());
  mnu_archivo_imprimir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  mnu_archivo_pdf = mnu_archivo->addAction(QString());
  mnu_archivo_pdf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  mnu_archivo->addSeparator();
  mnu_archivo_cerrar = mnu_archivo->addAction(QString());
  mnu_archivo_cerrar->setShortcut(QKeySequence(Qt::Key_Escape));
  connect(mnu_archivo_imprimir, &QAction::triggered, this,
          [this] { mnu_archivo_imprimir_Click(); });
  connect(mnu_archivo_pdf, &QAction::triggered, this, [this] { mnu_archivo_pdf_Click(); });
  connect(mnu_archivo_cerrar, &QAction::triggered, this, [this] { mnu_archivo_cerrar_Click(); });
  mnu_archivo_imprimir->setEnabled(false);
  mnu_archivo_pdf->setEnabled(false);
  SetLanguage();
  resize(kPageWidth + 2 * kGap + 40, 700);
}

FormPlomview::~FormPlomview() {
  pages_->SetDocument(nullptr, nullptr);
}

QString FormPlomview::GetL_win(const QString& key) {
  return idioma_.GetL_win(key);
}

void FormPlomview::SetLanguage() {
  setWindowTitle(GetL_win("Title"));
  mnu_archivo->setTitle(GetL_win("mnu_File"));
  mnu_archivo_imprimir->setText(GetL_win("mnu_Print"));
  mnu_archivo_pdf->setText(GetL_win("mnu_SavePDF"));
  mnu_archivo_cerrar->setText(GetL_win("mnu_Close"));
}

void FormPlomview::ShowMessage(const QString& key, const QString& detail) {
  const QString text = detail.isEmpty() ? GetL_win(key) : GetL_win(key) + "\r\n" + detail;
  platform::MsgBox(text, GetL_win("Error"), platform::MsgIcon::Exclamation);
}

bool FormPlomview::OpenReport(const QString& path) {
  QByteArray bytes;
  ReportFile r;
  QString problem;
  switch (platform::ReadSmallRegularFile(path, kMaxReportBytes, bytes)) {
    case platform::FileRefusal::None:
      if (!ParseReportFile(bytes, r)) problem = "NotAReport";
      break;
    case platform::FileRefusal::Missing:
    case platform::FileRefusal::Unreadable:
      problem = "CantReadReport";
      break;
    case platform::FileRefusal::NotRegular:
      problem = "NotAFile";
      break;
    case platform::FileRefusal::TooLarge:
      problem = "TooLarge";
      break;
  }
  if (!problem.isEmpty()) {
    ShowMessage(problem, path);
    return false;
  }
  // Graphs lie beside the report; the beam pictures ship beside the program.
  const QString folder = QFileInfo(path).absolutePath();
  auto pictures = std::make_unique<ReportPictures>(QStringList{folder, platform::ResourceFolder()});
  auto document = std::make_unique<ReportDocument>(r);
  pages_->SetDocument(document.get(), pictures.get());
  document_ = std::move(document);
  pictures_ = std::move(pictures);
  path_ = path;
  mnu_archivo_imprimir->setEnabled(true);
  mnu_archivo_pdf->setEnabled(true);
  setWindowTitle(GetL_win("Title") + " - " + QFileInfo(path).fileName());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    resize(width(), std::min(900, screen->availableSize().height()));
  return true;
}

void FormPlomview::mnu_archivo_imprimir_Click() {
  if (!document_) return;
  platform::PrinterSystem& printers = platform::Printers();
  if (printers.PrinterNames().isEmpty()) {
    ShowMessage("NoPrinter", QString());
    return;
  }
  VerCopias = true;
  VerCollate = false;
  VerBN = false;
  {
    frmImprimir dialog(this);
    platform::ShowModal(dialog);
  }
  if (!ImprimirAceptado) return;
  bool printed = false;
  if (QPrinter* printer = printers.CurrentPrinter()) {
    const platform::BusyCursor busy;
    platform::PrinterTarget page(printer);
    printed = PrintReport(*document_, *pictures_, page, NumCopias);
  }
  if (!printed) ShowMessage("CantPrint", printers.CurrentPrinterName());
}

void FormPlomview::mnu_archivo_pdf_Click() {
  if (!document_) return;
  const QString filter =
      GetL_win("PDF_file") + " (*.pdf)|*.pdf|" + GetL_win("AllFiles") + " (*.*)|*.*";
  QString path =
      platform::DialogoGuardarArchivo(filter, GetL_win("SavePDF"), QDir::homePath(),
                                      QFileInfo(path_).completeBaseName() + ".pdf", this, ".pdf");
  if (path.isEmpty()) return;
  path = platform::WithExtension(path, ".pdf");
  bool saved = false;
  {
    const platform::BusyCursor busy;
    saved = SaveReportPdf(*document_, *pictures_, path, windowTitle());
  }
  if (!saved) ShowMessage("CantSavePDF", path);
}

void FormPlomview::mnu_archivo_cerrar_Click() {
  close();
}

}  // namespace report
