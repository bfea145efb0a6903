// The formula mark-up renderer on the measuring target, with the texts of
// language, formula and report files: it must neither fail nor leave the
// target's font behind when the line is complete.
#include <QString>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "graphs/Mini_HTFC_rut.h"
#include "platform/DrawTarget.h"
#include "platform/TextFile.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::StartApplication();
  Mini_HTFC_rut::IniciarSimbolosHTFC();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = platform::DecodeWindows1252(fuzz::Bytes(data, size));

  static platform::MeasureTarget target;
  target.SetFontName(QStringLiteral("Arial"));
  target.SetFontSize(10);
  target.SetFontBold(false);
  target.SetFontItalic(true);
  target.SetForeColor(0x112233);
  target.SetCurrentX(150);
  target.SetCurrentY(300);
  const QString name = target.FontName();
  const double points = target.FontSize();

  QString plain;
  const bool complete = Mini_HTFC_rut::ImprimirHTFC(text, target, plain);
  FUZZ_CHECK(plain.size() <= 2 * text.size() + 2);
  if (complete) {
    FUZZ_CHECK(target.FontName() == name);
    FUZZ_CHECK(target.FontSize() == points);
    FUZZ_CHECK(!target.FontBold());
    FUZZ_CHECK(target.FontItalic());
    FUZZ_CHECK(target.ForeColor() == 0x112233);
    FUZZ_CHECK(target.CurrentX() >= 150);
  }
  const int32_t colour = Mini_HTFC_rut::LeerColor(text);
  FUZZ_CHECK(colour >= 0 && colour <= 0xFFFFFF);
  return 0;
}
