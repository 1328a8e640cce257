#include "png_frames.h"

#include <png.h>

#include <cstring>
#include <fstream>
#include <iterator>

TRgbaPicture ReadPng(const std::string& path) {
  TRgbaPicture picture;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return picture;
  image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> buffer(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr)) {
    png_image_free(&image);
    return picture;
  }
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.pixels = std::move(buffer);
  return picture;
}

int CellCount(const TRgbaPicture& picture, int cellW, int cellH) {
  if (cellW <= 0 || cellH <= 0) return 0;
  return (picture.width / cellW) * (picture.height / cellH);
}

TRgbaPicture CutFrame(const TRgbaPicture& picture, int cellW, int cellH, int index) {
  TRgbaPicture frame;
  if (index < 0 || index >= CellCount(picture, cellW, cellH)) return frame;
  const int columns = picture.width / cellW;
  const int x0 = (index % columns) * cellW, y0 = (index / columns) * cellH;
  frame.width = cellW;
  frame.height = cellH;
  frame.pixels.resize(static_cast<size_t>(cellW) * cellH * 4);
  for (int y = 0; y < cellH; ++y)
    std::memcpy(&frame.pixels[static_cast<size_t>(y) * cellW * 4], picture.at(x0, y0 + y), static_cast<size_t>(cellW) * 4);
  return frame;
}

std::vector<char> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string GfxPath(const std::string& name) { return std::string(TESMORIA_GAME_DIR) + "/gfx/" + name; }
