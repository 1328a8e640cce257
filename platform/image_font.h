#pragma once
// Image fonts: glyphs rasterised by FreeType from a font file in memory, each
// glyph a small white image tinted by the drawing colour when drawn.
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"

struct TGlyph {
  TImagePtr image;  // null for glyphs with no pixels (space)
  int advance = 0;  // whole pixels
  int xOffset = 0, yOffset = 0, width = 0, height = 0;
};

class TImageFont {
 public:
  ~TImageFont();
  // Null when the character is not in the font.
  const TGlyph* Glyph(int code);
  int Height() const { return height_; }
  int Size() const { return size_; }
  bool Smooth() const { return smooth_; }

  static std::shared_ptr<TImageFont> Create(std::vector<uint8_t> fileBytes, int size, int style);
  static std::shared_ptr<TImageFont> CreateDefault();  // built-in font, codes 32..127

 private:
  struct Face;
  // FreeType reads the face from these bytes for the font's life; the sizes
  // made from one file share them. Declared first, they outlive the face.
  std::shared_ptr<const std::vector<uint8_t>> fileBytes_;
  std::unique_ptr<Face> face_;
  std::map<int, std::unique_ptr<TGlyph>> glyphs_;
  // The Latin-1 glyphs found so far, looked up without the map: every text
  // on screen is drawn glyph by glyph each frame.
  std::array<const TGlyph*, 256> latin1_{};
  std::vector<bool> missing_;
  int size_ = 0, height_ = 0, ascender_ = 0;
  bool smooth_ = false;
};

using TImageFontPtr = std::shared_ptr<TImageFont>;

constexpr int kFontSmooth = 4;  // style bit: filtered glyphs with a softened 1-pixel border

TImageFontPtr LoadImageFont(const std::string& path, int size, int style);
TImageFontPtr LoadImageFont(const TStreamPtr& stream, int size, int style);
