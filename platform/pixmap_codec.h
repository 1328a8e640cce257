#pragma once
// JPEG coding, kept apart from PNG because libjpeg reports errors by long jump.
#include <cstdint>
#include <vector>

#include "platform/pixmap.h"

TPixmapPtr DecodeJpeg(const uint8_t* data, size_t size);
// Quality 1..100; false on failure.
bool EncodeJpeg(const TPixmap& pixmap, int quality, std::vector<uint8_t>& out);
