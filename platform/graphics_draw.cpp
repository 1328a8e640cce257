// Drawing primitives, images and text into the back buffer, all placed by
// the drawing state's rule (origin, handle, rotation and scale).
#include <algorithm>
#include <cmath>

#include "platform/draw_queue.h"
#include "platform/graphics.h"
#include "platform/text_log.h"
#include "platform/graphics_backend.h"

namespace {

using backend::TPaint;

SDL_Renderer* Ready(TPaint& paint) {
  SDL_Renderer* r = backend::Renderer();
  if (!r) return nullptr;
  paint = backend::CurrentPaint();
  if (!paint.visible) return nullptr;
  return r;
}

SDL_Vertex Vertex(TPoint p, SDL_Color c, float u = 0, float v = 0) { return SDL_Vertex{{p.x, p.y}, c, {u, v}}; }

// The axis-aligned rectangle a quad covers, when it is one.
bool UprightRect(const std::vector<TPoint>& p, SDL_FRect& rect) {
  if (p.size() != 4) return false;
  const bool rows = p[0].y == p[1].y && p[1].x == p[2].x && p[2].y == p[3].y && p[3].x == p[0].x;
  const bool cols = p[0].x == p[1].x && p[1].y == p[2].y && p[2].x == p[3].x && p[3].y == p[0].y;
  if (!rows && !cols) return false;
  const float x0 = std::min(p[0].x, p[2].x), x1 = std::max(p[0].x, p[2].x);
  const float y0 = std::min(p[0].y, p[2].y), y1 = std::max(p[0].y, p[2].y);
  rect = SDL_FRect{x0, y0, x1 - x0, y1 - y0};
  return true;
}

// A filled convex polygon in screen coordinates. Upright rectangles are
// filled as such (exact edges, and clipped correctly by every renderer);
// anything else is a fan of triangles.
void FillPolygon(const std::vector<TPoint>& points) {
  TPaint paint;
  SDL_Renderer* r = Ready(paint);
  if (!r || points.size() < 3) return;
  SDL_FRect rect;
  if (UprightRect(points, rect)) {
    backend::QueueFillRect(rect, paint.color, paint.mode);
    return;
  }
  std::vector<SDL_Vertex> vertices;
  vertices.reserve(points.size());
  for (const TPoint& p : points) vertices.push_back(Vertex(p, paint.color));
  std::vector<int> indices;
  indices.reserve((points.size() - 2) * 3);
  for (int i = 1; i + 1 < static_cast<int>(points.size()); ++i) {
    indices.push_back(0);
    indices.push_back(i);
    indices.push_back(i + 1);
  }
  backend::QueueGeometry(nullptr, vertices.data(), static_cast<int>(vertices.size()), indices.data(),
                         static_cast<int>(indices.size()), paint.mode);
}

bool White(SDL_Color c) { return c.r == 255 && c.g == 255 && c.b == 255; }

// One frame of an image as a quad: its top-left corner at topLeft, its u
// axis along (ix, jx) and its v axis along (iy, jy), w x h frame pixels.
void DrawFrame(TImage& image, int frame, TPoint topLeft, float ix, float iy, float jx, float jy, float w, float h) {
  TPaint paint;
  SDL_Renderer* r = Ready(paint);
  if (!r) return;
  SDL_Texture* texture = backend::FrameTexture(image, frame, paint);
  if (!texture) return;
  const bool upright = iy == 0 && jx == 0 && ix > 0 && jy > 0;
  const bool stretched = std::fabs(ix * ix + jx * jx - 1) > 1e-6f || std::fabs(iy * iy + jy * jy - 1) > 1e-6f;
  const bool clipped = backend::ClipActive();
  if (upright && !(stretched && clipped)) {
    // Upright and not mirrored: a plain (stretched) copy.
    SDL_BlendMode mode = paint.mode;
    SDL_Color color = paint.color;
    if (!stretched && mode == SDL_BLENDMODE_BLEND && White(color)) {
      if (color.a == 255 && backend::TextureOpaque(texture)) {
        // An opaque picture blended at full strength is simply copied: the
        // same pixels, without the blender's per-pixel work.
        mode = SDL_BLENDMODE_NONE;
      } else if (color.a > 0 && color.a < 255 && !paint.maskTest) {
        // A picture always drawn at the same partial strength (the soft
        // wall shadows) has that strength built into its alpha.
        if (SDL_Texture* faded = backend::FadedFrameTexture(image, frame, color.a)) {
          texture = faded;
          color.a = 255;
        }
      }
    }
    const SDL_FRect dst{topLeft.x, topLeft.y, w * ix, h * jy};
    backend::QueueCopy(texture, dst, color, mode);
    return;
  }
  const SDL_Vertex v[4] = {
      Vertex(topLeft, paint.color, 0, 0),
      Vertex({topLeft.x + w * ix, topLeft.y + w * jx}, paint.color, 1, 0),
      Vertex({topLeft.x + w * ix + h * iy, topLeft.y + w * jx + h * jy}, paint.color, 1, 1),
      Vertex({topLeft.x + h * iy, topLeft.y + h * jy}, paint.color, 0, 1),
  };
  static const int indices[6] = {0, 1, 2, 0, 2, 3};
  if (stretched && clipped) {
    // SDL's software renderer turns a two-triangle rectangle into a scaled
    // copy, which loses small pictures stretched under a clip; one triangle
    // at a time is always rasterised as such.
    backend::QueueGeometry(texture, v, 4, indices, 3, paint.mode);
    backend::QueueGeometry(texture, v, 4, indices + 3, 3, paint.mode);
    return;
  }
  backend::QueueGeometry(texture, v, 4, indices, 6, paint.mode);
}

bool ValidFrame(const TImagePtr& image, int frame) {
  return image && frame >= 0 && frame < image->FrameCount() && image->pixmaps[frame];
}

}  // namespace

void Plot(float x, float y) {
  TPaint paint;
  SDL_Renderer* r = Ready(paint);
  if (!r) return;
  const TDrawState& s = CurrentDrawState();
  backend::QueuePoint(x + s.originX, y + s.originY, paint.color, paint.mode);
}

void DrawLine(float x1, float y1, float x2, float y2) {
  TPaint paint;
  SDL_Renderer* r = Ready(paint);
  if (!r) return;
  const TDrawState& s = CurrentDrawState();
  // The line turns and stretches about its first point.
  const TPoint a = s.Map(0, 0, x1, y1);
  const TPoint b = s.Map(x2 - x1, y2 - y1, x1, y1);
  if (s.lineWidth <= 1.5f) {
    backend::QueueLine(a.x, a.y, b.x, b.y, paint.color, paint.mode);
    return;
  }
  // Wide lines: a quad centred on the pixel centres along the line.
  const float dx = b.x - a.x, dy = b.y - a.y;
  const float len = std::sqrt(dx * dx + dy * dy);
  float nx = 0, ny = s.lineWidth * 0.5f;
  if (len > 0) {
    nx = -dy / len * s.lineWidth * 0.5f;
    ny = dx / len * s.lineWidth * 0.5f;
  }
  const float cx = 0.5f, cy = 0.5f;
  FillPolygon({{a.x + cx + nx, a.y + cy + ny},
               {b.x + cx + nx, b.y + cy + ny},
               {b.x + cx - nx, b.y + cy - ny},
               {a.x + cx - nx, a.y + cy - ny}});
}

void DrawRect(float x, float y, float w, float h) {
  const TDrawState& s = CurrentDrawState();
  const auto c = s.Corners(w, h, s.handleX, s.handleY, x, y);
  FillPolygon({c[0], c[1], c[2], c[3]});
}

void DrawOval(float x, float y, float w, float h) {
  const TDrawState& s = CurrentDrawState();
  const float rx = w * 0.5f, ry = h * 0.5f;
  const float cx = rx - s.handleX, cy = ry - s.handleY;
  const float size = (std::fabs(rx * s.scaleX) + std::fabs(ry * s.scaleY));
  const int segments = std::clamp(static_cast<int>(size), 12, 180);
  std::vector<TPoint> points;
  points.reserve(segments);
  for (int i = 0; i < segments; ++i) {
    const double t = 2 * 3.14159265358979323846 * i / segments;
    points.push_back(s.Map(cx + rx * static_cast<float>(std::cos(t)), cy + ry * static_cast<float>(std::sin(t)), x, y));
  }
  FillPolygon(points);
}

void DrawPoly(const std::vector<float>& xy) {
  const TDrawState& s = CurrentDrawState();
  std::vector<TPoint> points;
  for (size_t i = 0; i + 1 < xy.size(); i += 2) points.push_back(s.Map(xy[i] - s.handleX, xy[i + 1] - s.handleY, 0, 0));
  FillPolygon(points);
}

void DrawImage(const TImagePtr& image, float x, float y, int frame) {
  if (!ValidFrame(image, frame)) return;
  const TDrawState& s = CurrentDrawState();
  const bool turned = s.rotation != 0 || s.scaleX != 1 || s.scaleY != 1;
  if (turned && image->turnStep > 0 && backend::DrawTurnedFrame(image, frame, x, y)) return;
  DrawFrame(*image, frame, s.Map(-image->handle_x, -image->handle_y, x, y), s.ix, s.iy, s.jx, s.jy,
            static_cast<float>(image->width), static_cast<float>(image->height));
}

void DrawImageRect(const TImagePtr& image, float x, float y, float w, float h, int frame) {
  if (!ValidFrame(image, frame) || image->width <= 0 || image->height <= 0) return;
  const TDrawState& s = CurrentDrawState();
  // The frame is stretched to w x h; the handle stays in view pixels.
  const float fx = w / image->width, fy = h / image->height;
  DrawFrame(*image, frame, s.Map(-image->handle_x, -image->handle_y, x, y), s.ix * fx, s.iy * fy, s.jx * fx,
            s.jy * fy, static_cast<float>(image->width), static_cast<float>(image->height));
}

void TileImage(const TImagePtr& image, float x, float y, int frame) {
  if (!ValidFrame(image, frame) || image->width <= 0 || image->height <= 0) return;
  const TDrawState& s = CurrentDrawState();
  const float w = static_cast<float>(image->width), h = static_cast<float>(image->height);
  // Tiles are upright and unscaled; find the first tile at or before the
  // viewport's top-left corner that stays aligned to (x, y).
  const float px = x + s.originX - image->handle_x, py = y + s.originY - image->handle_y;
  const float startX = px - std::ceil((px - s.viewX) / w) * w;
  const float startY = py - std::ceil((py - s.viewY) / h) * h;
  for (float ty = startY; ty < s.viewY + s.viewH; ty += h)
    for (float tx = startX; tx < s.viewX + s.viewW; tx += w) DrawFrame(*image, frame, {tx, ty}, 1, 0, 0, 1, w, h);
}

void DrawPixmap(const TPixmap& pixmap, int x, int y) {
  TPaint paint;
  SDL_Renderer* r = Ready(paint);
  if (!r || pixmap.width <= 0 || pixmap.height <= 0) return;
  SDL_Texture* texture = backend::MakeTexture(pixmap, false, false);
  if (!texture) return;
  const TDrawState& s = CurrentDrawState();
  const SDL_FRect dst{x + s.originX, y + s.originY, static_cast<float>(pixmap.width),
                      static_cast<float>(pixmap.height)};
  // The one-off texture is drawn at once, so it can go straight after.
  backend::QueueCopy(texture, dst, SDL_Color{255, 255, 255, 255}, paint.mode);
  backend::NoteTextureChange(texture);
  SDL_DestroyTexture(texture);
}

// ---- Text ------------------------------------------------------------------

void DrawText(const std::string& text, float x, float y) {
  if (!backend::Renderer()) return;
  const TDrawState& s = CurrentDrawState();
  TImageFontPtr font = GetImageFont();
  // The pen starts at the top-left corner of the line, handle applied.
  TPoint pen{x + s.originX - s.handleX * s.ix - s.handleY * s.iy,
             y + s.originY - s.handleX * s.jx - s.handleY * s.jy};
  NoteDrawnText(text, pen.x, pen.y);
  for (unsigned char ch : text) {
    const TGlyph* glyph = font->Glyph(ch);
    if (!glyph) continue;
    if (glyph->image) {
      const float xo = static_cast<float>(glyph->xOffset), yo = static_cast<float>(glyph->yOffset);
      const TPoint topLeft{pen.x + xo * s.ix + yo * s.iy, pen.y + xo * s.jx + yo * s.jy};
      DrawFrame(*glyph->image, 0, topLeft, s.ix, s.iy, s.jx, s.jy, static_cast<float>(glyph->width),
                static_cast<float>(glyph->height));
    }
    pen.x += glyph->advance * s.ix;
    pen.y += glyph->advance * s.jx;
  }
}

int TextWidth(const std::string& text) {
  TImageFontPtr font = GetImageFont();
  int width = 0;
  for (unsigned char ch : text) {
    const TGlyph* glyph = font->Glyph(ch);
    if (glyph) width += glyph->advance;  // whole pixels: the running sum never needs truncating
  }
  return width;
}

int TextHeight() { return GetImageFont()->Height(); }

// ---- Reading the back buffer -------------------------------------------------

TPixmapPtr GrabPixmap(int x, int y, int w, int h) {
  auto pixmap = std::make_shared<TPixmap>(std::max(w, 0), std::max(h, 0));
  SDL_Renderer* r = backend::Renderer();
  if (!r || w <= 0 || h <= 0) return pixmap;
  // Only the part inside the view can be read; the rest stays transparent.
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min(x + w, GraphicsWidth()), y1 = std::min(y + h, GraphicsHeight());
  if (x1 <= x0 || y1 <= y0) return pixmap;
  TPixmap part(x1 - x0, y1 - y0);
  backend::RunQueue();
  const SDL_Rect rect{x0, y0, part.width, part.height};
  if (SDL_RenderReadPixels(r, &rect, SDL_PIXELFORMAT_RGBA32, part.pixels.data(), part.width * 4) != 0)
    return pixmap;
  for (int row = 0; row < part.height; ++row) {
    for (int col = 0; col < part.width; ++col) {
      uint8_t* dst = pixmap->At(x0 - x + col, y0 - y + row);
      const uint8_t* src = part.At(col, row);
      dst[0] = src[0];
      dst[1] = src[1];
      dst[2] = src[2];
      dst[3] = 255;  // the back buffer is an opaque picture
    }
  }
  return pixmap;
}

void GrabImage(const TImagePtr& image, int x, int y, int frame) {
  if (!image || frame < 0 || frame >= image->FrameCount()) return;
  image->pixmaps[frame] = GrabPixmap(x, y, image->width, image->height);
  image->Invalidate(frame);
}

bool SaveBackBufferPNG(const std::string& path) {
  if (!GraphicsOpen()) return false;
  return SavePixmapPNG(*GrabPixmap(0, 0, GraphicsWidth(), GraphicsHeight()), path);
}

bool SaveBackBufferJPEG(const std::string& path, int quality) {
  if (!GraphicsOpen()) return false;
  return SavePixmapJPEG(*GrabPixmap(0, 0, GraphicsWidth(), GraphicsHeight()), path, quality);
}
