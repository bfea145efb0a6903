// The file work of the report: its graph pictures as JPEG files in the work
// folder, the formula text of a case, the report file and the hand-over to
// the report viewer.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "platform/TempFolder.h"

namespace platform {
class PictureTarget;
}

namespace report {

// The report's work folder: "qntemp" in the user's private folder.
QString ReportWorkFolder();
// Makes the private folder and the work folder in it when they are missing
// and checks both (a real folder of the user's, 0700): the first one refused,
// or ok. Nothing may be written there unless it is ok.
platform::FolderCheck PrepareReportWorkFolder();
// Removes the named files (bare names) from the work folder.
void RemoveReportFiles(const QStringList& names);
// Start-up: removes the report files and pictures the work folder holds from
// before a day ago. A folder that fails its check is left alone. Returns how
// many files went.
int RemoveOldReportFiles(const QDateTime& now);

// Draws graph type ID_Graf (1 deflection, 2 slope, 3 moment, 4 shear) of the
// current case on the picture, saves it as the BMP Nomb_BMP in the work
// folder, turns that into the JPEG Nomb_JPG and removes the BMP. The graph
// state (and the 64 graph points) then describe this graph. False when a
// picture file could not be written (`reason`, when given, says why).
bool CrearGraficoAsJPG(int ID_Graf, const QString& Nomb_BMP, const QString& Nomb_JPG,
                       platform::PictureTarget& PicG, const QString& caseTitle,
                       QString* reason = nullptr);

// htf/f<code>.htf in the program's resource folder.
QString FormulaFilePath(int caseCode);
// A formula file's text as the report needs it: CR LF and LF become "&LF",
// the bullet (149) a middle dot (183), and it ends in "&LF".
QString FormulaTextForReport(const QString& fileText);
// The formula text of a case; "" when it has no formula file.
QString LoadFormulasHTFC(int caseCode);

// The report file's bytes (Windows-1252): "#DEC(" separator "#DEC)", then
// the four sections, each between its "#XXX(" and "#XXX)", CR LF CR LF
// between them.
QByteArray ReportFileBytes(const QString& separator, const QString& ENUN, const QString& SOLU,
                           const QString& RESOL1, const QString& RESOL2);

// The viewer beside the program.
QString ViewerProgram();

enum class HandOver {
  Started,     // the report file is written and the viewer started on it
  NotStarted,  // the file is written, the viewer could not be started
  NotWritten,  // the file could not be written: no viewer
};
struct HandOverResult {
  HandOver outcome = HandOver::NotWritten;
  QString path;                  // the report file
  platform::FolderCheck folder;  // NotWritten: not ok when the work folder was refused
  QString reason;                // NotWritten: why the file could not be written
};

// Writes restemp<n>.rex (n 100000..199999 at random) in the work folder
// with the current decimal separator and starts the viewer on it. Reports
// nothing to the user: the result says what failed.
HandOverResult SaveFile_SHOWPlomview(const QString& ENUN, const QString& SOLU,
                                     const QString& RESOL1, const QString& RESOL2);

}  // namespace report
