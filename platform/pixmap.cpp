#include "platform/pixmap.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "platform/file_system.h"
#include "platform/pixmap_batch.h"
#include "platform/pixmap_codec.h"

namespace {

// Pictures larger than this on a side are refused: a corrupt header must not
// make us allocate gigabytes.
constexpr int kMaxSide = 16384;

bool IsPng(const uint8_t* data, size_t size) { return size >= 8 && png_sig_cmp(data, 0, 8) == 0; }
bool IsJpeg(const uint8_t* data, size_t size) { return size >= 3 && data[0] == 0xFF && data[1] == 0xD8; }

TPixmapPtr DecodePng(const uint8_t* data, size_t size) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data, size)) return nullptr;
  if (image.width == 0 || image.height == 0 || image.width > kMaxSide || image.height > kMaxSide) {
    png_image_free(&image);
    return nullptr;
  }
  // The file's own format says whether it carries transparency (an alpha
  // channel or a transparent-colour chunk).
  const bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = PNG_FORMAT_RGBA;
  auto pixmap = std::make_shared<TPixmap>(static_cast<int>(image.width), static_cast<int>(image.height));
  if (!png_image_finish_read(&image, nullptr, pixmap->pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return nullptr;
  }
  pixmap->hasAlpha = hasAlpha;
  return pixmap;
}

}  // namespace

std::shared_ptr<TPixmap> TPixmap::Window(int x, int y, int w, int h) const {
  auto out = std::make_shared<TPixmap>(w > 0 ? w : 0, h > 0 ? h : 0);
  out->hasAlpha = hasAlpha;
  for (int row = 0; row < out->height; ++row) {
    const int sy = y + row;
    if (sy < 0 || sy >= height) continue;
    const int x0 = x < 0 ? -x : 0;
    const int x1 = (x + out->width > width) ? width - x : out->width;
    if (x1 <= x0) continue;
    std::memcpy(out->At(x0, row), At(x + x0, sy), static_cast<size_t>(x1 - x0) * 4);
  }
  return out;
}

TPixmapPtr DecodePixmap(const uint8_t* data, size_t size) {
  if (!data) return nullptr;
  if (IsPng(data, size)) return DecodePng(data, size);
  if (IsJpeg(data, size)) return DecodeJpeg(data, size);
  return nullptr;
}

TPixmapPtr LoadPixmap(const TStreamPtr& stream) {
  if (!stream) return nullptr;
  try {
    std::vector<uint8_t> bytes = stream->ReadAll();
    return DecodePixmap(bytes.data(), bytes.size());
  } catch (const TStreamError&) {
    return nullptr;
  }
}

TPixmapPtr LoadPixmap(const std::string& path) { return LoadPixmap(ReadStream(path)); }

std::vector<TPixmapPtr> LoadPixmaps(const std::vector<std::string>& paths) {
  // The calling thread decodes beside the helpers.
  return TPixmapBatch(paths, DecodingHelpers() - 1).take();
}

bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path) {
  if (pixmap.width <= 0 || pixmap.height <= 0 ||
      pixmap.pixels.size() < static_cast<size_t>(pixmap.width) * pixmap.height * 4)
    return false;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(pixmap.width);
  image.height = static_cast<png_uint_32>(pixmap.height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  // Encode to memory first so that a failure never leaves half a file behind.
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixmap.pixels.data(), 0, nullptr)) return false;
  std::vector<uint8_t> bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, pixmap.pixels.data(), 0, nullptr)) return false;
  bytes.resize(size);
  return ReplaceFileAtomically(path, bytes);
}
