#pragma once
// Small records of a live room: light segments, soft-shadow sprites, emitter
// sparks and the templates of the random room generator.
#include <array>

#include "engine/room_pictures.h"

// One straight segment of a light ray.
struct TLightRay {
  int id = 0;              // order within the current trace, from 1
  int c = 0, r = 0;        // last cell the segment has entered
  int x1 = 0, y1 = 0;      // start pixel
  int x2 = 0, y2 = 0;      // end pixel, moving as the segment grows
  int lr = 0, lg = 0, lb = 0;
  int dx = 0, dy = 0;      // one of (-1,0), (1,0), (0,-1), (0,1)
};

// A soft shadow thrown onto a floor cell by its neighbours.
struct TShadow {
  int x = 0, y = 0;  // centre of the shaded cell
  int shade = 0;     // which neighbours cast it (bits, see kShadowMasks)
  int frame = 0;     // frame of the shadow picture
};

// Shade codes: 1 above, 4 right, 16 below, 64 left; 2 above-right,
// 8 below-right, 32 below-left, 128 above-left. The position of a code in
// this table is its frame in the shadow picture.
constexpr std::array<int, 16> kShadowMasks = {1, 4, 16, 64, 5, 20, 65, 80, 21, 69, 81, 84, 2, 8, 32, 128};

// The rotating light drawn over an emitter: two layers turning opposite ways.
class TSpark {
 public:
  static constexpr float rotInc1 = 0.4f;
  static constexpr float rotInc2 = 0.6f;
  int x = 0, y = 0;
  float scale = 0;
  float angle1 = 0, angle2 = 0;

  TSpark(int atX, int atY);
  void draw(float delta, const TRoomPictures& pictures);
};

// A 3 x 3 template of the random room generator, indexed [column][row].
struct TGrid {
  int gridType = 0;  // 1 corner, 2 edge, 3 middle
  std::array<std::array<int, 3>, 3> block{};
};

struct TGridTile {
  int c = 0, r = 0, dx = 0, dy = 0;
};

// A tip the tutorial should show for the live room: its number, where the box
// goes, and where its arrow points (0, 0 for none).
struct THelpRequest {
  int helpID = 0;
  int x = 0, y = 0;
  int arrowX = 0, arrowY = 0;
};
