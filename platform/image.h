#pragma once
// Images: one or more frames of equal size, each kept as a pixmap in memory.
// Textures are made from the pixmaps when first drawn and made again after
// the display has been reopened, so images survive a display-mode change.
#include <memory>
#include <string>
#include <vector>

#include "platform/pixmap.h"

struct TTextureCache;  // back-end textures, owned by the graphics module

struct TImage {
  int width = 0, height = 0;  // of one frame
  int flags = 0;
  int mask_r = 0, mask_g = 0, mask_b = 0;
  float handle_x = 0, handle_y = 0;
  float turnStep = 0;  // > 0: turned in steps of this many degrees (TurnInSteps)
  std::vector<TPixmapPtr> pixmaps;  // one per frame
  std::shared_ptr<TTextureCache> textures;

  int FrameCount() const { return static_cast<int>(pixmaps.size()); }
  // Call after changing a frame's pixels so its texture is made again.
  void Invalidate(int frame);
};

using TImagePtr = std::shared_ptr<TImage>;

// Loading. flags -1 means the current auto image flags. Masked pictures
// without alpha turn pixels of the current mask colour transparent. With
// auto mid-handle on, the handle goes to the frame centre. Null on failure.
TImagePtr LoadImage(const std::string& path, int flags = -1);
TImagePtr LoadImage(const TStreamPtr& stream, int flags = -1);
TImagePtr LoadImage(const TPixmapPtr& pixmap, int flags = -1);
// Frames in reading order; null when the picture holds fewer than
// first + count cells.
TImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int first, int count,
                        int flags = -1);
TImagePtr LoadAnimImage(const TStreamPtr& stream, int cellWidth, int cellHeight, int first, int count,
                        int flags = -1);
TImagePtr LoadAnimImage(const TPixmapPtr& pixmap, int cellWidth, int cellHeight, int first, int count,
                        int flags = -1);
// A blank (transparent) dynamic image.
TImagePtr CreateImage(int width, int height, int frames = 1, int flags = -1);

void SetImageHandle(const TImagePtr& image, float x, float y);
void MidHandleImage(const TImagePtr& image);
int ImageWidth(const TImagePtr& image);
int ImageHeight(const TImagePtr& image);
