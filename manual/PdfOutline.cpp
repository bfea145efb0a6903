#include "manual/PdfOutline.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <map>

namespace manual {

namespace {

// A PDF text string in UTF-16, so any title shows as written.
QByteArray TextString(const QString& text) {
  QByteArray hex = "<FEFF";
  for (const QChar c : text) hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
  return hex + ">";
}

QByteArray Ref(int object) {
  return QByteArray::number(object) + " 0 R";
}

}  // namespace

QByteArray WithBookmarks(const QByteArray& pdf, const std::vector<Bookmark>& bookmarks) {
  const QString text = QString::fromLatin1(pdf);
  const auto trailer = QRegularExpression(
                           "trailer\\s*<<\\s*/Size (\\d+)\\s*/Info (\\d+) 0 R\\s*/Root (\\d+) 0 R"
                           "\\s*>>\\s*startxref\\s*(\\d+)\\s*%%EOF\\s*$")
                           .match(text);
  if (!trailer.hasMatch() || bookmarks.empty()) return QByteArray();
  const int size = trailer.captured(1).toInt(), info = trailer.captured(2).toInt();
  const int root = trailer.captured(3).toInt();
  const auto catalog = QRegularExpression(QString("\\n%1 0 obj\\s*<<(.*?)>>\\s*endobj").arg(root),
                                          QRegularExpression::DotMatchesEverythingOption)
                           .match(text);
  const auto kids = QRegularExpression("/Type /Pages\\s*/Kids\\s*\\[([\\d\\sR]*)\\]").match(text);
  if (!catalog.hasMatch() || !kids.hasMatch() || catalog.captured(1).contains("/Outlines"))
    return QByteArray();
  std::vector<int> pages;
  for (const QString& ref : kids.captured(1).split(" R", Qt::SkipEmptyParts))
    if (!ref.trimmed().isEmpty()) pages.push_back(ref.trimmed().section(' ', 0, 0).toInt());

  // Each bookmark's parent, and the children of each (index -1 the outline).
  const int count = static_cast<int>(bookmarks.size());
  std::vector<int> parent(count, -1);
  std::map<int, std::vector<int>> children;
  std::vector<int> open;  // the last bookmark of each level so far
  for (int i = 0; i < count; ++i) {
    const int level = std::clamp(bookmarks[i].level, 1, static_cast<int>(open.size()) + 1);
    open.resize(level - 1);
    parent[i] = open.empty() ? -1 : open.back();
    children[parent[i]].push_back(i);
    open.push_back(i);
  }
  const int outline = size;
  auto object = [&](int i) { return i < 0 ? outline : size + 1 + i; };
  std::vector<int> descendants(count, 0);
  for (int i = count - 1; i >= 0; --i)
    if (parent[i] >= 0) descendants[parent[i]] += 1 + descendants[i];

  QByteArray update = "\n";
  std::map<int, qint64> offsets;
  auto add = [&](int number, const QByteArray& body) {
    offsets[number] = pdf.size() + update.size();
    update += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
  };
  const std::vector<int>& top = children[-1];
  add(outline, "<<\n/Type /Outlines\n/First " + Ref(object(top.front())) + "\n/Last " +
                   Ref(object(top.back())) + "\n/Count " + QByteArray::number(top.size()) + "\n>>");
  for (int i = 0; i < count; ++i) {
    const Bookmark& b = bookmarks[i];
    const std::vector<int>& siblings = children[parent[i]];
    const auto at = std::find(siblings.begin(), siblings.end(), i) - siblings.begin();
    const int page = pages.empty() ? 0 : pages[std::clamp<int>(b.page, 0, int(pages.size()) - 1)];
    QByteArray body = "<<\n/Title " + TextString(b.title) + "\n/Parent " + Ref(object(parent[i])) +
                      "\n/Dest [" + Ref(page) + " /XYZ 0 " +
                      QByteArray::number(842 - b.top, 'f', 1) + " null]\n";
    if (at > 0) body += "/Prev " + Ref(object(siblings[at - 1])) + "\n";
    if (at + 1 < int(siblings.size())) body += "/Next " + Ref(object(siblings[at + 1])) + "\n";
    const auto own = children.find(i);
    if (own != children.end())
      body += "/First " + Ref(object(own->second.front())) + "\n/Last " +
              Ref(object(own->second.back())) + "\n/Count -" + QByteArray::number(descendants[i]) +
              "\n";
    add(object(i), body + ">>");
  }
  // The links, added to the lists of annotations of their pages.
  std::map<int, QByteArray> annotations;  // list object, the references it gains
  int next = size + 1 + count;
  for (int i = 0; i < count; ++i) {
    const Bookmark& b = bookmarks[i];
    if (b.linkPage < 0 || b.linkPage >= int(pages.size())) continue;
    const auto list =
        QRegularExpression(
            QString("\\n%1 0 obj\\s*<<[^>]*?/Annots (\\d+) 0 R").arg(pages[b.linkPage]))
            .match(text);
    if (!list.hasMatch()) return QByteArray();
    const QRectF r = b.link;
    const int page = pages[std::clamp<int>(b.page, 0, int(pages.size()) - 1)];
    add(next, "<<\n/Type /Annot\n/Subtype /Link\n/Border [0 0 0]\n/Rect [" +
                  QByteArray::number(r.left(), 'f', 1) + " " +
                  QByteArray::number(842 - r.bottom(), 'f', 1) + " " +
                  QByteArray::number(r.right(), 'f', 1) + " " +
                  QByteArray::number(842 - r.top(), 'f', 1) + "]\n/Dest [" + Ref(page) +
                  " /XYZ 0 " + QByteArray::number(842 - b.top, 'f', 1) + " null]\n>>");
    annotations[list.captured(1).toInt()] += " " + Ref(next);
    ++next;
  }
  for (const auto& [list, added] : annotations) {
    const auto old =
        QRegularExpression(QString("\\n%1 0 obj\\s*\\[([^\\]]*)\\]").arg(list)).match(text);
    if (!old.hasMatch()) return QByteArray();
    add(list, "[" + old.captured(1).toLatin1() + added + "]");
  }
  add(root, "<<" + catalog.captured(1).toLatin1() + "/Outlines " + Ref(outline) +
                "\n/PageMode /UseOutlines\n>>");

  const qint64 xref = pdf.size() + update.size();
  update += "xref\n0 1\n0000000000 65535 f \n";
  for (const auto& [number, offset] : offsets)
    update += QByteArray::number(number) + " 1\n" +
              QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
  const int newSize = next;
  update += "trailer\n<<\n/Size " + QByteArray::number(newSize) + "\n/Info " + Ref(info) +
            "\n/Root " + Ref(root) + "\n/Prev " + trailer.captured(4).toLatin1() +
            "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
  return pdf + update;
}

}  // namespace manual
