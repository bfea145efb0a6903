// Report files (restemp<n>.rex) as the viewer reads them: any bytes are
// either refused as no report or laid out on pages of the one page size,
// each of which draws.
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "graphs/Mini_HTFC_rut.h"
#include "output/ReportViewer.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::StartApplication();
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  report::ReportFile r;
  if (!report::ParseReportFile(fuzz::Bytes(data, size), r)) return 0;
  FUZZ_CHECK(r.separator == "." || r.separator == ",");
  const report::ReportDocument document(r);
  report::ReportPictures pictures({fuzz::ScratchFolder()});
  report::ReportPagesView view;
  view.SetDocument(&document, &pictures);
  FUZZ_CHECK(view.PageCount() >= 1);
  // The first pages and the last: every page has the same size.
  QSize pageSize;
  for (int k : {0, 1, 2, view.PageCount() - 1}) {
    if (k >= view.PageCount()) continue;
    const QImage page = view.PageImage(k);
    FUZZ_CHECK(!page.isNull());
    if (pageSize.isEmpty()) pageSize = page.size();
    FUZZ_CHECK(page.size() == pageSize);
  }
  FUZZ_CHECK(pageSize.width() >= 700 && pageSize.width() <= 2000);
  return 0;
}
