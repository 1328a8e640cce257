#include "platform/draw_state.h"

#include <cmath>

void TDrawState::UpdateTransform() {
  // Degrees, positive turning clockwise on screen because y grows downwards.
  const double rad = rotation * 3.14159265358979323846 / 180.0;
  const double c = std::cos(rad), s = std::sin(rad);
  ix = static_cast<float>(c * scaleX);
  iy = static_cast<float>(-s * scaleY);
  jx = static_cast<float>(s * scaleX);
  jy = static_cast<float>(c * scaleY);
}

TDrawState& CurrentDrawState() {
  // Per thread, like the collision layers: a worker tracing light sees the
  // plain state, never the game's drawing half-way through a frame.
  thread_local TDrawState state;
  return state;
}
