#include "output/ReportCommand.h"

#include <QDateTime>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <iterator>

#include "engine/Vigas.h"
#include "graphs/GraphState.h"
#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "platform/Program.h"
#include "platform/TempFolder.h"

namespace report {

QString ReportMessage(const QString& key) {
  static platform::LanguageTable table(QStringLiteral("INF"));
  return table.GetL_win(key);
}

namespace {
// The report stops: the pointer back first, then the message.
void ReportFailed(platform::BusyCursor& busy, const QString& text) {
  busy.Release();
  platform::MsgBox(text, ReportMessage("Error"), platform::MsgIcon::Exclamation);
}

// What was made for a report that is not shown goes again.
void RemoveMadeFiles(const QString (&bmp)[4], const QString (&jpg)[4], const QString& report) {
  QStringList names(std::begin(bmp), std::end(bmp));
  names.append(QStringList(std::begin(jpg), std::end(jpg)));
  if (!report.isEmpty()) names.append(QFileInfo(report).fileName());
  RemoveReportFiles(names);
}
}  // namespace

HandOver CrearINFORME_HTFC_NEU(const ReportContext& c) {
  if (Vigas::TipoViga == 0 || !c.picture) return HandOver::NotWritten;
  platform::BusyCursor busy;
  const QString crlf = QStringLiteral("\r\n");

  const platform::FolderCheck folder = PrepareReportWorkFolder();
  if (!folder.ok()) {
    ReportFailed(busy, ReportMessage("NotMade") + crlf + platform::PrivateFolderMessage(folder));
    return HandOver::NotWritten;
  }

  Vigas::KeepData keep;
  QString bmp[4], jpg[4];
  ReportPictureNames(QDateTime::currentDateTime(), bmp, jpg);

  ReportTables tables;
  double* columns[4] = {tables.y, tables.theta, tables.m, tables.v};
  for (int g = 1; g <= 4; ++g) {
    QString why;
    if (!CrearGraficoAsJPG(g, bmp[g - 1], jpg[g - 1], *c.picture, c.caseTitle, &why)) {
      keep.Restore();
      RemoveMadeFiles(bmp, jpg, QString());
      ReportFailed(busy, ReportMessage("PicturesNotWritten") + crlf + ReportWorkFolder() + crlf +
                             platform::AsSentence(why));
      return HandOver::NotWritten;
    }
    if (g == 1) std::copy(PuntosX + 1, PuntosX + 65, tables.x + 1);
    std::copy(PuntosY + 1, PuntosY + 65, columns[g - 1] + 1);
  }
  keep.Restore();

  const ReportData data = ReportDataFromEngine(c.caseTitle);
  const ReportSections s =
      BuildReportSections(data, tables, jpg, LoadFormulasHTFC(data.CodigoCaso), c.text);
  const HandOverResult r = SaveFile_SHOWPlomview(s.ENUN, s.SOLU, s.RESOL1, s.RESOL2);
  if (r.outcome == HandOver::Started) return r.outcome;

  RemoveMadeFiles(bmp, jpg, r.outcome == HandOver::NotStarted ? r.path : QString());
  if (!r.folder.ok())
    ReportFailed(busy, ReportMessage("NotMade") + crlf + platform::PrivateFolderMessage(r.folder));
  else if (r.outcome == HandOver::NotWritten)
    ReportFailed(busy, ReportMessage("ReportNotWritten") + crlf + r.path + crlf +
                           platform::AsSentence(r.reason));
  else
    ReportFailed(busy, ReportMessage("ViewerNotStarted") + crlf + ViewerProgram());
  return r.outcome;
}

}  // namespace report
