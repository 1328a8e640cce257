#pragma once
// The custom game menu's panel on the location being played: a picture of
// its first room (drawn by the room renderer once, then shown smaller), its
// name, its number of rooms, and how far the player has come in it.
#include <string>

#include "platform/image.h"

class TLocationPanel {
 public:
  // The panel's place: the picture, then three lines under it.
  static constexpr int kX = 60, kY = 105, kW = 360, kH = 300;
  static constexpr int kCentreX = kX + kW / 2;

  // The location of the custom game in progress; "" when there is none.
  explicit TLocationPanel(const std::string& locationName);

  // What the lines under the picture say.
  const std::string& name() const { return name_; }
  const std::string& roomsLine() const { return roomsLine_; }
  const std::string& progressLine() const { return progressLine_; }
  bool hasThumbnail() const { return thumbnail_ != nullptr; }

  // Makes the picture, once: the room is drawn in the back buffer, taken
  // and wiped, so call it before anything else of the frame.
  void prepare();
  void draw();

 private:
  std::string name_, roomsLine_, progressLine_;
  bool readable_ = false;
  bool thumbnailTried_ = false;
  TImagePtr thumbnail_;
};
