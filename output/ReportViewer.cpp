#include "output/ReportViewer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

#include "graphs/GraphHooks.h"
#include "output/frmImprimir.h"
#include "platform/DrawTarget.h"
#include "platform/InstallCheck.h"
#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "platform/Modal.h"
#include "platform/Printers.h"
#include "platform/Program.h"
#include "platform/RegularFile.h"
#include "platform/SaveFileDialog.h"
#include "platform/ScreenFit.h"

namespace report {

namespace {

// The view at 100 % shows the page at the screen's 96 dpi.
constexpr int kScreenDpi = 96;
constexpr int kGap = 12;  // around and between pages, pixels
// Pages kept drawn: those near the one in view, fewer when they are large.
constexpr std::size_t kMaxPagesKept = 8;
constexpr qint64 kKeptBytes = qint64(128) << 20;
constexpr int kZoomSteps[] = {25, 33, 50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};
constexpr int kWheelNotch = 120;
// Reports the program writes are some tens of kilobytes.
constexpr qint64 kMaxReportBytes = qint64(64) << 20;

int DpiAt(int zoom, double ratio = 1) {
  return qRound(kScreenDpi * zoom / 100.0 * ratio);
}

// The device pixels drawn for each pixel of a page: the screen's ratio, but
// never a page finer than one at the largest zoom on a plain screen, which
// bounds the memory a page takes.
double SharpRatio(double ratio, int zoom) {
  if (!std::isfinite(ratio) || ratio <= 1) return 1;
  return std::max(1.0, std::min(ratio, double(DpiAt(ReportPagesView::kMaxZoom)) / DpiAt(zoom)));
}

}  // namespace

// ---- ReportPagesView -----------------------------------------------------------

ReportPagesView::ReportPagesView(QWidget* parent) : QAbstractScrollArea(parent), frame_(A4Frame()) {
  viewport()->setBackgroundRole(QPalette::Dark);
  viewport()->setAutoFillBackground(true);
  verticalScrollBar()->setSingleStep(40);
  horizontalScrollBar()->setSingleStep(40);
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

QSize ReportPagesView::PageSize() const {
  return A4Pixels(DpiAt(zoom_));
}

QImage ReportPagesView::DrawPageImage(int page, double ratio) const {
  const int dpi = DpiAt(zoom_, ratio);
  QImage image = A4Page(dpi);
  image.fill(Qt::white);
  {
    platform::PrinterTarget paper(&image);
    DrawPage(*document_, pages_, page, frame_, paper, *pictures_);
  }
  // Shown at the page's size on the screen, whatever its pixels.
  if (dpi != DpiAt(zoom_)) image.setDevicePixelRatio(double(dpi) / DpiAt(zoom_));
  return image;
}

QImage ReportPagesView::PageImage(int page, double ratio) {
  if (!document_ || page < 0 || page >= PageCount()) return QImage();
  ratio = SharpRatio(ratio, zoom_);
  // Only pages at the ratio the view shows are kept.
  if (ratio != drawnRatio_) return DrawPageImage(page, ratio);
  auto found = drawn_.find(page);
  if (found != drawn_.end()) return found->second;
  QImage image = DrawPageImage(page, ratio);
  // Keep the pages nearest this one.
  const auto kept = static_cast<std::size_t>(
      std::clamp<qint64>(kKeptBytes / std::max<qint64>(1, image.sizeInBytes()), 2, kMaxPagesKept));
  while (drawn_.size() >= kept) {
    auto farthest = std::max_element(drawn_.begin(), drawn_.end(), [page](auto& a, auto& b) {
      return std::abs(a.first - page) < std::abs(b.first - page);
    });
    drawn_.erase(farthest);
  }
  return drawn_.emplace(page, image).first->second;
}

qint64 ReportPagesView::PageTop(int page) const {
  return qint64(page) * (PageSize().height() + kGap);  // a long report passes INT_MAX
}

// To the top of the next page, or back to the top of the page in view (of
// the one before when the view shows its top); the last page down to its end.
void ReportPagesView::TurnPage(int by) {
  QScrollBar* bar = verticalScrollBar();
  if (PageCount() == 0) return;
  const qint64 pitch = PageTop(1), at = bar->value();
  qint64 page = at / pitch;
  if (by > 0)
    ++page;
  else if (at % pitch == 0)
    --page;
  if (page >= PageCount())
    bar->setValue(bar->maximum());
  else
    bar->setValue(
        static_cast<int>(std::min<qint64>(bar->maximum(), PageTop(std::max<qint64>(0, page)))));
}

int ReportPagesView::PageLeft() const {
  return std::max(kGap, (viewport()->width() - PageSize().width()) / 2) -
         horizontalScrollBar()->value();
}

void ReportPagesView::UpdateScrollBars() {
  const QSize page = PageSize();
  const qint64 height = kGap + qint64(PageCount()) * (page.height() + kGap);
  const int total = static_cast<int>(std::min<qint64>(height, INT_MAX / 2));
  const QSize view = viewport()->size();
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setRange(0, std::max(0, total - view.height()));
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * kGap - view.width()));
}

void ReportPagesView::SetZoom(int percent, std::optional<QPointF> anchor) {
  percent = std::clamp(percent, kMinZoom, kMaxZoom);
  if (percent == zoom_) return;
  const QPointF at =
      anchor.value_or(QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
  // The page under the anchor, and where on it as shares of its size.
  const QSize before = PageSize();
  const double pitch = before.height() + kGap;
  const double y = verticalScrollBar()->value() + at.y() - kGap;
  const int page =
      std::clamp(static_cast<int>(std::floor(y / pitch)), 0, std::max(0, PageCount() - 1));
  const double down = (y - page * pitch) / before.height();
  const double across = (at.x() - PageLeft()) / before.width();

  zoom_ = percent;
  drawn_.clear();
  UpdateScrollBars();
  const QSize after = PageSize();
  verticalScrollBar()->setValue(static_cast<int>(
      std::lround(kGap + page * double(after.height() + kGap) + down * after.height() - at.y())));
  horizontalScrollBar()->setValue(
      static_cast<int>(std::lround(kGap + across * after.width() - at.x())));
  viewport()->update();
  emit ZoomChanged(zoom_);
}

void ReportPagesView::ZoomIn(std::optional<QPointF> anchor) {
  const auto next = std::upper_bound(std::begin(kZoomSteps), std::end(kZoomSteps), zoom_);
  if (next != std::end(kZoomSteps)) SetZoom(*next, anchor);
}

void ReportPagesView::ZoomOut(std::optional<QPointF> anchor) {
  const auto next = std::lower_bound(std::begin(kZoomSteps), std::end(kZoomSteps), zoom_);
  if (next != std::begin(kZoomSteps)) SetZoom(*std::prev(next), anchor);
}

void ReportPagesView::FitWidth() {
  const int room = viewport()->width() - 2 * kGap;
  int percent = static_cast<int>(room * 100.0 / A4Pixels(kScreenDpi).width());
  // The resolution is whole dots per inch: the page may come out a pixel wider.
  while (percent > kMinZoom && A4Pixels(DpiAt(percent)).width() > room) --percent;
  SetZoom(percent);
}

void ReportPagesView::keyPressEvent(QKeyEvent* event) {
  // With or without Ctrl: the view has no cursor, so both mean the page.
  QScrollBar* bar = verticalScrollBar();
  if (event->key() == Qt::Key_Home) {
    bar->setValue(bar->minimum());
  } else if (event->key() == Qt::Key_End) {
    bar->setValue(
        static_cast<int>(std::min<qint64>(bar->maximum(), PageTop(std::max(0, PageCount() - 1)))));
  } else if (event->key() == Qt::Key_PageDown) {
    TurnPage(1);
  } else if (event->key() == Qt::Key_PageUp) {
    TurnPage(-1);
  } else {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  event->accept();
}

void ReportPagesView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void ReportPagesView::scrollContentsBy(int, int) {
  viewport()->update();
}

void ReportPagesView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  event->accept();
  wheelTurn_ += event->angleDelta().y();
  for (; wheelTurn_ >= kWheelNotch; wheelTurn_ -= kWheelNotch) ZoomIn(event->position());
  for (; wheelTurn_ <= -kWheelNotch; wheelTurn_ += kWheelNotch) ZoomOut(event->position());
}

void ReportPagesView::paintEvent(QPaintEvent*) {
  if (PageCount() == 0) return;
  QPainter p(viewport());
  const int top = verticalScrollBar()->value();
  const int bottom = top + viewport()->height();
  const int left = PageLeft();
  const int pitch = PageSize().height() + kGap;
  const int first = std::max(0, (top - kGap) / pitch);
  // As sharp as the screen: a screen of ratio 2 gets pages of twice the pixels.
  const double ratio = SharpRatio(viewport()->devicePixelRatioF(), zoom_);
  if (ratio != drawnRatio_) {
    drawn_.clear();
    drawnRatio_ = ratio;
  }
  for (int k = first; k < PageCount() && kGap + qint64(k) * pitch < bottom; ++k)
    p.drawImage(QPoint(left, kGap + k * pitch - top), PageImage(k, ratio));
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

  mnu_ver = menuBar()->addMenu(QString());
  mnu_ver_ampliar = mnu_ver->addAction(QString());
  // Ctrl+= too: on many keyboards "+" is Shift+=.
  mnu_ver_ampliar->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  mnu_ver_reducir = mnu_ver->addAction(QString());
  mnu_ver_reducir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  mnu_ver_ancho = mnu_ver->addAction(QString());
  mnu_ver_real = mnu_ver->addAction(QString());
  mnu_ver_real->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  connect(mnu_ver_ampliar, &QAction::triggered, pages_, [this] { pages_->ZoomIn(); });
  connect(mnu_ver_reducir, &QAction::triggered, pages_, [this] { pages_->ZoomOut(); });
  connect(mnu_ver_ancho, &QAction::triggered, pages_, [this] { pages_->FitWidth(); });
  connect(mnu_ver_real, &QAction::triggered, pages_, [this] { pages_->SetZoom(100); });
  zoomShown_ = new QLabel(this);
  statusBar()->addPermanentWidget(zoomShown_);
  connect(pages_, &ReportPagesView::ZoomChanged, zoomShown_,
          [this](int percent) { zoomShown_->setText(QString("%1 %").arg(percent)); });
  zoomShown_->setText(QString("%1 %").arg(pages_->Zoom()));

  SetLanguage();
  platform::FitToScreen(this, QSize(A4Pixels(kScreenDpi).width() + 2 * kGap + 40, 700));
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
  mnu_ver->setTitle(GetL_win("mnu_View"));
  mnu_ver_ampliar->setText(GetL_win("mnu_ZoomIn"));
  mnu_ver_reducir->setText(GetL_win("mnu_ZoomOut"));
  mnu_ver_ancho->setText(GetL_win("mnu_FitWidth"));
  mnu_ver_real->setText(GetL_win("mnu_ActualSize"));
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
  // The reader knows the report by its case, not by its work file's name.
  name_ = ReportName(r, GetL_win("Title"));
  setWindowTitle(name_);
  platform::FitToScreen(this, QSize(width(), 900));
  return true;
}

void FormPlomview::mnu_archivo_imprimir_Click() {
  if (!document_) return;
  platform::PrinterSystem& printers = platform::Printers();
  if (printers.PrinterNames().isEmpty()) {
    ShowMessage("NoPrinter", QString());
    return;
  }
  const bool accepted = AskPrintCopies([this] {
    frmImprimir dialog(this);
    platform::ShowModal(dialog);
  });
  if (!accepted) return;
  bool printed = false;
  if (QPrinter* printer = printers.CurrentPrinter()) {
    const platform::BusyCursor busy;
    platform::PrinterTarget page(printer);
    printed = PrintReport(*document_, *pictures_, page, NumCopias, name_);
  }
  if (!printed) ShowMessage("CantPrint", printers.CurrentPrinterName());
}

void FormPlomview::mnu_archivo_pdf_Click() {
  if (!document_) return;
  const QString filter =
      GetL_win("PDF_file") + " (*.pdf)|*.pdf|" + GetL_win("AllFiles") + " (*.*)|*.*";
  // A case title may hold characters other systems refuse in file names.
  static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
  const QString suggested = QString(name_).replace(unsafe, QStringLiteral("-")) + ".pdf";
  QString path = platform::DialogoGuardarArchivo(filter, GetL_win("SavePDF"), QDir::homePath(),
                                                 suggested, this, ".pdf");
  if (path.isEmpty()) return;
  path = platform::WithExtension(path, ".pdf");
  platform::WriteResult saved;
  {
    const platform::BusyCursor busy;
    saved = SaveReportPdf(*document_, *pictures_, path, name_);
  }
  if (!saved)
    ShowMessage("CantSavePDF",
                platform::QuotedText(path) + "\r\n" + platform::AsSentence(saved.reason));
}

void FormPlomview::mnu_archivo_cerrar_Click() {
  close();
}

std::unique_ptr<FormPlomview> StartPlomview(const QStringList& arguments) {
  platform::CheckInstall(QStringLiteral("TORV report viewer"), {QStringLiteral("PLV")}, {},
                         QStringLiteral("where their texts belong, it shows nothing."));
  if (arguments.size() < 2) {
    platform::LanguageTable texts(QStringLiteral("PLV"));
    platform::MsgBox(texts.GetL_win("NoReportFile"), texts.GetL_win("Error"));
    return nullptr;
  }
  auto window = std::make_unique<FormPlomview>();
  if (!window->OpenReport(arguments[1])) return nullptr;
  window->show();
  return window;
}

}  // namespace report
