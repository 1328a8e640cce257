#include "platform/image.h"

#include "platform/draw_state.h"

namespace {

int ResolveFlags(int flags) { return flags == -1 ? CurrentDrawState().autoImageFlags : flags; }

// Masking applies only to pictures without their own transparency: pixels of
// the mask colour become fully transparent, every other pixel opaque.
void ApplyMask(TPixmap& pixmap, const int mask[3]) {
  for (size_t i = 0; i + 3 < pixmap.pixels.size(); i += 4) {
    uint8_t* p = &pixmap.pixels[i];
    const bool isMask = p[0] == mask[0] && p[1] == mask[1] && p[2] == mask[2];
    p[3] = isMask ? 0 : 255;
  }
  pixmap.hasAlpha = true;
}

TImagePtr NewImage(int width, int height, int flags) {
  auto image = std::make_shared<TImage>();
  const TDrawState& state = CurrentDrawState();
  image->width = width;
  image->height = height;
  image->flags = flags;
  image->mask_r = state.maskColor[0];
  image->mask_g = state.maskColor[1];
  image->mask_b = state.maskColor[2];
  if (state.autoMidHandle) {
    image->handle_x = width * 0.5f;
    image->handle_y = height * 0.5f;
  }
  return image;
}

// One frame cut from the picture, masked when the flags ask for it.
TPixmapPtr PrepareFrame(const TPixmap& source, int x, int y, int w, int h, int flags) {
  TPixmapPtr frame = source.Window(x, y, w, h);
  if ((flags & kImageMasked) && !source.hasAlpha) ApplyMask(*frame, CurrentDrawState().maskColor);
  return frame;
}

}  // namespace

TImagePtr LoadImage(const TPixmapPtr& pixmap, int flags) {
  return LoadAnimImage(pixmap, pixmap ? pixmap->width : 0, pixmap ? pixmap->height : 0, 0, 1, flags);
}
TImagePtr LoadImage(const std::string& path, int flags) { return LoadImage(LoadPixmap(path), flags); }
TImagePtr LoadImage(const TStreamPtr& stream, int flags) { return LoadImage(LoadPixmap(stream), flags); }

TImagePtr LoadAnimImage(const TPixmapPtr& pixmap, int cellWidth, int cellHeight, int first, int count, int flags) {
  if (!pixmap || cellWidth <= 0 || cellHeight <= 0 || first < 0 || count <= 0) return nullptr;
  const int perRow = pixmap->width / cellWidth;
  const int rows = pixmap->height / cellHeight;
  if (static_cast<long long>(first) + count > static_cast<long long>(perRow) * rows) return nullptr;
  flags = ResolveFlags(flags);
  TImagePtr image = NewImage(cellWidth, cellHeight, flags);
  image->pixmaps.reserve(static_cast<size_t>(count));
  for (int cell = first; cell < first + count; ++cell) {
    const int x = (cell % perRow) * cellWidth;
    const int y = (cell / perRow) * cellHeight;
    image->pixmaps.push_back(PrepareFrame(*pixmap, x, y, cellWidth, cellHeight, flags));
  }
  return image;
}
TImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int first, int count, int flags) {
  return LoadAnimImage(LoadPixmap(path), cellWidth, cellHeight, first, count, flags);
}
TImagePtr LoadAnimImage(const TStreamPtr& stream, int cellWidth, int cellHeight, int first, int count, int flags) {
  return LoadAnimImage(LoadPixmap(stream), cellWidth, cellHeight, first, count, flags);
}

TImagePtr CreateImage(int width, int height, int frames, int flags) {
  if (width <= 0 || height <= 0 || frames <= 0) return nullptr;
  TImagePtr image = NewImage(width, height, ResolveFlags(flags) | kImageDynamic);
  for (int i = 0; i < frames; ++i) image->pixmaps.push_back(std::make_shared<TPixmap>(width, height));
  return image;
}

void SetImageHandle(const TImagePtr& image, float x, float y) {
  if (!image) return;
  image->handle_x = x;
  image->handle_y = y;
}

void MidHandleImage(const TImagePtr& image) {
  if (image) SetImageHandle(image, image->width * 0.5f, image->height * 0.5f);
}

int ImageWidth(const TImagePtr& image) { return image ? image->width : 0; }
int ImageHeight(const TImagePtr& image) { return image ? image->height : 0; }
