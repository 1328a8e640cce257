#pragma once
// Pixel-exact collisions on 32 layers of quads. An image counts only its
// pixels with alpha >= 128 (every pixel when it has no alpha channel); a
// rectangle is fully opaque. Images are placed exactly as DrawImage would
// place them with the current drawing state; rectangles are upright screen
// areas shifted only by the origin. Works without a display.
#include <cstdint>
#include <vector>

#include "platform/image.h"

using TCollisionId = const void*;

// Ids of quads in the layers of testMask (bit k = layer k) that this image
// touches; then stores its own quad, tagged id, in the layers of writeMask.
std::vector<TCollisionId> CollideImage(const TImagePtr& image, float x, float y, int frame, uint32_t testMask,
                                       uint32_t writeMask, TCollisionId id = nullptr);
std::vector<TCollisionId> CollideRect(float x, float y, float w, float h, uint32_t testMask, uint32_t writeMask,
                                      TCollisionId id = nullptr);
// True when the image has an opaque pixel inside the rectangle: what
// CollideImage and CollideRect on one fresh layer tell, without the layers
// (the pointer is tested against every cell of a room each frame).
bool ImageMeetsRect(const TImagePtr& image, float x, float y, int frame, float rx, float ry, float rw, float rh);
// Empties the layers of the mask; 0 empties all 32.
void ResetCollisions(uint32_t mask = 0);
// True when the two images share an opaque pixel (uses layer 31).
bool ImagesCollide(const TImagePtr& image1, float x1, float y1, int frame1, const TImagePtr& image2, float x2,
                   float y2, int frame2);
