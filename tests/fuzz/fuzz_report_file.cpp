// Report files (restemp<n>.rex) as the viewer reads them: any bytes are
// either refused as no report or drawn on a bounded page.
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
  const QImage page = report::RenderReport(r, {fuzz::ScratchFolder()});
  // A page of gigabytes (repro/fuzz_report_file/pending/) fails under the
  // allocation cap; uncapped, every page must come out.
  if (page.isNull() && fuzz::AllocationCapped()) return 0;
  FUZZ_CHECK(!page.isNull());
  FUZZ_CHECK(page.width() >= 700 && page.width() <= 30001);
  FUZZ_CHECK(page.height() >= 1 && page.height() <= 30001);
  return 0;
}
