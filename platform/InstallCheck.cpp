#include "platform/InstallCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <set>

#include "platform/LanguageTable.h"
#include "platform/Messages.h"

namespace platform {

namespace {
// The first bytes every file of that kind starts with: a file of junk, or
// one cut to nothing, is refused like a missing one.
QByteArray Signature(const QString& path) {
  if (path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive)) return QByteArrayLiteral("GIF8");
  if (path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
    return QByteArrayLiteral("\xFF\xD8\xFF");
  return QByteArray();
}

// Why the file cannot be used ("" when it can), without waiting on a pipe.
QString FileProblem(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return errno == ENOENT ? QStringLiteral("is missing") : QStringLiteral("cannot be read");
  struct stat st;
  QString problem;
  const QByteArray signature = Signature(path);
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    problem = QStringLiteral("is not a regular file");
  } else if (st.st_size == 0) {
    problem = QStringLiteral("is empty");
  } else if (!signature.isEmpty()) {
    QByteArray head(signature.size(), '\0');
    if (::read(fd, head.data(), static_cast<size_t>(head.size())) != head.size())
      problem = QStringLiteral("cannot be read");
    else if (head != signature)
      problem = QStringLiteral("is not a picture of its kind");
  }
  ::close(fd);
  return problem;
}
}  // namespace

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
  if (unnamed > 0) problems << QStringLiteral("%1 more files cannot be used.").arg(unnamed);
  return problems;
}

bool DataFilesUsable(const QString& programName, const QStringList& relativePaths) {
  const QStringList problems = DataFileProblems(relativePaths);
  if (problems.isEmpty()) return true;
  TellCannotStart(programName, QStringLiteral("files it shows"),
                  QDir::toNativeSeparators(ResourceFolder()), problems);
  return false;
}

}  // namespace platform
