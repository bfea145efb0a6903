#include "platform/SaveFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "platform/Messages.h"
#include "platform/TextFile.h"

namespace platform {

SaveFileDialog::~SaveFileDialog() = default;

namespace {

// The toolkit's own dialog, with its overwrite question left to the caller.
class ToolkitSaveFileDialog : public SaveFileDialog {
 public:
  QString Ask(const SaveFileRequest& request) override {
    QFileDialog dialog(request.owner, request.title, request.folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    QStringList names;
    for (const FileFilter& f : request.filters) {
      // The toolkit reads the patterns from the last bracket of the text.
      QString description = f.description.trimmed();
      if (description.endsWith(QLatin1Char(')'))) {
        const int open = description.lastIndexOf(QLatin1Char('('));
        if (open >= 0) description = description.left(open).trimmed();
      }
      QString patterns = f.patterns;
      patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
      names << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    if (!names.isEmpty()) dialog.setNameFilters(names);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted) return QString();
    return dialog.selectedFiles().value(0);
  }
};

SaveFileDialog* g_replacement = nullptr;

SaveFileDialog& Dialog() {
  if (g_replacement) return *g_replacement;
  static ToolkitSaveFileDialog toolkit;
  return toolkit;
}

}  // namespace

SaveFileDialog* SetSaveFileDialog(SaveFileDialog* dialog) {
  SaveFileDialog* old = g_replacement;
  g_replacement = dialog;
  return old;
}

QList<FileFilter> ParseFileFilter(const QString& Filtro) {
  QStringList items = Filtro.split(QLatin1Char('|'));
  if (!items.isEmpty() && items.last().isEmpty()) items.removeLast();
  QList<FileFilter> filters;
  for (int i = 0; i + 1 < items.size(); i += 2) filters.append({items[i], items[i + 1]});
  if (items.size() % 2 == 1) filters.append({items.last(), QString()});
  return filters;
}

QString WithExtension(const QString& path, const QString& extension) {
  if (extension.isEmpty() || path.right(extension.size()).toLower() == extension.toLower())
    return path;
  return path + extension;
}

QString FolderOf(const QString& path) {
  const int cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
  return cut >= 0 ? path.left(cut) : QString();
}

QString DialogoGuardarArchivo(const QString& Filtro, const QString& Titulo, const QString& Carpeta,
                              const QString& NombreArchivo, QWidget* hWndPropietario,
                              const QString& Extension) {
  SaveFileRequest request{ParseFileFilter(Filtro), Titulo, Carpeta, NombreArchivo, hWndPropietario};
  for (;;) {
    QString path = TrimSpaces(Dialog().Ask(request));
    path.remove(QChar(0));
    if (path.isEmpty()) return QString();
    path = WithExtension(path, Extension);
    if (!QFileInfo::exists(path)) return path;
    const QString name = QFileInfo(path).fileName();
    const MsgResult answer =
        MsgBox(name + QStringLiteral(" already exists.\r\nDo you want to replace it?"), Titulo,
               MsgIcon::Exclamation, MsgButtons::YesNo);
    if (answer == MsgResult::Yes) return path;
    // Back to the dialog, in the folder and with the name just chosen.
    request.folder = FolderOf(path);
    request.fileName = name;
  }
}

}  // namespace platform
