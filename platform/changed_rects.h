#pragma once
// Which parts of the view a frame changed. Every drawing command of a frame
// leaves a mark: a hash of what it draws and the rectangle it can touch. Two
// frames' marks, compared in order, give the rectangles whose pixels may
// differ; a frame is then drawn and shown only there. Pure arithmetic on
// rectangles, so it is tested without a display.
#include <SDL_rect.h>

#include <cstdint>
#include <vector>

namespace backend {

struct TCommandMark {
  uint64_t hash = 0;
  SDL_Rect bounds{};   // every pixel the command can change (may be empty)
  bool exact = true;   // drawn clipped to any rectangle, it paints there what it paints unclipped
};

// Beyond this share of the view (in percent), drawing the whole frame costs
// less than drawing it in parts.
constexpr int kMostChangedShare = 50;
// Beyond this many rectangles, likewise.
constexpr int kMostChangedRects = 48;

// Fills rects with the parts of a view viewW x viewH that differ between the
// frame shown (its marks) and the next frame; false when the whole view must
// be drawn. A command that cannot be clipped exactly (scaled, turned, lines)
// and reaches into a rectangle lies wholly inside it, so no rectangle cuts
// one through. An empty list means no pixel changed.
bool FindChangedRects(const std::vector<TCommandMark>& shown, const std::vector<TCommandMark>& next, int viewW,
                      int viewH, std::vector<SDL_Rect>& rects);

bool RectsMeet(const SDL_Rect& a, const SDL_Rect& b);
bool RectInside(const SDL_Rect& inner, const SDL_Rect& outer);
SDL_Rect RectUnion(const SDL_Rect& a, const SDL_Rect& b);

}  // namespace backend
