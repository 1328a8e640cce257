#include "app/gfx_set.h"

#include "platform/graphics.h"
#include "platform/pixmap.h"

namespace {

// Remembers the first file that failed, so start-up can name it.
struct TLoader {
  std::string firstMissing;

  TImagePtr image(const std::string& path, int flags = -1) {
    return check(LoadImage(path, flags), path);
  }
  TImagePtr anim(const std::string& path, int w, int h, int count, int flags = -1) {
    return check(LoadAnimImage(path, w, h, 0, count, flags), path);
  }
  TImagePtr check(TImagePtr img, const std::string& path) {
    if (!img && firstMissing.empty()) firstMissing = path;
    return img;
  }
};

}  // namespace

std::string TGfx::load() {
  TLoader l;
  titleBg = l.image("gfx\\bg_title.png");
  mainBg = l.image("gfx\\bg_main.png");
  mapBg = l.image("gfx\\bg_map.png");
  completeBg = l.image("gfx\\bg_complete.png");
  gameTop = l.image("gfx\\game_top.png");
  gameSide = l.image("gfx\\game_side.png");
  editorTop = l.image("gfx\\editor_top.png");
  editorSide = l.image("gfx\\editor_side.png");
  gui_menuFrameImg = l.image("gfx\\gui_menuframe.png");
  gui_dialogueSmlImg = l.image("gfx\\gui_dialogue_sml.png");
  gui_dialogueMedImg = l.image("gfx\\gui_dialogue_med.png");
  gui_dialogueLrgImg = l.image("gfx\\gui_dialogue_lrg.png");
  gui_dialogueMasImg = l.image("gfx\\gui_dialogue_mas.png");
  // Objects are drawn centred on their cell with the handle 25, 25 into a
  // 60 x 60 cell, leaving room on the right and below for their shadows.
  objectImg = l.anim("gfx\\objects.png", 60, 60, 25);
  objectShadowImg = l.anim("gfx\\objects_shadows.png", 60, 60, 25);
  if (objectImg) SetImageHandle(objectImg, 25, 25);
  if (objectShadowImg) SetImageHandle(objectShadowImg, 25, 25);

  AutoMidHandle(true);
  norelImg = l.image("gfx\\logo_norel.png");
  arrowImg = l.anim("gfx\\arrows.png", 50, 50, 8);
  blockImg = l.anim("gfx\\blocks.png", 50, 50, 25);
  shadowImg = l.anim("gfx\\shadows.png", 50, 50, 16);
  sparkleImg = l.image("gfx\\sparkle.png");
  brickImg = l.anim("gfx\\wall.png", 5, 5, 100);
  floorImg = l.anim("gfx\\floor.png", 5, 5, 100);
  arrImg = l.image("gfx\\arrow.png");
  mapDotImg = l.image("gfx\\map_dot.png");
  mapIconsImg = l.anim("gfx\\map_icons.png", 90, 90, 32);
  sunIconsImg = l.anim("gfx\\sun_frames.png", 130, 130, 10);
  sparkBigImg = l.image("gfx\\spark_big.png", 7);
  sparkMedImg = l.image("gfx\\spark_med.png", 7);
  // The sparks turn all the time: in steps of a degree, drawn once each.
  TurnInSteps(sparkBigImg, 1);
  TurnInSteps(sparkMedImg, 1);
  AutoMidHandle(false);
  return l.firstMissing;
}

std::string TGfx::checkLaterPictures() {
  for (const char* path : {"gfx/gui_arrows.png", "gfx/gui_arrTrack.png", "gfx/spark.png"}) {
    if (!LoadPixmap(path)) return path;
  }
  return "";
}
