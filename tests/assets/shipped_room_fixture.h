#pragma once
// Drawing shipped rooms with the game's own pictures in a software window:
// the set-up, the room pictures each copy of a room draws with, and the
// rooms of the shipped locations one by one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "app/globals.h"
#include "engine/room_play.h"
#include "platform/graphics.h"
#include "screens/gfx_set.h"
#include "screens/room_engine.h"
#include "tests/support/room_sample.h"
#include "tests/tools/shipped_locations.h"
#include "tools/locmake/location_source.h"

class ShippedRoomTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 0));
    SetBlend(kBlendAlpha);
    savedDir_ = std::filesystem::current_path();
    std::filesystem::current_path(TESMORIA_GAME_DIR);
    savedGfx_ = gfx;
    art_.load();
    ASSERT_TRUE(art_.blockImg && art_.objectImg && art_.objectShadowImg && art_.shadowImg && art_.sparkBigImg);
    gfx = &art_;
    pictures_ = roomPicturesFromGfx(gfx);
  }
  void TearDown() override {
    KeepStillLayers(true);
    gfx = savedGfx_;
    std::filesystem::current_path(savedDir_);
    EndGraphics();
  }

  // Where two pictures differ: the box around the pixels and the largest
  // difference in a channel.
  static std::string differences(const TPixmap& a, const TPixmap& b) {
    int x0 = a.width, y0 = a.height, x1 = -1, y1 = -1, most = 0;
    for (int y = 0; y < std::min(a.height, b.height); ++y)
      for (int x = 0; x < std::min(a.width, b.width); ++x)
        for (int c = 0; c < 3; ++c) {
          const int d = std::abs(a.At(x, y)[c] - b.At(x, y)[c]);
          if (d == 0) continue;
          x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
          most = std::max(most, d);
        }
    return "pixels " + std::to_string(x0) + "," + std::to_string(y0) + " to " + std::to_string(x1) + "," +
           std::to_string(y1) + " differ by up to " + std::to_string(most);
  }

  // The room's pictures as new images with textures of their own. A picture
  // drawn at one strength twice in a row gets that strength built in, which
  // may round a level differently from the first draw: each copy of the room
  // gets its own pictures, so both draw with the same history.
  static TRoomPictures ownPictures(const TRoomPictures& art) {
    auto own = [](const TImagePtr& image) {
      if (!image) return image;
      auto copy = std::make_shared<TImage>(*image);
      copy->textures.reset();
      return TImagePtr(copy);
    };
    TRoomPictures p;
    p.blockImg = own(art.blockImg), p.objectImg = own(art.objectImg);
    p.objectShadowImg = own(art.objectShadowImg), p.shadowImg = own(art.shadowImg);
    p.arrowImg = own(art.arrowImg), p.sparkBigImg = own(art.sparkBigImg), p.sparkMedImg = own(art.sparkMedImg);
    return p;
  }

  // Visits every everyNth-th room of the shipped locations (more sparsely
  // under the sanitizers; see room_sample.h) with its location's name, and
  // returns how many it visited.
  static int forEachShippedRoom(int everyNth, const std::function<void(const TLocation&, int, const std::string&)>& visit) {
    TRoomSample sample(everyNth);
    int rooms = 0;
    for (const char* folder : {"assets/locations", "assets/custom_locations"})
      for (const TLocation& location : locationsIn(folder))
        for (int i = 1; i <= location.roomCount; ++i) {
          if (!sample.takes()) continue;
          visit(location, i, location.name);
          ++rooms;
        }
    return rooms;
  }

  TGfx art_;
  TGfx* savedGfx_ = nullptr;
  TRoomPictures pictures_;
  std::filesystem::path savedDir_;
};
