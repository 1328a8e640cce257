#include "platform/image_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <mutex>

#include "platform/builtin_font.h"
#include "platform/draw_state.h"

namespace {

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    return lib;
  }();
  return library;
}

// The bytes of a font file, shared with any font alive made from the same
// file: the game makes eight sizes of its font, and each would otherwise
// keep the whole file.
std::shared_ptr<const std::vector<uint8_t>> SharedFileBytes(std::vector<uint8_t> bytes) {
  static std::mutex guard;
  static std::vector<std::weak_ptr<const std::vector<uint8_t>>> known;
  const std::lock_guard<std::mutex> lock(guard);
  std::erase_if(known, [](const auto& weak) { return weak.expired(); });
  for (const auto& weak : known)
    if (auto shared = weak.lock(); shared && *shared == bytes) return shared;
  auto made = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
  known.push_back(made);
  return made;
}

// A white picture whose alpha is the glyph's coverage.
TImagePtr GlyphImage(const std::vector<uint8_t>& coverage, int w, int h, int flags) {
  auto pixmap = std::make_shared<TPixmap>(w, h);
  for (int i = 0; i < w * h; ++i) {
    uint8_t* p = &pixmap->pixels[static_cast<size_t>(i) * 4];
    p[0] = p[1] = p[2] = 255;
    p[3] = coverage[static_cast<size_t>(i)];
  }
  auto image = std::make_shared<TImage>();
  image->width = w;
  image->height = h;
  image->flags = flags;
  image->pixmaps.push_back(pixmap);
  return image;
}

// Smooth glyphs: one pixel wider on every side, softened by a small blur,
// and never weaker than the sharp coverage they came from.
std::vector<uint8_t> Soften(const std::vector<uint8_t>& in, int w, int h) {
  const int ow = w + 2, oh = h + 2;
  std::vector<uint8_t> padded(static_cast<size_t>(ow) * oh, 0), out(padded.size(), 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) padded[static_cast<size_t>(y + 1) * ow + x + 1] = in[static_cast<size_t>(y) * w + x];
  static const int kernel[3][3] = {{1, 2, 1}, {2, 4, 2}, {1, 2, 1}};
  for (int y = 0; y < oh; ++y) {
    for (int x = 0; x < ow; ++x) {
      int sum = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int sx = x + dx, sy = y + dy;
          if (sx >= 0 && sy >= 0 && sx < ow && sy < oh)
            sum += kernel[dy + 1][dx + 1] * padded[static_cast<size_t>(sy) * ow + sx];
        }
      const int self = padded[static_cast<size_t>(y) * ow + x];
      out[static_cast<size_t>(y) * ow + x] = static_cast<uint8_t>(std::max(sum / 16, (self * 3) / 4));
    }
  }
  return out;
}

}  // namespace

struct TImageFont::Face {
  FT_Face face = nullptr;
  ~Face() {
    if (face) FT_Done_Face(face);
  }
};

TImageFont::~TImageFont() = default;

std::shared_ptr<TImageFont> TImageFont::Create(std::vector<uint8_t> fileBytes, int size, int style) {
  FT_Library library = Library();
  if (!library || fileBytes.empty() || size <= 0 || size > 1000) return nullptr;
  std::shared_ptr<TImageFont> font(new TImageFont());
  font->fileBytes_ = SharedFileBytes(std::move(fileBytes));
  font->face_ = std::make_unique<Face>();
  if (FT_New_Memory_Face(library, font->fileBytes_->data(), static_cast<FT_Long>(font->fileBytes_->size()), 0,
                         &font->face_->face) != 0)
    return nullptr;
  FT_Face face = font->face_->face;
  if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)) != 0) return nullptr;
  font->size_ = size;
  font->height_ = static_cast<int>(face->size->metrics.height >> 6);
  font->ascender_ = static_cast<int>(face->size->metrics.ascender >> 6);
  font->smooth_ = (style & kFontSmooth) != 0;
  font->missing_.assign(256, false);
  return font;
}

std::shared_ptr<TImageFont> TImageFont::CreateDefault() {
  std::shared_ptr<TImageFont> font(new TImageFont());
  font->size_ = kBuiltinFontHeight;
  font->height_ = kBuiltinFontHeight;
  font->ascender_ = kBuiltinFontHeight;
  font->missing_.assign(256, true);
  for (int code = kBuiltinFirst; code <= kBuiltinLast; ++code) {
    const uint8_t* rows = BuiltinGlyphRows(code);
    auto glyph = std::make_unique<TGlyph>();
    glyph->advance = kBuiltinAdvance;
    glyph->width = kBuiltinCellWidth;
    glyph->height = kBuiltinFontHeight;
    std::vector<uint8_t> coverage(static_cast<size_t>(glyph->width) * glyph->height, 0);
    bool any = false;
    for (int y = 0; y < kBuiltinFontHeight; ++y)
      for (int x = 0; x < kBuiltinCellWidth; ++x)
        if (rows[y] & (0x80 >> x)) {
          coverage[static_cast<size_t>(y) * glyph->width + x] = 255;
          any = true;
        }
    if (any) glyph->image = GlyphImage(coverage, glyph->width, glyph->height, 0);
    font->glyphs_[code] = std::move(glyph);
    font->missing_[static_cast<size_t>(code)] = false;
  }
  return font;
}

const TGlyph* TImageFont::Glyph(int code) {
  if (code < 0) return nullptr;
  const bool latin1 = code < static_cast<int>(latin1_.size());
  if (latin1 && latin1_[static_cast<size_t>(code)]) return latin1_[static_cast<size_t>(code)];
  auto found = glyphs_.find(code);
  if (found != glyphs_.end()) {
    if (latin1) latin1_[static_cast<size_t>(code)] = found->second.get();
    return found->second.get();
  }
  if (static_cast<size_t>(code) < missing_.size() && missing_[static_cast<size_t>(code)]) return nullptr;
  if (!face_ || !face_->face) return nullptr;
  FT_Face face = face_->face;
  // A glyph is rasterised on first use and kept for the font's life.
  const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(code));
  if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0) {
    if (static_cast<size_t>(code) < missing_.size()) missing_[static_cast<size_t>(code)] = true;
    return nullptr;
  }
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  auto glyph = std::make_unique<TGlyph>();
  glyph->advance = static_cast<int>(slot->advance.x >> 6);
  glyph->xOffset = slot->bitmap_left;
  glyph->yOffset = ascender_ - slot->bitmap_top;
  int w = static_cast<int>(bitmap.width), h = static_cast<int>(bitmap.rows);
  if (w > 0 && h > 0 && bitmap.buffer) {
    std::vector<uint8_t> coverage(static_cast<size_t>(w) * h);
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    for (int y = 0; y < h; ++y) {
      const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
      for (int x = 0; x < w; ++x)
        coverage[static_cast<size_t>(y) * w + x] =
            mono ? ((row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0) : row[x];
    }
    int flags = 0;
    if (smooth_) {
      coverage = Soften(coverage, w, h);
      w += 2;
      h += 2;
      glyph->xOffset -= 1;
      glyph->yOffset -= 1;
      flags = kImageFiltered | kImageMipMapped;
    }
    glyph->image = GlyphImage(coverage, w, h, flags);
  }
  glyph->width = w;
  glyph->height = h;
  const TGlyph* result = glyph.get();
  glyphs_[code] = std::move(glyph);
  return result;
}

TImageFontPtr LoadImageFont(const TStreamPtr& stream, int size, int style) {
  if (!stream) return nullptr;
  try {
    return TImageFont::Create(stream->ReadAll(), size, style);
  } catch (const TStreamError&) {
    return nullptr;
  }
}

TImageFontPtr LoadImageFont(const std::string& path, int size, int style) {
  return LoadImageFont(ReadStream(path), size, style);
}
