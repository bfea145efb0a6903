// Formula files (htf/f<code>.htf): their text as the report takes it, kept
// whole through the report file, each line measured as the viewer lays it out.
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "graphs/Mini_HTFC_rut.h"
#include "output/ReportFiles.h"
#include "output/ReportViewer.h"
#include "platform/DrawTarget.h"
#include "platform/TextFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::StartApplication();
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString formulas =
      report::FormulaTextForReport(platform::DecodeWindows1252(fuzz::Bytes(data, size)));
  // One report line per file line, and the block ends a line.
  FUZZ_CHECK(!formulas.contains(QStringLiteral("\r\n")));
  FUZZ_CHECK(formulas.endsWith(QStringLiteral("&LF")));

  report::ReportFile r;
  FUZZ_CHECK(report::ParseReportFile(report::ReportFileBytes(".", "", formulas, "", ""), r));
  // The block arrives whole unless it holds the section's own end mark.
  if (!formulas.contains(QStringLiteral("#SOL)"))) FUZZ_CHECK(r.SOL == formulas);

  static platform::MeasureTarget target;
  target.SetFontName(QStringLiteral("Arial"));
  target.SetFontSize(11);
  for (const QString& line :
       report::WithSeparator(r.SOL, r.separator).split(QStringLiteral("&LF"))) {
    target.SetCurrentX(0);
    target.SetCurrentY(0);
    Mini_HTFC_rut::ImprimirHTFC(line, target);
  }
  return 0;
}
