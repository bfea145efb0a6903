// Report files (restemp<n>.rex) as the viewer reads them: any bytes are
// either refused as no report or laid out on pages of the one page size,
// each of which draws.
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "graphs/Mini_HTFC_rut.h"
#include "output/ReportLayout.h"
#include "output/ReportViewer.h"
#include "platform/DrawTarget.h"

namespace {

// The view, its frame and one A4 page at the viewer's 96 dpi live for the
// whole run: a fresh page for every input would spend the run on allocating
// and clearing pages instead of on the report code.
report::ReportPagesView& View() {
  static auto* view = new report::ReportPagesView;
  return *view;
}
const report::PageFrame& Frame() {
  static const report::PageFrame frame = report::A4Frame();
  return frame;
}
platform::PrinterTarget& Paper() {
  static auto* page = new QImage(report::A4Page(96));
  static auto* paper = new platform::PrinterTarget(page);
  return *paper;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::StartApplication();
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  View();
  Frame();
  Paper();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  report::ReportFile r;
  if (!report::ParseReportFile(fuzz::Bytes(data, size), r)) return 0;
  FUZZ_CHECK(r.separator == "." || r.separator == ",");
  const report::ReportDocument document(r);
  report::ReportPictures pictures({fuzz::ScratchFolder()});
  View().SetDocument(&document, &pictures);
  const int pageCount = View().PageCount();
  View().SetDocument(nullptr, nullptr);
  FUZZ_CHECK(pageCount >= 1);
  // The viewer's pages as the view lays them out; the first pages and the
  // last are drawn, as the view draws them.
  const report::PageFrame& frame = Frame();
  FUZZ_CHECK(frame.content.width() > 0 && frame.lineHeight > 0);
  const std::vector<report::PageStart> pages = report::Paginate(document, frame);
  FUZZ_CHECK(static_cast<int>(pages.size()) == pageCount);
  for (int k : {0, 1, 2, pageCount - 1}) {
    if (k < pageCount) report::DrawPage(document, pages, k, frame, Paper(), pictures);
  }
  Paper().EndDoc();
  return 0;
}
