#include "output/ReportFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "engine/Vigas.h"
#include "graphs/Graficas.h"
#include "platform/DrawTarget.h"
#include "platform/ImageFiles.h"
#include "platform/LanguageTable.h"
#include "platform/ProcessStart.h"
#include "platform/Program.h"
#include "platform/TempFolder.h"
#include "platform/TextFile.h"
#include "platform/WholeFile.h"

namespace report {

QString ReportWorkFolder() {
  return platform::CarpetaTemp() + "/qntemp";
}

platform::FolderCheck PrepareReportWorkFolder() {
  const platform::FolderCheck temp = platform::PrepareCarpetaTemp();
  return temp.ok() ? platform::MakePrivateFolder(ReportWorkFolder()) : temp;
}

void RemoveReportFiles(const QStringList& names) {
  for (const QString& name : names) QFile::remove(ReportWorkFolder() + "/" + name);
}

int RemoveOldReportFiles(const QDateTime& now) {
  if (!platform::CheckPrivateFolder(platform::CarpetaTemp()).ok() ||
      !platform::CheckPrivateFolder(ReportWorkFolder()).ok())
    return 0;
  // Report files, their pictures, and what an interrupted save left beside them.
  const QString report = QStringLiteral("(restemp\\d{6}\\.rex|[ytmv]\\d+\\.(jpg|bmp))");
  return platform::RemoveFilesOlderThan(
      ReportWorkFolder(), {report, "\\." + report + "\\.[A-Za-z0-9]{8}\\.tmp"}, now.addDays(-1));
}

bool CrearGraficoAsJPG(int ID_Graf, const QString& Nomb_BMP, const QString& Nomb_JPG,
                       platform::PictureTarget& PicG, const QString& caseTitle, QString* reason) {
  using namespace Vigas;
  TipoGrafica = static_cast<int16_t>(ID_Graf);
  TituloCaso1 = caseTitle;
  CodigoCaso = QString::number(CurrentCaseCode());
  PrepararGrafica();

  PicG.SetBackColor(platform::RGBColor(255, 255, 255));
  DibujarGrafica(PicG, true);

  QString why;
  const platform::FolderCheck folder = PrepareReportWorkFolder();
  bool made = folder.ok();
  if (!made) why = platform::PrivateFolderMessage(folder);
  const QString bmp = ReportWorkFolder() + "/" + Nomb_BMP;
  const QString jpg = ReportWorkFolder() + "/" + Nomb_JPG;
  made = made &&
         platform::SaveImageFile(PicG.Image(), bmp, "BMP", -1, &why) == platform::SaveResult::Ok;
  if (made) {
    made = platform::GuardarBMPcomoJPG(bmp, jpg, 95, &why) && QFileInfo(jpg).isFile();
    QFile::remove(bmp);
  }
  if (!made && reason) *reason = why;
  return made;
}

QString FormulaFilePath(int caseCode) {
  return platform::ResourceFolder() + "/htf/f" + QString::number(caseCode) + ".htf";
}

QString FormulaTextForReport(const QString& fileText) {
  QString s = fileText;
  s.replace("\r\n", "&LF");
  s.replace('\n', "&LF");                   // files made with LF line ends
  s.replace('\n', "&LF");                   // files made with LF line ends
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
  r.folder = PrepareReportWorkFolder();
  if (!r.folder.ok()) return r;
  const int n = static_cast<int>(QRandomGenerator::global()->bounded(100000, 200000));
  r.path =
      QFileInfo(ReportWorkFolder() + "/restemp" + QString::number(n) + ".rex").absoluteFilePath();

  // An old file of the same name is replaced by the write itself.
  const platform::WriteResult written = platform::WriteWholeFile(
      r.path,
      ReportFileBytes(QString::fromStdString(Vigas::SepDecimal), ENUN, SOLU, RESOL1, RESOL2));
  if (!written) {
    r.reason = written.reason;
    return r;
  }

  // The path is one argument: blanks in it need no quoting.
  r.outcome =
      platform::StartProgram(ViewerProgram(), {r.path}) ? HandOver::Started : HandOver::NotStarted;
  return r;
}

}  // namespace report
