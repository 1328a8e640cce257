#pragma once
// The cross-fade between two screens: the last frame of the old screen blends
// into the first frame of the new one over 51 presented frames, in a short
// blocking loop that presents its frames itself.
#include <array>
#include <functional>

#include "platform/image.h"

class TCrossFade {
 public:
  static constexpr int oldScreen = 0;
  static constexpr int newScreen = 1;
  static constexpr float fadeInc = 0.02f;

  // Full-view snapshots of the old and the new screen.
  std::array<TImagePtr, 2> screenImg;

  // present shows one blended frame (the game sleeps 2 ms and flips paced);
  // the snapshots are made at the current graphics size.
  explicit TCrossFade(std::function<void()> present = {});

  // Copies the whole back buffer into screenImg[index].
  void grabScreen(int index);
  // Grabs the new screen, then blends the old one into it; returns when the
  // new screen is fully shown.
  void fadeIn();

 private:
  std::function<void()> present_;
};
