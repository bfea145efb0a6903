// The report viewer zoomed: pages drawn at the size shown with the same page
// breaks, and the beam picture drawn from its full resolution.
#include <QMenu>
#include <QScrollBar>
#include <QWheelEvent>

#include "ReportTestSupport.h"
#include "output/ReportViewer.h"

using namespace report_test;

namespace {

// How far a picture differs from itself at half the size blown up again:
// the fine detail a copy of half the resolution lacks (grey levels).
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

// The beam picture (81 mm wide, 1914 pixels) at 200 % has the detail of its
// own pixels; the page at 100 % blown up to the same size has not.
TEST(ReportViewerZoom, TheBeamPictureIsDrawnFromItsFullResolution) {
  ReportFile r;
  r.ENU = "#IMG('h100.jpg'DXmm=81:DYmm=38.25:#IMG)";
  const ReportDocument document(r);
  ReportPictures pictures({qt_test::BuiltProgramFolder()});
  ASSERT_EQ(pictures.Picture("h100.jpg").width(), 1914);
  ReportPagesView view;
  view.SetDocument(&document, &pictures);
  // The picture lies 10 mm from the page's left and top: 38 pixels at 100 %.
  const QImage blownUp = view.PageImage(0)
                             .copy(40, 40, 300, 140)
                             .scaled(600, 280, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  view.SetZoom(200);
  const QImage sharp = view.PageImage(0).copy(80, 80, 600, 280);
  sharp.save(qt_test::BuildFolder() + "/report_viewer_beam200.png");
  EXPECT_GT(FineDetail(sharp), 2 * FineDetail(blownUp));
}

TEST_F(ReportCommandTest, ZoomDrawsLargerPagesWithTheSamePageBreaksAndASharpBeam) {
  static platform::LanguageTable ksl(QStringLiteral("KSL"));
  ksl.LoadIdioma(QStringLiteral("KSL"));
  context.text = [](const QString& key) { return ksl.GetL_win(key); };
  platform::SetResourceFolder(qt_test::BuiltProgramFolder());  // the beam pictures the build drew
  ASSERT_EQ(CrearINFORME_HTFC_NEU(context), HandOver::Started);
  FormPlomview viewer;
  ASSERT_TRUE(viewer.OpenReport(starts[0].arguments[0]));
  viewer.resize(1000, 800);
  viewer.show();
  qt_test::ProcessEvents();
  ReportPagesView* view = viewer.Pages();
  const int pages = view->PageCount();
  const QSize actual = view->PageImage(0).size();
  EXPECT_EQ(viewer.mnu_ver->title(), "&View");
  EXPECT_EQ(viewer.mnu_ver_ampliar->shortcuts(),
            (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Plus),
                                 QKeySequence(Qt::CTRL | Qt::Key_Equal)}));
  EXPECT_EQ(viewer.mnu_ver_reducir->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
  EXPECT_EQ(viewer.mnu_ver_real->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));

  // In the middle of the second page, zoomed in: still there, at twice the size.
  constexpr int kGap = 12;
  QScrollBar* bar = view->verticalScrollBar();
  bar->setValue(actual.height() * 3 / 2 + 2 * kGap - view->viewport()->height() / 2);
  view->SetZoom(200);
  const QImage big = view->PageImage(0);
  EXPECT_NEAR(big.width(), 2 * actual.width(), 2);
  EXPECT_NEAR(big.height(), 2 * actual.height(), 2);
  EXPECT_EQ(view->PageCount(), pages);
  EXPECT_NEAR(bar->value() + view->viewport()->height() / 2, big.height() * 3 / 2 + 2 * kGap, 4);
  bar->setValue(0);
  view->horizontalScrollBar()->setValue(0);
  qt_test::ProcessEvents();
  viewer.grab().save(qt_test::BuildFolder() + "/report_viewer_zoom200.png");

  // Out, by the menu, by Ctrl and the wheel, and to the width of the view.
  view->SetZoom(100);
  viewer.mnu_ver_reducir->trigger();
  EXPECT_EQ(view->Zoom(), 90);
  EXPECT_LT(view->PageImage(0).width(), actual.width());
  const QPointF at(100, 100);
  QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton,
                    Qt::ControlModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view->viewport(), &wheel);
  EXPECT_EQ(view->Zoom(), 110);
  viewer.mnu_ver_ancho->trigger();
  EXPECT_LE(view->PageImage(0).width() + 2 * 12, view->viewport()->width());
  EXPECT_GT(view->PageImage(0).width() + 2 * 12 + 10, view->viewport()->width());
  EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
  viewer.mnu_ver_real->trigger();
  EXPECT_EQ(view->PageImage(0).size(), actual);
  for (int i = 0; i < 20; ++i) view->ZoomIn();
  EXPECT_EQ(view->Zoom(), ReportPagesView::kMaxZoom);
  EXPECT_EQ(view->PageCount(), pages);
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
