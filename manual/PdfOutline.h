// Bookmarks for a PDF file the toolkit wrote, which has no way to make
// them, and links to the same places from the contents: added as an
// incremental update (new objects, a catalog that names the outline, a
// cross-reference section of its own), so the bytes the writer wrote stay
// as they are and every reader that follows the update sees both.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <vector>

namespace manual {

struct Bookmark {
  int level;  // 1 for a top-level entry, 2 for one under the last level 1, ...
  QString title;
  int page;           // from 0
  double top;         // of the place on its page, in points from the page's top
  int linkPage = -1;  // the page whose area `link` leads there too
  QRectF link;        // in points from the page's top left
};

// The file with the bookmarks and links added; a null array when the file is not laid
// out as the toolkit writes it (one page tree, a catalog, one trailer).
QByteArray WithBookmarks(const QByteArray& pdf, const std::vector<Bookmark>& bookmarks);

}  // namespace manual
