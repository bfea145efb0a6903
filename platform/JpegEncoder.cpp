#include "platform/JpegEncoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace platform {

namespace {

struct ErrorExit {
  jpeg_error_mgr manager;
  std::jmp_buf back;
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorExit*>(cinfo->err)->back, 1);
}

void Silent(j_common_ptr) {}

// Only plain data lives in this frame, so the jump back on an encoder error
// skips no destructor. The buffer is the library's (malloc).
bool Compress(const unsigned char* rgb, int width, int height, int stride, int quality,
              unsigned char** buffer, unsigned long* size) {
  jpeg_compress_struct cinfo;
  ErrorExit error;
  cinfo.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = OnError;
  error.manager.output_message = Silent;
  if (setjmp(error.back)) {
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, buffer, size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  for (int c = 0; c < cinfo.num_components; ++c) {
    cinfo.comp_info[c].h_samp_factor = 1;
    cinfo.comp_info[c].v_samp_factor = 1;
  }
  cinfo.optimize_coding = TRUE;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<size_t>(cinfo.next_scanline) * stride);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

}  // namespace

bool EncodeJpeg(const QImage& image, int quality, QByteArray& out) {
  out.clear();
  if (image.isNull()) return false;
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  if (rgb.isNull()) return false;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool ok =
      Compress(rgb.constBits(), rgb.width(), rgb.height(), static_cast<int>(rgb.bytesPerLine()),
               std::clamp(quality, 0, 100), &buffer, &size);
  if (ok && buffer && size > 0) out = QByteArray(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return !out.isEmpty();
}

}  // namespace platform
