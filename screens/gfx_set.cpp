#include "screens/gfx_set.h"

#include <map>
#include <vector>

#include "platform/graphics.h"
#include "platform/pixmap.h"
#include "platform/pixmap_batch.h"

namespace {

// Start-up goes over the list of pictures twice: the first time only names
// the files, which are then decoded side by side; the second makes the
// images from them. It remembers the first file that failed, so start-up
// can name it.
struct TLoader {
  bool naming = true;
  std::vector<std::string> named;
  std::map<std::string, TPixmapPtr> decoded;
  std::string firstMissing;

  void take(TPixmapBatch& batch) {
    const std::vector<TPixmapPtr> pixmaps = batch.take();
    for (size_t i = 0; i < named.size(); ++i) decoded[named[i]] = pixmaps[i];
    naming = false;
  }
  TImagePtr image(const std::string& path, int flags = -1) {
    if (naming) return name(path);
    return check(LoadImage(decoded[path], flags), path);
  }
  TImagePtr anim(const std::string& path, int w, int h, int count, int flags = -1) {
    if (naming) return name(path);
    return check(LoadAnimImage(decoded[path], w, h, 0, count, flags), path);
  }
  TImagePtr name(const std::string& path) {
    named.push_back(path);
    return nullptr;
  }
  TImagePtr check(TImagePtr img, const std::string& path) {
    if (!img && firstMissing.empty()) firstMissing = path;
    return img;
  }
};

void loadWith(TGfx& g, TLoader& l) {
  g.titleBg = l.image("gfx\\bg_title.png");
  g.mainBg = l.image("gfx\\bg_main.png");
  g.mapBg = l.image("gfx\\bg_map.png");
  g.completeBg = l.image("gfx\\bg_complete.png");
  g.gameTop = l.image("gfx\\game_top.png");
  g.gameSide = l.image("gfx\\game_side.png");
  g.editorTop = l.image("gfx\\editor_top.png");
  g.editorSide = l.image("gfx\\editor_side.png");
  g.gui_menuFrameImg = l.image("gfx\\gui_menuframe.png");
  g.gui_dialogueSmlImg = l.image("gfx\\gui_dialogue_sml.png");
  g.gui_dialogueMedImg = l.image("gfx\\gui_dialogue_med.png");
  g.gui_dialogueLrgImg = l.image("gfx\\gui_dialogue_lrg.png");
  g.gui_dialogueMasImg = l.image("gfx\\gui_dialogue_mas.png");
  // Objects are drawn centred on their cell with the handle 25, 25 into a
  // 60 x 60 cell, leaving room on the right and below for their shadows.
  g.objectImg = l.anim("gfx\\objects.png", 60, 60, 25);
  g.objectShadowImg = l.anim("gfx\\objects_shadows.png", 60, 60, 25);
  if (g.objectImg) SetImageHandle(g.objectImg, 25, 25);
  if (g.objectShadowImg) SetImageHandle(g.objectShadowImg, 25, 25);

  AutoMidHandle(true);
  g.norelImg = l.image("gfx\\logo_norel.png");
  g.arrowImg = l.anim("gfx\\arrows.png", 50, 50, 8);
  g.blockImg = l.anim("gfx\\blocks.png", 50, 50, 25);
  g.shadowImg = l.anim("gfx\\shadows.png", 50, 50, 16);
  g.sparkleImg = l.image("gfx\\sparkle.png");
  g.brickImg = l.anim("gfx\\wall.png", 5, 5, 100);
  g.floorImg = l.anim("gfx\\floor.png", 5, 5, 100);
  g.arrImg = l.image("gfx\\arrow.png");
  g.mapDotImg = l.image("gfx\\map_dot.png");
  g.mapIconsImg = l.anim("gfx\\map_icons.png", 90, 90, 32);
  g.sunIconsImg = l.anim("gfx\\sun_frames.png", 130, 130, 10);
  g.sparkBigImg = l.image("gfx\\spark_big.png", 7);
  g.sparkMedImg = l.image("gfx\\spark_med.png", 7);
  // The sparks turn all the time: in steps of a degree, drawn once each.
  TurnInSteps(g.sparkBigImg, 1);
  TurnInSteps(g.sparkMedImg, 1);
  AutoMidHandle(false);
}

}  // namespace

void TGfx::startLoading() {
  TLoader l;
  loadWith(*this, l);
  decodingPaths_ = l.named;
  decoding_ = std::make_shared<TPixmapBatch>(decodingPaths_, DecodingHelpers());
}

std::string TGfx::load() {
  if (!decoding_) startLoading();
  TLoader l;
  l.named = std::move(decodingPaths_);
  l.take(*decoding_);
  decoding_.reset();
  loadWith(*this, l);
  return l.firstMissing;
}

std::string TGfx::checkLaterPictures() {
  for (const char* path : {"gfx/gui_arrows.png", "gfx/gui_arrTrack.png", "gfx/spark.png"}) {
    if (!LoadPixmap(path)) return path;
  }
  return "";
}
