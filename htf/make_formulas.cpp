// Build step: reads the formula sources and writes, for every case, its
// formula text <program folder>/htf/f<code>.htf, its formula picture
// <program folder>/img/F<code>.gif.
//
//   make_formulas <folder of the sources> <program folder>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <set>

#include "engine/Cases.h"
#include "graphs/Mini_HTFC_rut.h"
#include "htf/FormulaMarkup.h"
#include "htf/FormulaPicture.h"
#include "htf/GifFile.h"
#include "platform/TextFile.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "make_formulas: %s\n", qPrintable(message));
  return 1;
}

// Every case of the engine once, and nothing else.
bool CheckCodes(const std::vector<formulas::CaseFormulas>& cases, QString& error) {
  std::set<int> seen;
  for (const auto& c : cases) {
    if (!Vigas::CasoExiste(c.code)) error = QStringLiteral("no case %1").arg(c.code);
    if (!seen.insert(c.code).second) error = QStringLiteral("case %1 twice").arg(c.code);
  }
  for (int code = 0; code < 1000 && error.isEmpty(); ++code)
    if (Vigas::CasoExiste(code) && !seen.count(code))
      error = QStringLiteral("case %1 has no formulas").arg(code);
  return error.isEmpty();
}

bool WriteCase(const formulas::CaseFormulas& c, const QString& program, QString& error) {
  const QString code = QString::number(c.code);
  const QString text = QString::fromStdString(formulas::FormulaText(c));
  bool lossless = true;
  platform::EncodeWindows1252(text, &lossless);
  const QString htf = program + "/htf/f" + code + ".htf";
  if (!lossless) {
    error = QStringLiteral("%1: a character outside Windows-1252").arg(htf);
    return false;
  }
  if (!platform::WriteWindows1252File(htf, text)) {
    error = QStringLiteral("cannot write %1").arg(htf);
    return false;
  }
  const QString gif = program + "/img/F" + code + ".gif";
  const QImage picture = formulas::FormulaPicture(c, error);
  if (picture.isNull() || !formulas::WriteGifFile(picture, gif, error)) {
    error = gif + ": " + error;
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Drawn off-screen: the build needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) return Fail(QStringLiteral("usage: make_formulas <sources> <program folder>"));
  const QString sources = QString::fromLocal8Bit(argv[1]);
  const QString program = QString::fromLocal8Bit(argv[2]);

  std::vector<formulas::CaseFormulas> cases;
  QString error;
  if (!formulas::ReadSources(sources, cases, error) || !CheckCodes(cases, error))
    return Fail(error);
  if (!QDir().mkpath(program + "/htf") || !QDir().mkpath(program + "/img"))
    return Fail(QStringLiteral("cannot make the folders htf and img in %1").arg(program));

  Mini_HTFC_rut::IniciarSimbolosHTFC();
  for (const auto& c : cases)
    if (!WriteCase(c, program, error)) return Fail(error);
  return 0;
}
