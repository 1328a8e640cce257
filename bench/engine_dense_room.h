#pragma once
// A dense room for the engine benchmarks: four emitters, ten mirrors, four
// gems and ten other solid objects, lit along sixteen beam segments. The
// game's own pictures are used when the game folder has them, otherwise
// pictures made in code with the same frame sizes.
#include <memory>

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "engine/engine.h"
#include "engine/room_play.h"
#include "engine/still_host.h"
#include "platform/file_system.h"
#include "screens/room_engine.h"
#include "tests/engine/test_pictures.h"

namespace bench_room {

struct TPictures {
  TGfx set;
  bool gameArt = false;

  TPictures() {
    const std::string here = CurrentDir();
    if (ChangeDir(TESMORIA_GAME_DIR)) {
      set.load();
      ChangeDir(here);
    }
    gameArt = set.objectImg && set.blockImg && set.objectShadowImg && set.shadowImg && set.arrowImg &&
              set.sparkBigImg && set.sparkMedImg;
    if (!gameArt) {
      TRoomPictures made;
      {
        test_pictures::TTestGfx test;
        made = test.set;
      }
      set.blockImg = made.blockImg, set.objectImg = made.objectImg;
      set.objectShadowImg = made.objectShadowImg, set.shadowImg = made.shadowImg;
      set.arrowImg = made.arrowImg, set.sparkBigImg = made.sparkBigImg, set.sparkMedImg = made.sparkMedImg;
    }
    gfx = &set;
    test_pictures::currentPictures() = roomPicturesFromGfx(gfx);
  }
  ~TPictures() {
    gfx = nullptr;
    test_pictures::currentPictures() = TRoomPictures();
  }
};

inline std::shared_ptr<TEngine> denseRoom() {
  auto room = std::make_shared<TRoom>();
  room->name = "Dense";
  for (int c = 1; c <= 12; ++c)
    for (int r = 1; r <= 10; ++r) room->blk[c][r] = (c == 1 || c == 12 || r == 1 || r == 10) ? 7 : 1;
  room->blk[1][2] = kBlockEmitter;
  room->blk[12][4] = kBlockEmitter;
  room->blk[7][10] = kBlockEmitter;
  room->blk[12][8] = kBlockEmitter;
  struct TPlaced {
    int c, r, id;
  };
  const TPlaced objects[] = {
      // Mirrors (all stored at angle 0; some are turned below).
      {4, 2, kObjMirror}, {4, 7, kObjMirror}, {2, 7, kObjMirror}, {9, 4, kObjMirror}, {9, 2, kObjMirror},
      {7, 8, kObjMirror}, {3, 8, kObjMirror}, {7, 5, kObjMirror}, {10, 9, kObjMirror}, {11, 6, kObjMirror},
      // Gems.
      {4, 4, kObjRuby}, {5, 8, kObjEmerald}, {10, 5, kObjSaphire}, {6, 6, kObjDiamond},
      // Other solid objects.
      {3, 3, kObjSarcophagus}, {5, 3, kObjSarcophagus}, {8, 3, kObjCrate}, {11, 3, kObjCrate},
      {6, 9, kObjScarab}, {9, 9, kObjSarcophagus}, {2, 9, 7}, {11, 9, 8}, {8, 6, kObjCrate}, {3, 5, 9},
  };
  for (const TPlaced& o : objects) {
    ++room->roomObjects;
    room->obj[room->roomObjects] = {o.c, o.r, o.id};
  }
  TLocation location;
  location.roomCount = 1;
  location.room[1] = room;
  TEnginePtr e = startRoom(location, 1, std::make_shared<TStillHost>(), test_pictures::currentPictures());
  // Turn the mirrors that send light round the room: the 2nd, 3rd (down to
  // left, left to up), 5th, 7th and 8th of the list above.
  for (int i : {2, 5, 7, 8}) e->obj[i]->angle = 90;
  return e;
}

}  // namespace bench_room
