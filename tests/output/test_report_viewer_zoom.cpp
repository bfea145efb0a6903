// The report viewer zoomed: pages drawn at the size shown with the same page
// breaks, and the beam picture drawn from its full resolution.
#include <QScrollBar>
#include <QWheelEvent>

#include "ReportTestSupport.h"
#include "output/ReportViewer.h"

using namespace report_test;

namespace {

// How far a picture differs from itself at half the size blown up again:
// the detail a copy of half its resolution lacks (mean grey levels).
double FineDetail(const QImage& picture) {
  const QImage a = picture.convertToFormat(QImage::Format_Grayscale8);
  const QImage b = a.scaled(a.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      sum += std::abs(a.pixelColor(x, y).value() - b.pixelColor(x, y).value());
  return sum / (a.width() * a.height());
}

TEST_F(ReportCommandTest, ZoomDrawsLargerPagesWithTheSamePageBreaksAndASharpBeam) {
  context.text = [](const QString& key) {
    static platform::LanguageTable ksl(QStringLiteral("KSL"));
    return ksl.GetL_win(key);
  };
  ASSERT_EQ(CrearINFORME_HTFC_NEU(context), HandOver::Started);
  platform::SetResourceFolder(qt_test::BuiltProgramFolder());  // the beam pictures the build drew
  FormPlomview viewer;
  ASSERT_TRUE(viewer.OpenReport(starts[0].arguments[0]));
  viewer.resize(1000, 800);
  viewer.show();
  qt_test::ProcessEvents();
  ReportPagesView* view = viewer.Pages();
  const int pages = view->PageCount(), gap = 12;
  const QSize actual = view->PageImage(0).size();
  // In the middle of the second page, zoomed in: still there, twice the size.
  QScrollBar* bar = view->verticalScrollBar();
  bar->setValue(actual.height() * 3 / 2 + 2 * gap - view->viewport()->height() / 2);
  view->SetZoom(200);
  const QSize big = view->PageImage(0).size();
  EXPECT_NEAR(big.width(), 2 * actual.width(), 2);
  EXPECT_NEAR(big.height(), 2 * actual.height(), 2);
  EXPECT_NEAR(bar->value() + view->viewport()->height() / 2, big.height() * 3 / 2 + 2 * gap, 4);
  bar->setValue(0);
  view->horizontalScrollBar()->setValue(0);
  qt_test::ProcessEvents();
  viewer.grab().save(qt_test::BuildFolder() + "/report_viewer_zoom200.png");

  // Out by the menu, in by Ctrl and two turns of the wheel, to the view's width.
  view->SetZoom(100);
  viewer.mnu_ver_reducir->trigger();
  EXPECT_EQ(view->Zoom(), 90);
  const QPointF at(100, 100);
  QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view->viewport(), &wheel);
  EXPECT_EQ(view->Zoom(), 110);
  viewer.mnu_ver_ancho->trigger();
  EXPECT_LE(view->PageImage(0).width() + 2 * gap, view->viewport()->width());
  EXPECT_GT(view->PageImage(0).width() + 2 * gap + 10, view->viewport()->width());
  EXPECT_EQ(view->PageCount(), pages);
  viewer.mnu_ver_real->trigger();
  EXPECT_EQ(view->PageImage(0).size(), actual);

  // The beam picture (81 mm, 1914 pixels) alone, 10 mm from the page's
  // corner: at 200 % it has the detail of its own pixels, the page at 100 %
  // blown up has not.
  ReportFile r;
  r.ENU = "#IMG('h100.jpg'DXmm=81:DYmm=38.25:#IMG)";
  const ReportDocument beam(r);
  ReportPictures pictures({qt_test::BuiltProgramFolder()});
  view->SetDocument(&beam, &pictures);
  const QImage blownUp = view->PageImage(0)
                             .copy(40, 40, 300, 140)
                             .scaled(600, 280, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  view->SetZoom(200);
  const QImage sharp = view->PageImage(0).copy(80, 80, 600, 280);
  sharp.save(qt_test::BuildFolder() + "/report_viewer_beam200.png");
  EXPECT_GT(FineDetail(sharp), 2 * FineDetail(blownUp));

  // On a screen of twice the pixels, the page at 100 % has them all: the
  // same page at the same size, with the detail of the page at 200 %.
  view->SetZoom(100);
  const QImage dense = view->PageImage(0, 2);
  EXPECT_EQ(dense.devicePixelRatio(), 2);
  EXPECT_NEAR(dense.deviceIndependentSize().width(), actual.width(), 1);
  EXPECT_NEAR(dense.deviceIndependentSize().height(), actual.height(), 1);
  EXPECT_GT(FineDetail(dense.copy(80, 80, 600, 280)), 2 * FineDetail(blownUp));
  // Past the finest page kept, the page is drawn no finer.
  view->SetZoom(ReportPagesView::kMaxZoom);
  EXPECT_EQ(view->PageImage(0, 2).devicePixelRatio(), 1);
  view->SetDocument(nullptr, nullptr);
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
