#include "platform/window_place.h"

#include <SDL.h>

#include <algorithm>

#include "platform/graphics_backend.h"

namespace {

constexpr Uint32 kNoPlaceFlags = SDL_WINDOW_FULLSCREEN | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_MINIMIZED |
                                 SDL_WINDOW_MAXIMIZED;

bool onSomeDisplay(int x, int y) {
  const SDL_Point corner{x, y};
  const int displays = SDL_GetNumVideoDisplays();
  for (int i = 0; i < displays; ++i) {
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(i, &bounds) == 0 && SDL_PointInRect(&corner, &bounds)) return true;
  }
  return false;
}

}  // namespace

bool GetWindowPlace(TWindowPlace& place) {
  SDL_Window* window = backend::Window();
  if (!window || (SDL_GetWindowFlags(window) & kNoPlaceFlags) != 0) return false;
  SDL_GetWindowPosition(window, &place.x, &place.y);
  SDL_GetWindowSize(window, &place.width, &place.height);
  return place.width > 0 && place.height > 0;
}

void SetWindowPlace(const TWindowPlace& place) {
  SDL_Window* window = backend::Window();
  if (!window || (SDL_GetWindowFlags(window) & kNoPlaceFlags) != 0) return;
  if (place.width > 0 && place.height > 0) {
    int minW = 0, minH = 0;
    SDL_GetWindowMinimumSize(window, &minW, &minH);
    int width = std::max(place.width, minW), height = std::max(place.height, minH);
    // Never larger than the display the window is on.
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(std::max(SDL_GetWindowDisplayIndex(window), 0), &usable) == 0 && usable.w > 0 &&
        usable.h > 0) {
      width = std::min(width, std::max(usable.w, minW));
      height = std::min(height, std::max(usable.h, minH));
    }
    SDL_SetWindowSize(window, width, height);
  }
  if (onSomeDisplay(place.x, place.y)) SDL_SetWindowPosition(window, place.x, place.y);
}
