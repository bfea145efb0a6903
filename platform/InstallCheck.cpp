#include "platform/InstallCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <set>

#include "platform/LanguageTable.h"
#include "platform/Messages.h"
#include "platform/RegularFile.h"

namespace platform {

namespace {
// The first bytes every file of that kind starts with: a file of junk, or
// one cut to nothing, is told like a missing one.
QByteArray Signature(const QString& path) {
  if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) return QByteArrayLiteral("GIF8");
  if (path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
    return QByteArrayLiteral("\xFF\xD8\xFF");
  return QByteArray();
}

// Why the file cannot be used ("" when it can). Only its first bytes are
// read: the pictures of all cases together are megabytes.
QString FileProblem(const QString& path) {
  constexpr qint64 kLimit = qint64(1) << 30;
  FileStamp stamp;
  const FileRefusal refusal = CheckSmallRegularFile(path, kLimit, &stamp);
  if (refusal != FileRefusal::None) return RefusalText(refusal, kLimit);
  if (stamp.size == 0) return QStringLiteral("is empty");
  const QByteArray signature = Signature(path);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return RefusalText(FileRefusal::Unreadable, kLimit);
  if (!signature.isEmpty() && file.read(signature.size()) != signature)
    return QStringLiteral("is not a picture of its kind");
  return QString();
}

// Files whose folder is missing are told once for the folder; at most a few
// files are named, and the rest counted.
QStringList DataFileProblems(const QStringList& relativePaths) {
  constexpr int kNamed = 5;
  const QString root = ResourceFolder();
  QStringList problems;
  std::set<QString> missingFolders;
  int unnamed = 0;
  for (const QString& relative : relativePaths) {
    const QString folder = QFileInfo(relative).path();
    if (missingFolders.count(folder)) continue;
    if (folder != QLatin1String(".") && !QFileInfo(root + QLatin1Char('/') + folder).isDir()) {
      missingFolders.insert(folder);
      problems << QStringLiteral("The folder %1 is missing.").arg(folder);
      continue;
    }
    const QString problem = FileProblem(root + QLatin1Char('/') + relative);
    if (problem.isEmpty()) continue;
    if (problems.size() - static_cast<int>(missingFolders.size()) < kNamed)
      problems << relative + QLatin1Char(' ') + problem + QLatin1Char('.');
    else
      ++unnamed;
  }
  if (unnamed == 1) problems << QStringLiteral("1 more file cannot be used.");
  if (unnamed > 1) problems << QStringLiteral("%1 more files cannot be used.").arg(unnamed);
  return problems;
}

QStringList LanguageFileProblems(const QStringList& prefixes) {
  const QString folder = QFileInfo(LanguageFolder()).fileName();
  if (!QFileInfo(LanguageFolder()).isDir())
    return {QStringLiteral("The folder %1 is missing.").arg(folder)};
  QStringList problems;
  for (const QString& prefix : prefixes) {
    const QString problem = LanguageFileProblem(prefix);
    if (!problem.isEmpty()) problems << folder + QLatin1Char('/') + problem + QLatin1Char('.');
  }
  return problems;
}
}  // namespace

QStringList InstallProblems(const QStringList& languagePrefixes, const QStringList& dataFiles) {
  return LanguageFileProblems(languagePrefixes) + DataFileProblems(dataFiles);
}

QStringList CheckInstall(const QString& programName, const QStringList& languagePrefixes,
                         const QStringList& dataFiles, const QString& without) {
  const QStringList problems = InstallProblems(languagePrefixes, dataFiles);
  if (!problems.isEmpty())
    TellDamagedInstall(programName, QDir::toNativeSeparators(ResourceFolder()), problems, without);
  return problems;
}

}  // namespace platform
