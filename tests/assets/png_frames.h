#pragma once
// Reads a PNG as 8-bit RGBA and cuts it into frames the way the game does
// (cells in reading order), for checking the generated art.
#include <cstdint>
#include <string>
#include <vector>

struct TRgbaPicture {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;  // R G B A, rows top to bottom

  bool empty() const { return width == 0 || height == 0; }
  const uint8_t* at(int x, int y) const { return &pixels[(static_cast<size_t>(y) * width + x) * 4]; }
  uint8_t alpha(int x, int y) const { return at(x, y)[3]; }
};

// An empty picture when the file is missing or not a PNG.
TRgbaPicture ReadPng(const std::string& path);

// Frame `index` of cells cellW x cellH in reading order; empty when the
// picture holds fewer cells.
TRgbaPicture CutFrame(const TRgbaPicture& picture, int cellW, int cellH, int index);

// Number of whole cells the picture holds.
int CellCount(const TRgbaPicture& picture, int cellW, int cellH);

// The bytes of a file; empty when it cannot be read.
std::vector<char> ReadBytes(const std::string& path);

// Path of a picture in the game's gfx folder.
std::string GfxPath(const std::string& name);
