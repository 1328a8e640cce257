#include "platform/changed_rects.h"

#include <algorithm>

namespace backend {

namespace {

// Rectangles this close are drawn as one: a pass over the frame's commands
// costs more than the few pixels between them.
constexpr int kJoinGap = 8;
// More changed commands than this: the frame is drawn whole at once.
constexpr size_t kMostChangedMarks = 256;

bool empty(const SDL_Rect& r) { return r.w <= 0 || r.h <= 0; }

SDL_Rect grown(const SDL_Rect& r, int by) { return SDL_Rect{r.x - by, r.y - by, r.w + 2 * by, r.h + 2 * by}; }

// Joins rectangles that meet or nearly meet until none do; then widens each
// to take in whole every inexact command reaching into it, and joins again.
void settle(std::vector<SDL_Rect>& rects, const std::vector<TCommandMark>& next) {
  bool changed = true;
  while (changed) {
    changed = false;
    for (size_t i = 0; i < rects.size(); ++i)
      for (size_t j = i + 1; j < rects.size(); ++j)
        if (RectsMeet(grown(rects[i], kJoinGap), rects[j])) {
          rects[i] = RectUnion(rects[i], rects[j]);
          rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
          j = i;  // look again from the start with the larger rectangle
          changed = true;
        }
    for (SDL_Rect& r : rects)
      for (const TCommandMark& m : next)
        if (!m.exact && !empty(m.bounds) && RectsMeet(m.bounds, r) && !RectInside(m.bounds, r)) {
          r = RectUnion(r, m.bounds);
          changed = true;
        }
  }
}

}  // namespace

bool RectsMeet(const SDL_Rect& a, const SDL_Rect& b) {
  return !empty(a) && !empty(b) && a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool RectInside(const SDL_Rect& inner, const SDL_Rect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
         inner.y + inner.h <= outer.y + outer.h;
}

SDL_Rect RectUnion(const SDL_Rect& a, const SDL_Rect& b) {
  if (empty(a)) return b;
  if (empty(b)) return a;
  const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
  const int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
  return SDL_Rect{x0, y0, x1 - x0, y1 - y0};
}

bool FindChangedRects(const std::vector<TCommandMark>& shown, const std::vector<TCommandMark>& next, int viewW,
                      int viewH, std::vector<SDL_Rect>& rects) {
  rects.clear();
  std::vector<SDL_Rect> raw;
  auto add = [&](const TCommandMark& m) {
    if (!empty(m.bounds)) raw.push_back(m.bounds);
  };
  if (shown.size() == next.size()) {
    // The usual frame: the same commands, some moved or changed in place.
    for (size_t i = 0; i < next.size(); ++i)
      if (shown[i].hash != next[i].hash) add(shown[i]), add(next[i]);
  } else {
    // Commands came or went: all between the common start and end changed.
    size_t head = 0;
    while (head < shown.size() && head < next.size() && shown[head].hash == next[head].hash) ++head;
    size_t tail = 0;
    while (tail < shown.size() - head && tail < next.size() - head &&
           shown[shown.size() - 1 - tail].hash == next[next.size() - 1 - tail].hash)
      ++tail;
    for (size_t i = head; i < shown.size() - tail; ++i) add(shown[i]);
    for (size_t i = head; i < next.size() - tail; ++i) add(next[i]);
  }
  if (raw.size() > kMostChangedMarks) return false;
  const SDL_Rect view{0, 0, viewW, viewH};
  for (SDL_Rect& r : raw) {
    SDL_Rect cut;
    if (SDL_IntersectRect(&r, &view, &cut)) rects.push_back(cut);
  }
  settle(rects, next);
  int64_t area = 0;
  for (SDL_Rect& r : rects) {
    SDL_Rect cut{};
    SDL_IntersectRect(&r, &view, &cut);
    r = cut;
    area += static_cast<int64_t>(r.w) * r.h;
  }
  if (rects.size() > static_cast<size_t>(kMostChangedRects)) return false;
  return area * 100 <= static_cast<int64_t>(viewW) * viewH * kMostChangedShare;
}

}  // namespace backend
