#pragma once
// The display: the fixed 800 x 600 picture in a resizable window (scaled and
// letterboxed) or on the desktop's full screen, as the settings ask. It opens
// the display, reopens it when the settings change, and presents each frame.
#include <string>

class TScreen {
 public:
  static constexpr int hertz = 60;
  static constexpr int jpegQuality = 85;

  // (Re)opens the display: windowed when options.screenD is 0, else full
  // screen. Pictures loaded before survive it.
  void setRes();
  // Last step of every frame: F12 screenshot, then the flip.
  void update();
  // Writes "grab<clock>.jpg" into the program's folder; returns its name, or
  // "" when it could not be written.
  std::string save();
  // Keeps the window's place and size for the next run (see
  // data/window_place_file.h), then closes the display.
  void close();
  void rememberWindowPlace();
};

// "Tesmoria - Release 1.1".
std::string windowTitle();
