#include "output/ReportCommand.h"

#include <QDateTime>
#include <algorithm>
#include <iterator>

#include "engine/Vigas.h"
#include "graphs/GraphState.h"
#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "platform/Program.h"

namespace report {

namespace {

// Puts the calculation's data back however the report ends: the graphs
// move x and overwrite the results while sampling.
class KeepData {
 public:
  KeepData() : flag_(Vigas::FlagError) {
    std::copy(std::begin(Vigas::Datos), std::end(Vigas::Datos), kept_);
  }
  ~KeepData() { Restore(); }
  void Restore() {
    std::copy(std::begin(kept_), std::end(kept_), Vigas::Datos);
    Vigas::FlagError = flag_;
  }

 private:
  double kept_[Vigas::kNumSlots];
  int16_t flag_;
};

}  // namespace

QString ReportMessage(const QString& key) {
  static platform::LanguageTable table(QStringLiteral("INF"));
  return table.GetL_win(key);
}

HandOver CrearINFORME_HTFC_NEU(const ReportContext& c) {
  if (Vigas::TipoViga == 0 || !c.picture) return HandOver::NotWritten;
  platform::BusyCursor busy;

  KeepData keep;
  QString bmp[4], jpg[4];
  ReportPictureNames(QDateTime::currentDateTime(), bmp, jpg);

  ReportTables tables;
  double* columns[4] = {tables.y, tables.theta, tables.m, tables.v};
  for (int g = 1; g <= 4; ++g) {
    if (!CrearGraficoAsJPG(g, bmp[g - 1], jpg[g - 1], *c.picture, c.caseTitle)) {
      keep.Restore();
      busy.Release();
      platform::MsgBox(ReportMessage("PicturesNotWritten") + "\r\n" + ReportWorkFolder(),
                       ReportMessage("Error"), platform::MsgIcon::Exclamation);
      return HandOver::NotWritten;
    }
    if (g == 1) std::copy(PuntosX + 1, PuntosX + 65, tables.x + 1);
    std::copy(PuntosY + 1, PuntosY + 65, columns[g - 1] + 1);
  }
  keep.Restore();

  const ReportData data = ReportDataFromEngine(c.caseTitle);
  const ReportSections s =
      BuildReportSections(data, tables, jpg, LoadFormulasHTFC(data.CodigoCaso), c.text);
  return SaveFile_SHOWPlomview(s.ENUN, s.SOLU, s.RESOL1, s.RESOL2).outcome;
}

}  // namespace report
