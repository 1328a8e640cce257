#include <cstdio>
#include <csetjmp>
#include <cstdlib>

#include <jpeglib.h>

#include "platform/file_system.h"
#include "platform/pixmap_codec.h"

namespace {

constexpr unsigned kMaxSide = 16384;

// libjpeg calls error_exit on any fault; we jump back out of the codec.
struct TJpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) {
  auto* err = reinterpret_cast<TJpegError*>(info->err);
  std::longjmp(err->jump, 1);
}

void SilenceJpeg(j_common_ptr, int) {}

}  // namespace

namespace {

// Decodes into pixmap; every object with a destructor lives outside this
// function, so the long jump of an error skips nothing that needs cleaning.
bool DecodeJpegInto(const uint8_t* data, size_t size, TPixmap& pixmap, std::vector<uint8_t>& row) {
  jpeg_decompress_struct info;
  TJpegError err;
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = OnJpegError;
  err.mgr.emit_message = SilenceJpeg;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_width == 0 || info.output_height == 0 || info.output_width > kMaxSide ||
      info.output_height > kMaxSide || info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  pixmap.width = static_cast<int>(info.output_width);
  pixmap.height = static_cast<int>(info.output_height);
  pixmap.hasAlpha = false;
  pixmap.pixels.assign(static_cast<size_t>(pixmap.width) * pixmap.height * 4, 255);
  row.resize(static_cast<size_t>(pixmap.width) * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {row.data()};
    const int y = static_cast<int>(info.output_scanline);
    if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
    uint8_t* dst = pixmap.At(0, y);
    for (int x = 0; x < pixmap.width; ++x) {
      dst[x * 4 + 0] = row[x * 3 + 0];
      dst[x * 4 + 1] = row[x * 3 + 1];
      dst[x * 4 + 2] = row[x * 3 + 2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

bool EncodeJpegInto(const TPixmap& pixmap, int quality, std::vector<uint8_t>& row, std::vector<uint8_t>& out) {
  jpeg_compress_struct info;
  TJpegError err;
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = OnJpegError;
  err.mgr.emit_message = SilenceJpeg;
  unsigned char* buffer = nullptr;
  unsigned long bufferSize = 0;
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &bufferSize);
  info.image_width = static_cast<JDIMENSION>(pixmap.width);
  info.image_height = static_cast<JDIMENSION>(pixmap.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality < 1 ? 1 : (quality > 100 ? 100 : quality), TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    const uint8_t* src = pixmap.At(0, static_cast<int>(info.next_scanline));
    for (int x = 0; x < pixmap.width; ++x) {
      row[x * 3 + 0] = src[x * 4 + 0];
      row[x * 3 + 1] = src[x * 4 + 1];
      row[x * 3 + 2] = src[x * 4 + 2];
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  out.assign(buffer, buffer + bufferSize);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return true;
}

}  // namespace

TPixmapPtr DecodeJpeg(const uint8_t* data, size_t size) {
  auto pixmap = std::make_shared<TPixmap>();
  std::vector<uint8_t> row;
  if (!DecodeJpegInto(data, size, *pixmap, row)) return nullptr;
  return pixmap;
}

bool EncodeJpeg(const TPixmap& pixmap, int quality, std::vector<uint8_t>& out) {
  if (pixmap.width <= 0 || pixmap.height <= 0 ||
      pixmap.pixels.size() < static_cast<size_t>(pixmap.width) * pixmap.height * 4)
    return false;
  std::vector<uint8_t> row(static_cast<size_t>(pixmap.width) * 3);
  return EncodeJpegInto(pixmap, quality, row, out);
}

bool SavePixmapJPEG(const TPixmap& pixmap, const std::string& path, int quality) {
  std::vector<uint8_t> bytes;
  return EncodeJpeg(pixmap, quality, bytes) && ReplaceFileAtomically(path, bytes);
}
