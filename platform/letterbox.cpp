#include "platform/letterbox.h"

#include <cmath>

TLetterbox MakeLetterbox(int windowW, int windowH, int outputW, int outputH, int viewW, int viewH) {
  TLetterbox box;
  box.viewW = viewW;
  box.viewH = viewH;
  box.w = outputW;
  box.h = outputH;
  if (windowW > 0 && windowH > 0 && outputW > 0 && outputH > 0) {
    box.outPerWindowX = static_cast<float>(outputW) / windowW;
    box.outPerWindowY = static_cast<float>(outputH) / windowH;
  }
  if (outputW <= 0 || outputH <= 0 || viewW <= 0 || viewH <= 0) return box;
  if (static_cast<long long>(outputW) * viewH > static_cast<long long>(outputH) * viewW) {
    box.w = static_cast<int>(static_cast<long long>(outputH) * viewW / viewH);
    box.x = (outputW - box.w) / 2;
  } else {
    box.h = static_cast<int>(static_cast<long long>(outputW) * viewH / viewW);
    box.y = (outputH - box.h) / 2;
  }
  return box;
}

void TLetterbox::ToView(int wx, int wy, int& vx, int& vy) const {
  if (w <= 0 || h <= 0) {
    vx = wx;
    vy = wy;
    return;
  }
  // The view pixel under the centre of the window pixel.
  vx = static_cast<int>(std::floor(((wx + 0.5f) * outPerWindowX - x) * viewW / w));
  vy = static_cast<int>(std::floor(((wy + 0.5f) * outPerWindowY - y) * viewH / h));
}

void TLetterbox::ToWindow(int vx, int vy, int& wx, int& wy) const {
  if (viewW <= 0 || viewH <= 0) {
    wx = vx;
    wy = vy;
    return;
  }
  wx = static_cast<int>((x + (vx + 0.5f) * w / viewW) / outPerWindowX);
  wy = static_cast<int>((y + (vy + 0.5f) * h / viewH) / outPerWindowY);
}
