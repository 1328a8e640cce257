#pragma once
// A room's "about" line, shown as the player enters the room: it fades in
// in the strip under the room's name, stays a few seconds and fades out,
// leaving the room and the name panel's own texts as they are. Hovering the
// name panel shows it again as a tooltip (the in-game screen does that).
#include <cstdint>
#include <string>

class TText;

class TRoomAbout {
 public:
  static constexpr uint32_t kFadeInMs = 600, kHoldMs = 6000, kFadeOutMs = 1200;
  // The strip between the name panel and the room's top edge.
  static constexpr int kRight = 705, kLeft = 10, kY = 76;
  static constexpr int kFont = 4;

  // The room was entered at clock reading now.
  void start(const std::string& line, uint32_t now);
  const std::string& line() const { return line_; }
  // How strongly the line shows at clock reading now: 0..1.
  float alphaAt(uint32_t now) const;
  // Draws the line while it shows, ending at the name panel's right edge
  // (cut to the strip when too long); the caller's font and alpha stay.
  void draw(TText& text, uint32_t now) const;

 private:
  std::string line_;
  uint32_t start_ = 0;
};
