#pragma once
// A picture in memory: 8-bit RGBA, rows top to bottom. Images keep one per
// frame, because collisions and grabbing read pixels.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/stream.h"

struct TPixmap {
  int width = 0, height = 0;
  bool hasAlpha = true;          // false for pictures with no alpha channel (JPEG, RGB PNG)
  std::vector<uint8_t> pixels;   // width * height * 4 bytes, R G B A

  TPixmap() = default;
  TPixmap(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h * 4, 0) {}
  uint8_t* At(int x, int y) { return &pixels[(static_cast<size_t>(y) * width + x) * 4]; }
  const uint8_t* At(int x, int y) const { return &pixels[(static_cast<size_t>(y) * width + x) * 4]; }
  uint8_t Alpha(int x, int y) const { return At(x, y)[3]; }
  // A copy of the rectangle; parts outside this pixmap are transparent black.
  std::shared_ptr<TPixmap> Window(int x, int y, int w, int h) const;
};

using TPixmapPtr = std::shared_ptr<TPixmap>;

// Decoding; null when the source is not a readable PNG or JPEG.
TPixmapPtr LoadPixmap(const std::string& path);
TPixmapPtr LoadPixmap(const TStreamPtr& stream);
TPixmapPtr DecodePixmap(const uint8_t* data, size_t size);
// Several files read in turn and decoded side by side on the processor's
// cores (start-up), in the order given; null for each that fails.
std::vector<TPixmapPtr> LoadPixmaps(const std::vector<std::string>& paths);

// Encoding; false on failure.
bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path);
bool SavePixmapJPEG(const TPixmap& pixmap, const std::string& path, int quality);
