// make_beam_pictures <program folder>: writes the picture of every load case
// beside the program: img/X<code>.jpg for the formula panel and h<code>.jpg,
// the same drawing at print resolution, for the report.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "img/BeamCases.h"
#include "img/BeamDrawing.h"
#include "platform/ImageFiles.h"

namespace {
bool Save(const QImage& image, const QString& path) {
  if (platform::SaveImageFile(image, path, "JPG", 92) == platform::SaveResult::Ok) return true;
  std::fprintf(stderr, "make_beam_pictures: cannot write %s\n", qPrintable(path));
  return false;
}
}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_beam_pictures <program folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder + "/img")) {
    std::fprintf(stderr, "make_beam_pictures: cannot make %s/img\n", qPrintable(folder));
    return 1;
  }
  for (const beam_cases::BeamCase& beam : beam_cases::AllCases()) {
    const QString code = QString::number(beam.code);
    if (!Save(beam_drawing::DrawCase(beam, 1), folder + "/img/X" + code + ".jpg") ||
        !Save(beam_drawing::DrawCase(beam, beam_drawing::kPrintScale),
              folder + "/h" + code + ".jpg"))
      return 1;
  }
  return 0;
}
