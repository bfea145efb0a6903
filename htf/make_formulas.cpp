// Build step: reads the formula sources and writes, for every case, its
// formula text <program folder>/htf/f<code>.htf, its formula picture
// <program folder>/img/F<code>.gif and the same picture at print resolution
// for the manual, <print folder>/F<code>.png.
//
//   make_formulas <folder of the sources> <program folder> <print folder>
#include <QBuffer>
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
#include "platform/WholeFile.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "make_formulas: %s\n", qPrintable(message));
  return 1;
}

bool ReadSources(const QString& folder, std::vector<formulas::CaseFormulas>& cases,
                 QString& error) {
  const QStringList names = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files);
  if (names.isEmpty()) {
    error = QStringLiteral("no formula sources in %1").arg(folder);
    return false;
  }
  for (const QString& name : names) {
    QFile f(folder + "/" + name);
    if (!f.open(QIODevice::ReadOnly)) {
      error = QStringLiteral("cannot read %1").arg(f.fileName());
      return false;
    }
    try {
      for (auto& c : formulas::ParseSource(f.readAll().toStdString(), name.toStdString()))
        cases.push_back(std::move(c));
    } catch (const formulas::SourceError& e) {
      error = QString::fromStdString(e.what());
      return false;
    }
  }
  return true;
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

// Four times the screen's 96 dpi: 384 dpi on paper.
constexpr int kPrintScale = 4;

bool WritePng(const QImage& picture, const QString& path, QString& error) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (picture.isNull() || !buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) {
    error = path + ": cannot make the picture";
    return false;
  }
  const platform::WriteResult written = platform::WriteWholeFile(path, bytes);
  if (!written) error = path + ": " + written.reason;
  return bool(written);
}

bool WriteCase(const formulas::CaseFormulas& c, const QString& program, const QString& print,
               QString& error) {
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
  return WritePng(formulas::FormulaPicture(c, error, kPrintScale), print + "/F" + code + ".png",
                  error);
}

}  // namespace

int main(int argc, char** argv) {
  // Drawn off-screen: the build needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 4)
    return Fail(QStringLiteral("usage: make_formulas <sources> <program folder> <print folder>"));
  const QString sources = QString::fromLocal8Bit(argv[1]);
  const QString program = QString::fromLocal8Bit(argv[2]);
  const QString print = QString::fromLocal8Bit(argv[3]);

  std::vector<formulas::CaseFormulas> cases;
  QString error;
  if (!ReadSources(sources, cases, error) || !CheckCodes(cases, error)) return Fail(error);
  if (!QDir().mkpath(program + "/htf") || !QDir().mkpath(program + "/img"))
    return Fail(QStringLiteral("cannot make the folders htf and img in %1").arg(program));
  if (!QDir().mkpath(print)) return Fail(QStringLiteral("cannot make the folder %1").arg(print));

  Mini_HTFC_rut::IniciarSimbolosHTFC();
  for (const auto& c : cases)
    if (!WriteCase(c, program, print, error)) return Fail(error);
  return 0;
}
