#include "output/ReportFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include "engine/Vigas.h"
#include "graphs/Graficas.h"
#include "platform/DrawTarget.h"
#include "platform/ImageFiles.h"
#include "platform/LanguageTable.h"
#include "platform/ProcessStart.h"
#include "platform/Program.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"

namespace report {

QString ReportWorkFolder() {
  return platform::CarpetaTemp() + "/qntemp";
}

bool EnsureReportWorkFolder() {
  const QString folder = ReportWorkFolder();
  if (!QFileInfo(folder).isDir()) QDir().mkpath(folder);
  return QFileInfo(folder).isDir();
}

bool CrearGraficoAsJPG(int ID_Graf, const QString& Nomb_BMP, const QString& Nomb_JPG,
                       platform::PictureTarget& PicG, const QString& caseTitle) {
  using namespace Vigas;
  TipoGrafica = static_cast<int16_t>(ID_Graf);
  TituloCaso1 = caseTitle;
  const int t = TipoViga >= 1 && TipoViga <= 5 ? TipoViga : 0;
  CodigoCaso = QString::number(100 * TipoViga + CasoCarga[t]);
  PrepararGrafica();

  PicG.SetBackColor(platform::RGBColor(255, 255, 255));
  DibujarGrafica(PicG, true);

  if (!EnsureReportWorkFolder()) return false;
  const QString bmp = ReportWorkFolder() + "/" + Nomb_BMP;
  const QString jpg = ReportWorkFolder() + "/" + Nomb_JPG;
  if (platform::SaveImageFile(PicG.Image(), bmp, "BMP") != platform::SaveResult::Ok) return false;
  const bool converted = platform::GuardarBMPcomoJPG(bmp, jpg, 95);
  QFile::remove(bmp);
  return converted && QFileInfo::exists(jpg);
}

QString FormulaFilePath(int caseCode) {
  return platform::ResourceFolder() + "/htf/f" + QString::number(caseCode) + ".htf";
}

QString FormulaTextForReport(const QString& fileText) {
  QString s = fileText;
  s.replace("\r\n", "&LF");
  s.replace(QChar(0x2022), QChar(0x00B7));  // bytes 149 and 183 of Windows-1252
  if (!s.endsWith("&LF")) s += "&LF";
  return s;
}

QString LoadFormulasHTFC(int caseCode) {
  const QString path = FormulaFilePath(caseCode);
  if (!QFileInfo(path).isFile()) return QString();
  QString text;
  if (!platform::ReadWindows1252File(path, text)) return QString();
  return FormulaTextForReport(text);
}

QByteArray ReportFileBytes(const QString& separator, const QString& ENUN, const QString& SOLU,
                           const QString& RESOL1, const QString& RESOL2) {
  const QString crlf2 = "\r\n\r\n";
  const QString content = "#DEC(" + separator + "#DEC)" + crlf2 + "#ENU(" + ENUN + "#ENU)" + crlf2 +
                          "#SOL(" + SOLU + "#SOL)" + crlf2 + "#RS1(" + RESOL1 + "#RS1)" + crlf2 +
                          "#RS2(" + RESOL2 + "#RS2)";
  return platform::EncodeWindows1252(content);
}

QString ViewerProgram() {
  return platform::ProgramFolder() + "/plomview";
}

HandOverResult SaveFile_SHOWPlomview(const QString& ENUN, const QString& SOLU,
                                     const QString& RESOL1, const QString& RESOL2) {
  HandOverResult r;
  if (!EnsureReportWorkFolder()) return r;
  const int n = static_cast<int>(QRandomGenerator::global()->bounded(100000, 200000));
  r.path =
      QFileInfo(ReportWorkFolder() + "/restemp" + QString::number(n) + ".rex").absoluteFilePath();
  if (QFileInfo::exists(r.path) && !QFile::remove(r.path)) return r;

  const QByteArray bytes =
      ReportFileBytes(QString::fromStdString(Vigas::SepDecimal), ENUN, SOLU, RESOL1, RESOL2);
  QSaveFile file(r.path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return r;
  }
  if (!file.commit()) return r;

  // The path is one argument: blanks in it need no quoting.
  r.outcome =
      platform::StartProgram(ViewerProgram(), {r.path}) ? HandOver::Started : HandOver::NotStarted;
  return r;
}

}  // namespace report
