// Saving pictures: the name the save dialog settles on, replacing files only
// when asked and only with a complete file, the read-only folder, and the
// BMP-to-JPEG conversion for every bit depth the program meets.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <random>

#include "platform/ImageFiles.h"
#include "platform/Messages.h"
#include "platform/SaveFileDialog.h"

using namespace platform;

namespace {

// Answers the save dialog from a queue of paths ("" = cancel) and keeps
// every request it saw.
class ScriptedSaveDialog : public SaveFileDialog {
 public:
  ScriptedSaveDialog() { old_ = SetSaveFileDialog(this); }
  ~ScriptedSaveDialog() override { SetSaveFileDialog(old_); }
  QString Ask(const SaveFileRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return QString();
    QString a = answers.front();
    answers.pop_front();
    return a;
  }
  std::deque<QString> answers;
  std::vector<SaveFileRequest> requests;

 private:
  SaveFileDialog* old_;
};

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kFilter = "BMP image (*.bmp)|*.bmp|All files (*.*)|*.*";

TEST(SaveDialog, FilterNamesAndFolders) {
  const auto f = ParseFileFilter(kFilter);
  ASSERT_EQ(f.size(), 2);
  EXPECT_EQ(f[0].description, "BMP image (*.bmp)");
  EXPECT_EQ(f[0].patterns, "*.bmp");
  EXPECT_EQ(f[1].patterns, "*.*");
  EXPECT_EQ(ParseFileFilter(kFilter + "|").size(), 2);

  EXPECT_EQ(WithExtension("/t/graph.BMP", ".bmp"), "/t/graph.BMP");
  EXPECT_EQ(WithExtension("/t/graph", ".bmp"), "/t/graph.bmp");
  EXPECT_EQ(WithExtension("/t/graph.txt", ".bmp"), "/t/graph.txt.bmp");
  EXPECT_EQ(WithExtension("/t/graph", ""), "/t/graph");
  EXPECT_EQ(FolderOf("/t/sub/graph.bmp"), "/t/sub");
  EXPECT_EQ(FolderOf("C:\\g\\graph.bmp"), "C:\\g");
  EXPECT_EQ(FolderOf("graph.bmp"), "");
}

TEST(SaveDialog, TheAppendedExtensionIsPartOfTheNameAskedAbout) {
  QTemporaryDir dir;
  RecordingMessageSink sink;
  ScriptedSaveDialog dialog;
  WriteFile(dir.filePath("graph.bmp"), "old");

  // Cancel.
  EXPECT_EQ(DialogoGuardarArchivo(kFilter, "Save", dir.path(), "", nullptr, ".bmp"), "");
  ASSERT_EQ(dialog.requests.size(), 1u);
  EXPECT_EQ(dialog.requests[0].title, "Save");
  EXPECT_EQ(dialog.requests[0].folder, dir.path());
  EXPECT_EQ(dialog.requests[0].filters.size(), 2);
  EXPECT_TRUE(sink.messages.empty());

  // "graph" names the existing "graph.bmp": asked; No goes back to the
  // dialog with that name, where the user cancels.
  dialog.answers = {dir.filePath("graph"), ""};
  sink.answers = {MsgResult::No};
  EXPECT_EQ(DialogoGuardarArchivo(kFilter, "Save", dir.path(), "", nullptr, ".bmp"), "");
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_TRUE(sink.messages[0].prompt.startsWith("graph.bmp already exists."));
  EXPECT_EQ(sink.messages[0].buttons, MsgButtons::YesNo);
  ASSERT_EQ(dialog.requests.size(), 3u);
  EXPECT_EQ(dialog.requests[2].fileName, "graph.bmp");
  EXPECT_EQ(dialog.requests[2].folder, dir.path());

  // Yes replaces; a new name is not asked about; blanks around are dropped.
  sink.messages.clear();
  dialog.answers = {"  " + dir.filePath("graph.BMP") + " "};
  sink.answers = {MsgResult::Yes};
  const QString upper = DialogoGuardarArchivo(kFilter, "Save", "", "", nullptr, ".bmp");
  EXPECT_EQ(upper, dir.filePath("graph.BMP"));
  EXPECT_EQ(sink.messages.size(), QFile::exists(upper) ? 1u : 0u);
  sink.messages.clear();
  dialog.answers = {dir.filePath("other.txt")};
  EXPECT_EQ(DialogoGuardarArchivo(kFilter, "Save", "", "", nullptr, ".bmp"),
            dir.filePath("other.txt.bmp"));
  EXPECT_TRUE(sink.messages.empty());
}

QImage TwoColourPicture() {
  QImage image(64, 40, QImage::Format_RGB32);
  image.fill(QColor(255, 255, 255));
  for (int y = 10; y < 30; ++y)
    for (int x = 0; x < 32; ++x) image.setPixel(x, y, qRgb(200, 0, 0));
  return image;
}

bool OnlyFile(const QDir& dir, const QString& name) {
  const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
  return entries == QStringList{name};
}

TEST(SaveImage, WritesCompletelyOrLeavesTheOldFileAsItWas) {
  QTemporaryDir dir;
  const QString path = dir.filePath("graph.bmp");
  const QImage image = TwoColourPicture();
  ASSERT_EQ(SaveImageFile(image, path, "BMP"), SaveResult::Ok);
  EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), image);

  WriteFile(path, "old contents");
  EXPECT_EQ(SaveImageFile(image, path, "NO-SUCH-FORMAT"), SaveResult::Failed);
  EXPECT_EQ(ReadFile(path), "old contents");
  EXPECT_TRUE(OnlyFile(QDir(dir.path()), "graph.bmp"));  // no temporary file left

  EXPECT_EQ(SaveImageFile(image, dir.filePath("missing/graph.bmp"), "BMP"), SaveResult::Failed);
  EXPECT_EQ(SaveImageFile(QImage(), path, "BMP"), SaveResult::Failed);
  EXPECT_EQ(ReadFile(path), "old contents");
}

TEST(SaveImage, AFolderThatMayNotBeWrittenIsWriteProtected) {
  const QImage image = TwoColourPicture();
  // The system's own folder cannot take a file even for the administrator.
  if (QDir("/sys").exists()) {
    EXPECT_EQ(SaveImageFile(image, "/sys/torv-graph.bmp", "BMP"), SaveResult::WriteProtected);
  }
  if (geteuid() == 0) return;  // permissions below do not bind the administrator
  QTemporaryDir dir;
  const QString path = dir.filePath("graph.bmp");
  WriteFile(path, "old");
  QFile::setPermissions(path, QFile::ReadOwner);
  EXPECT_EQ(SaveImageFile(image, path, "BMP"), SaveResult::WriteProtected);
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
  EXPECT_EQ(SaveImageFile(image, dir.filePath("new.bmp"), "BMP"), SaveResult::WriteProtected);
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(ReadFile(path), "old");
}

// The two headers of a BMP file; the size of its pixel data (-1: that of
// uncompressed rows) is written as stated, at most 2^31 - 1.
QByteArray BmpHeaders(int w, int h, int bits, int colours = 0, int compression = 0,
                      int dataBytes = -1) {
  const double stride = std::floor((double(w) * bits + 31) / 32) * 4;
  const int offset = 14 + 40 + 4 * colours;
  if (dataBytes < 0) dataBytes = static_cast<int>(std::min(stride * std::fabs(h), 2147483647.0));
  QByteArray b;
  auto u16 = [&](int v) { b.append(char(v & 255)).append(char((v >> 8) & 255)); };
  auto u32 = [&](int v) { u16(v & 0xFFFF), u16((v >> 16) & 0xFFFF); };
  b.append("BM");
  u32(static_cast<int>(std::min<int64_t>(offset + int64_t{dataBytes}, INT32_MAX))), u32(0),
      u32(offset);
  u32(40), u32(w), u32(h), u16(1), u16(bits), u32(compression), u32(dataBytes), u32(3780),
      u32(3780);
  u32(colours), u32(0);
  return b;
}

// A BMP file written byte by byte: bottom-up rows padded to 4 bytes, a grey
// or two-colour palette below 16 bits. Left half dark red, right half light
// blue; 1-bit pictures black and white.
QByteArray MakeBmp(int w, int h, int bits) {
  const int stride = ((w * bits + 31) / 32) * 4;
  const int colours = bits <= 8 ? (1 << bits) : 0;
  QByteArray b = BmpHeaders(w, h, bits, colours);
  for (int i = 0; i < colours; ++i) {
    int r = i * 255 / (colours - 1), g = r, bl = r;
    if (bits == 8 && i == 1) r = 150, g = 20, bl = 20;
    if (bits == 8 && i == 2) r = 160, g = 200, bl = 250;
    b.append(char(bl)).append(char(g)).append(char(r)).append(char(0));
  }
  for (int y = h - 1; y >= 0; --y) {
    QByteArray row(stride, 0);
    for (int x = 0; x < w; ++x) {
      const bool left = x < w / 2;
      if (bits == 1) {
        if (!left) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
      } else if (bits == 4) {
        if (!left) row[x / 2] = char(row[x / 2] | (x % 2 ? 0x0F : 0xF0));
      } else if (bits == 8) {
        row[x] = char(left ? 1 : 2);
      } else {
        const int bytes = bits / 8;
        row[x * bytes] = char(left ? 20 : 250);
        row[x * bytes + 1] = char(left ? 20 : 200);
        row[x * bytes + 2] = char(left ? 150 : 160);
      }
    }
    b.append(row);
  }
  return b;
}

bool Near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

TEST(BmpToJpeg, EveryBitDepthBecomesAJpegOfTheSamePicture) {
  QTemporaryDir dir;
  RecordingMessageSink sink;
  for (int bits : {1, 4, 8, 24, 32}) {
    const QString bmp = dir.filePath(QString("p%1.bmp").arg(bits));
    const QString jpg = dir.filePath(QString("p%1.jpg").arg(bits));
    WriteFile(bmp, MakeBmp(90, 30, bits));
    BmpInfo info;
    ASSERT_TRUE(ReadBmpInfo(bmp, info));
    EXPECT_EQ(info.bitCount, bits);
    ASSERT_TRUE(GuardarBMPcomoJPG(bmp, jpg, 95)) << bits << " " << sink.messages.size();
    QImage out(jpg, "JPG");
    ASSERT_FALSE(out.isNull()) << bits;
    EXPECT_EQ(out.size(), QSize(90, 30));
    const QRgb left = bits == 1 || bits == 4 ? qRgb(0, 0, 0) : qRgb(150, 20, 20);
    const QRgb right = bits == 1 || bits == 4 ? qRgb(255, 255, 255) : qRgb(160, 200, 250);
    EXPECT_TRUE(Near(out.pixel(20, 15), left, 12)) << bits;
    EXPECT_TRUE(Near(out.pixel(70, 15), right, 12)) << bits;
  }
  EXPECT_TRUE(sink.messages.empty());
}

TEST(BmpToJpeg, FailuresSaySoAndReturnFalse) {
  QTemporaryDir dir;
  RecordingMessageSink sink;
  auto expectMessage = [&](const char* text) {
    ASSERT_EQ(sink.messages.size(), 1u) << text;
    EXPECT_EQ(sink.messages[0].prompt, text);
    EXPECT_EQ(sink.messages[0].title, "Error encountered!");
    EXPECT_EQ(sink.messages[0].icon, MsgIcon::None);
    sink.messages.clear();
  };
  const QString jpg = dir.filePath("out.jpg");
  EXPECT_FALSE(GuardarBMPcomoJPG(dir.filePath("none.bmp"), jpg, 95));
  expectMessage("Cannot find file");
  WriteFile(dir.filePath("text.bmp"), "not a picture at all, just text");
  EXPECT_FALSE(GuardarBMPcomoJPG(dir.filePath("text.bmp"), jpg, 95));
  expectMessage("Cannot find file");

  // A header promising a picture far bigger than its file: cut off.
  QByteArray huge = MakeBmp(8, 8, 24);
  for (int k = 0; k < 4; ++k) huge[18 + k] = huge[22 + k] = char(k == 3 ? 0x7F : 0xFF);
  WriteFile(dir.filePath("huge.bmp"), huge);
  EXPECT_FALSE(GuardarBMPcomoJPG(dir.filePath("huge.bmp"), jpg, 95));
  expectMessage("Cannot load file");

  // A file that really holds a picture too big to keep in memory (1.2 GB of
  // pixels, a sparse file): said before any of it is read.
  QFile big(dir.filePath("big.bmp"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  big.write(BmpHeaders(20000, 20000, 24));
  ASSERT_TRUE(big.resize(54 + 60000LL * 20000));
  big.close();
  EXPECT_FALSE(GuardarBMPcomoJPG(dir.filePath("big.bmp"), jpg, 95));
  expectMessage("Not enough memory");
  big.remove();

  // A sound header over pixels in a form no reader knows.
  QByteArray odd = MakeBmp(64, 64, 24);
  odd[30] = 7;  // compression
  WriteFile(dir.filePath("odd.bmp"), odd);
  EXPECT_FALSE(GuardarBMPcomoJPG(dir.filePath("odd.bmp"), jpg, 95));
  expectMessage("Cannot load file");
  EXPECT_FALSE(QFile::exists(jpg));

  // A JPEG that cannot be written is only reported by the result.
  WriteFile(dir.filePath("fine.bmp"), MakeBmp(16, 16, 24));
  EXPECT_FALSE(GuardarBMPcomoJPG(dir.filePath("fine.bmp"), dir.filePath("no/out.jpg"), 95));
  EXPECT_TRUE(sink.messages.empty());
}

// The sampling factors of each component in a JPEG file's frame header
// (0x11: one sample per pixel); empty when there is no frame header.
std::vector<int> JpegSampling(const QByteArray& jpeg) {
  const auto* d = reinterpret_cast<const uchar*>(jpeg.constData());
  const int n = static_cast<int>(jpeg.size());
  for (int i = 2; i + 9 < n;) {
    if (d[i] != 0xFF) return {};
    const int marker = d[i + 1];
    const int length = (d[i + 2] << 8) | d[i + 3];
    if (marker >= 0xC0 && marker <= 0xC2) {
      std::vector<int> out;
      const int components = d[i + 9];
      for (int c = 0; c < components && i + 11 + 3 * c < n; ++c) out.push_back(d[i + 11 + 3 * c]);
      return out;
    }
    i += 2 + length;
  }
  return {};
}

TEST(BmpToJpeg, ThinCurvesKeepTheirColour) {
  // The report's curve: RGB(200, 0, 0), three pixels and one pixel wide, on
  // white. Halved colour detail would turn it pink.
  QImage picture(120, 60, QImage::Format_RGB32);
  picture.fill(Qt::white);
  const QRgb red = qRgb(200, 0, 0);
  for (int x = 0; x < 120; ++x) {
    for (int y = 20; y < 23; ++y) picture.setPixel(x, y, red);
    picture.setPixel(x, 41, red);
  }
  for (int y = 0; y < 60; ++y) picture.setPixel(90, y, red);
  QTemporaryDir dir;
  RecordingMessageSink sink;
  ASSERT_EQ(SaveImageFile(picture, dir.filePath("curve.bmp"), "BMP"), SaveResult::Ok);
  ASSERT_TRUE(GuardarBMPcomoJPG(dir.filePath("curve.bmp"), dir.filePath("curve.jpg"), 95));
  EXPECT_EQ(JpegSampling(ReadFile(dir.filePath("curve.jpg"))),
            (std::vector<int>{0x11, 0x11, 0x11}));
  const QImage out(dir.filePath("curve.jpg"), "JPG");
  ASSERT_EQ(out.size(), picture.size());
  for (int x = 5; x < 115; x += 7) {
    if (std::abs(x - 90) < 3) continue;
    EXPECT_TRUE(Near(out.pixel(x, 21), red, 16)) << x << " " << std::hex << out.pixel(x, 21);
    EXPECT_TRUE(Near(out.pixel(x, 41), red, 40)) << x << " " << std::hex << out.pixel(x, 41);
  }
  for (int y = 5; y < 55; y += 7) EXPECT_TRUE(Near(out.pixel(90, y), red, 40)) << y;
  EXPECT_TRUE(Near(out.pixel(30, 31), qRgb(255, 255, 255), 8));
  EXPECT_TRUE(sink.messages.empty());

  // Every JPEG the program writes is made the same way.
  ASSERT_EQ(SaveImageFile(picture, dir.filePath("direct.jpg"), "jpg", 90), SaveResult::Ok);
  EXPECT_EQ(JpegSampling(ReadFile(dir.filePath("direct.jpg"))),
            (std::vector<int>{0x11, 0x11, 0x11}));
}

TEST(BmpToJpeg, ACutOffFileFailsAndWritesNothing) {
  QTemporaryDir dir;
  RecordingMessageSink sink;
  const QString jpg = dir.filePath("out.jpg");
  const QByteArray whole = MakeBmp(90, 30, 24);
  ASSERT_EQ(whole.size(), 54 + 272 * 30);
  // One byte short, half the rows, the headers alone.
  for (int length : {int(whole.size()) - 1, 54 + 272 * 15, 54}) {
    WriteFile(dir.filePath("cut.bmp"), whole.left(length));
    EXPECT_FALSE(GuardarBMPcomoJPG(dir.filePath("cut.bmp"), jpg, 95)) << length;
    ASSERT_EQ(sink.messages.size(), 1u) << length;
    EXPECT_EQ(sink.messages[0].prompt, "Cannot load file");
    sink.messages.clear();
    EXPECT_FALSE(QFile::exists(jpg));
  }
  // Bytes after the pixels do no harm.
  WriteFile(dir.filePath("long.bmp"), whole + QByteArray(100, 'x'));
  EXPECT_TRUE(GuardarBMPcomoJPG(dir.filePath("long.bmp"), jpg, 95));
  EXPECT_TRUE(sink.messages.empty());

  // 174 bytes whose headers promise 100000 x 62700 pixels of 24 bits: the
  // 18.8 GB are found missing by arithmetic, nothing that size is allocated.
  QByteArray promise = BmpHeaders(100000, 62700, 24, 0, 0, 0) + QByteArray(120, 0);
  ASSERT_EQ(promise.size(), 174);
  BmpInfo info;
  ASSERT_TRUE(ParseBmpInfo(promise, promise.size(), info));
  EXPECT_EQ(BmpPixelBytes(info), 300000LL * 62700);
  EXPECT_FALSE(BmpPixelsComplete(info));
  WriteFile(dir.filePath("promise.bmp"), promise);
  EXPECT_FALSE(GuardarBMPcomoJPG(dir.filePath("promise.bmp"), jpg, 95));
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].prompt, "Cannot load file");
}

// An 8-bit run-length BMP, 16 x 8: each row one run of colour 1 (red),
// then the end-of-picture code.
QByteArray RleBmp(int cut) {
  QByteArray data;
  for (int y = 0; y < 8; ++y) data.append(char(16)).append(char(1)).append(char(0)).append(char(0));
  data.append(char(0)).append(char(1));
  data.chop(cut);
  QByteArray b = BmpHeaders(16, 8, 8, 256, 1, static_cast<int>(data.size()));
  for (int i = 0; i < 256; ++i)
    b.append(char(0)).append(char(0)).append(char(i == 1 ? 255 : 0)).append(char(0));
  return b + data;
}

TEST(BmpToJpeg, RunLengthPicturesAreReadOnlyWhenTheirCodesAreComplete) {
  QTemporaryDir dir;
  RecordingMessageSink sink;
  const QString jpg = dir.filePath("out.jpg");
  WriteFile(dir.filePath("rle.bmp"), RleBmp(0));
  ASSERT_TRUE(GuardarBMPcomoJPG(dir.filePath("rle.bmp"), jpg, 95));
  EXPECT_TRUE(Near(QImage(jpg, "JPG").pixel(3, 3), qRgb(255, 0, 0), 16));
  EXPECT_TRUE(sink.messages.empty());
  QFile::remove(jpg);
  // All rows but without the codes that end them, and without the last rows.
  for (int cut : {3, 12, 30}) {
    WriteFile(dir.filePath("rle.bmp"), RleBmp(cut));
    EXPECT_FALSE(GuardarBMPcomoJPG(dir.filePath("rle.bmp"), jpg, 95)) << cut;
    ASSERT_EQ(sink.messages.size(), 1u) << cut;
    EXPECT_EQ(sink.messages[0].prompt, "Cannot load file");
    sink.messages.clear();
    EXPECT_FALSE(QFile::exists(jpg));
  }
}

TEST(BmpHeaders, PixelsSaidToStartOutsideTheFileAreNoBmp) {
  QByteArray head = MakeBmp(4, 4, 24);
  BmpInfo info;
  EXPECT_TRUE(ParseBmpInfo(head, head.size(), info));
  EXPECT_EQ(info.dataOffset, 54);
  EXPECT_EQ(BmpPixelBytes(info), 12 * 4);  // 4 pixels of 3 bytes a row
  EXPECT_TRUE(BmpPixelsComplete(info));
  EXPECT_FALSE(ParseBmpInfo(head, 50, info));  // the pixels start past the end
  head[10] = 20;                               // inside the headers
  EXPECT_FALSE(ParseBmpInfo(head, head.size(), info));
  EXPECT_FALSE(ParseBmpInfo(head.left(20), 20, info));
  // Sizes that overflow any arithmetic stay refused.
  QByteArray wide = BmpHeaders(0x7FFFFFFF, -0x7FFFFFFF, 32);
  ASSERT_TRUE(ParseBmpInfo(wide, 1 << 20, info));
  EXPECT_EQ(BmpPixelBytes(info), -1);
  EXPECT_FALSE(BmpPixelsComplete(info));
}

}  // namespace

// An old core header with 16 bits for each size: 1 x 40000 at 1 bit. Readers
// disagree on heights above 32767 (signed or not); the picture must either be
// converted whole or refused, never come out as another picture.
TEST(BmpToJpeg, ACoreHeaderTallerThan32767RowsIsNeverCutShort) {
  QTemporaryDir dir;
  RecordingMessageSink sink;
  const int rows = 40000, stride = 4;
  QByteArray bmp("BM");
  auto le = [&bmp](uint32_t v, int bytes) {
    for (int k = 0; k < bytes; ++k) bmp += char((v >> (8 * k)) & 0xFF);
  };
  const uint32_t offset = 14 + 12 + 2 * 3;
  le(offset + stride * rows, 4);
  le(0, 4);
  le(offset, 4);
  le(12, 4);
  le(1, 2);
  le(rows, 2);
  le(1, 2);
  le(1, 2);
  bmp += QByteArray("\0\0\0\xff\xff\xff", 6);  // black, white
  bmp += QByteArray(stride * rows, '\x80');
  WriteFile(dir.filePath("tall.bmp"), bmp);
  const QString jpg = dir.filePath("tall.jpg");
  if (GuardarBMPcomoJPG(dir.filePath("tall.bmp"), jpg, 95)) {
    const QImage out(jpg);
    EXPECT_EQ(out.size(), QSize(1, rows));
    EXPECT_TRUE(sink.messages.empty());
  } else {
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].prompt, "Cannot load file");
    EXPECT_FALSE(QFile::exists(jpg));
  }
}
