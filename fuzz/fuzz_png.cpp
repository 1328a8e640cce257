// Fuzzes the picture path every image of the game takes: decoding (PNG or
// JPEG, by content) into a pixmap, then cutting it into the cells of an
// animation strip as the resource sets do, and the window used for grabs.
#include <cstdint>
#include <cstdlib>

#include "platform/image.h"
#include "platform/pixmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // The first two bytes choose the cell size, the rest is the picture.
  const int cellWidth = 1 + data[0] % 64;
  const int cellHeight = 1 + data[1] % 64;
  TPixmapPtr pixmap = DecodePixmap(data + 2, size - 2);
  if (!pixmap) return 0;
  if (pixmap->width <= 0 || pixmap->height <= 0 ||
      pixmap->pixels.size() != static_cast<size_t>(pixmap->width) * pixmap->height * 4)
    std::abort();
  const int cells = (pixmap->width / cellWidth) * (pixmap->height / cellHeight);
  TImagePtr strip = LoadAnimImage(pixmap, cellWidth, cellHeight, 0, cells > 0 ? cells : 1, 0);
  TImagePtr whole = LoadImage(pixmap, 0);
  pixmap->Window(-3, -3, cellWidth + 6, cellHeight + 6);
  return 0;
}
