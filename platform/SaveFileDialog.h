// The save-file dialog. The program shows the toolkit's dialog; tests put a
// dialog of their own in place that answers with a path.
#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace platform {

struct FileFilter {
  QString description;  // "BMP image (*.bmp)"
  QString patterns;     // "*.bmp", several joined by ";"
};

// "description|patterns|description|patterns"; one trailing "|" adds nothing.
QList<FileFilter> ParseFileFilter(const QString& Filtro);

struct SaveFileRequest {
  QList<FileFilter> filters;
  QString title;
  QString folder;
  QString fileName;
  QWidget* owner = nullptr;
};

class SaveFileDialog {
 public:
  virtual ~SaveFileDialog();
  // The path the user chose, or "" on cancel. Asks nothing about existing
  // files: the caller does, for the name it will really write.
  virtual QString Ask(const SaveFileRequest& request) = 0;
};

// Puts a dialog in place (nullptr: the toolkit's); returns the old one
// (nullptr for the toolkit's).
SaveFileDialog* SetSaveFileDialog(SaveFileDialog* dialog);

// Asks for the path of a file to save; "" when the user cancels. With an
// extension (".bmp"), a name that does not end with it (in any case) gets it
// appended, and the question whether to replace an existing file is asked
// about that final name; answering No goes back to the dialog.
QString DialogoGuardarArchivo(const QString& Filtro, const QString& Titulo, const QString& Carpeta,
                              const QString& NombreArchivo, QWidget* hWndPropietario,
                              const QString& Extension = QString());

// The name with the extension appended unless it already ends with it,
// compared without regard to case ("graph.BMP" stays, "graph.txt" becomes
// "graph.txt.bmp").
QString WithExtension(const QString& path, const QString& extension);

// The folder part of a path, without its last separator ("/" or "\").
QString FolderOf(const QString& path);

}  // namespace platform
