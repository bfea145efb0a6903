// The Report command's work: four graph pictures, the report text and the
// report file handed to the viewer.
#pragma once

#include <QString>

#include "output/ReportFiles.h"
#include "output/ReportText.h"

namespace platform {
class PictureTarget;
}

namespace report {

struct ReportContext {
  platform::PictureTarget* picture = nullptr;  // 1080 x 600, the graphs are drawn on it
  TextLookup text;                             // the main window's language texts
  QString caseTitle;                           // title of the current tab's case
};

// Makes the report of the current case from the last calculation. Nothing
// happens while no support type is chosen. The data vector is the same
// afterwards; the graph state is that of the shear-force graph. A refused
// work folder, a picture or report file that cannot be written and a viewer
// that cannot be started each stop the report with a message naming what
// failed; the files of a report that is not shown are removed.
// Returns what became of the report file (NotWritten when no report was made).
HandOver CrearINFORME_HTFC_NEU(const ReportContext& context);

// Language table of the report's own messages (prefix "INF").
QString ReportMessage(const QString& key);

}  // namespace report
