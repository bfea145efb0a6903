// The calculation report as formula mark-up: statement, data, formulas,
// graphs with their tables, and results. Built from a snapshot of the
// calculation and the main window's language texts; draws and writes nothing.
//
// Besides the renderer's codes the report uses layout codes that only the
// viewer reads: "&LF" ends a line, "&SP=n:" moves to column n, "#UDL(...#UDL)"
// underlines, "#SEG(...#SEG)" is a rule as long as its text and
// "#IMG('file'DXmm=w:DYmm=h:#IMG)" a picture w by h millimetres.
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

#include "engine/DataVector.h"
#include "engine/Units.h"
#include "platform/LanguageTable.h"

namespace report {

// What the report reads of the last calculation.
struct ReportData {
  double Datos[Vigas::kNumSlots] = {};
  QString Unidad[Vigas::kNumKinds];  // mark-up unit names per kind
  double Factor[Vigas::kNumKinds] = {};
  QString Signo[7][3];  // sign suffixes: row = quantity, column = sign + 1
  QString TituloCaso;   // the tab's case title
  int CodigoCaso = 0;
};

// The engine's current data, units and sign suffixes with the given title.
ReportData ReportDataFromEngine(const QString& caseTitle);

// The main window's language texts.
using platform::TextLookup;

// The 64 graph points of the four graphs, rows 1..64, in display units.
struct ReportTables {
  double x[65] = {};
  double y[65] = {};
  double theta[65] = {};
  double m[65] = {};
  double v[65] = {};
};

// The four sections of the report file.
struct ReportSections {
  QString ENUN;    // statement, beam picture and data
  QString SOLU;    // results
  QString RESOL1;  // formulas, graphs and tables
  QString RESOL2;  // the same again
};

// The two tables of 17 sampled points (rows 1, 5, ..., 61 and 64).
QString ReportTable1(const ReportData& d, const ReportTables& t, const TextLookup& text);
QString ReportTable2(const ReportData& d, const ReportTables& t, const TextLookup& text);
QString ReportStatement(const ReportData& d, const TextLookup& text);
QString ReportDataLines(const ReportData& d, const TextLookup& text);
QString ReportSolution(const ReportData& d, const TextLookup& text);

// All four sections. jpg: the picture files of the deflection, slope,
// moment and shear graphs; formulas: the case's formula text.
ReportSections BuildReportSections(const ReportData& d, const ReportTables& t,
                                   const QString (&jpg)[4], const QString& formulas,
                                   const TextLookup& text);

// Year, month, day, hour, minute and second as plain numbers run together:
// 5 March 2026, 09:07:03 gives "202635973".
QString ReportTimeStamp(const QDateTime& when);

// The four picture names of one report ("y", "t", "m", "v" + stamp + a
// random number 10000..19999 + ".bmp"), and the JPEG name of a BMP name.
void ReportPictureNames(const QDateTime& when, QString (&bmp)[4], QString (&jpg)[4]);
QString JpegName(const QString& bmpName);

}  // namespace report
