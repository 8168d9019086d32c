#include "jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, err->message);
  std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr, int) {}

}  // namespace

bool LooksLikeJpeg(const QByteArray& data) {
  return data.size() >= 3 && uchar(data[0]) == 0xFF && uchar(data[1]) == 0xD8 && uchar(data[2]) == 0xFF;
}

QImage DecodeJpeg(const QByteArray& data) {
  if (!LooksLikeJpeg(data)) throw TJpegError("Not a JPEG file");
  jpeg_decompress_struct info{};
  ErrorManager err{};
  info.err = jpeg_std_error(&err.base);
  err.base.error_exit = OnError;
  err.base.emit_message = OnMessage;
  QImage image;  // declared before the jump point so it is not clobbered
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    throw TJpegError(err.message);
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGRA;  // Format_RGB32's byte order, alpha 0xFF
  jpeg_start_decompress(&info);
  image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(int(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return image;
}

QByteArray EncodeJpeg(const QImage& source, int quality, bool progressive) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  jpeg_compress_struct info{};
  ErrorManager err{};
  info.err = jpeg_std_error(&err.base);
  err.base.error_exit = OnError;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    throw TJpegError(err.message);
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(image.width());
  info.image_height = JDIMENSION(image.height());
  info.input_components = 4;
  info.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    auto* row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
  std::free(buffer);
  return out;
}
