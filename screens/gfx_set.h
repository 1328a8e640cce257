#pragma once
// Every picture of the game, loaded once at start-up after the display opens.
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"

class TPixmapBatch;

class TGfx {
 public:
  TImagePtr blockImg, objectImg, objectShadowImg, shadowImg, arrowImg, sparkleImg, brickImg, floorImg;
  TImagePtr titleBg, mainBg, completeBg, norelImg;
  TImagePtr gameTop, gameSide, editorTop, editorSide;
  TImagePtr mapBg, mapIconsImg, mapDotImg, sunIconsImg;
  TImagePtr gui_menuFrameImg, gui_dialogueSmlImg, gui_dialogueMedImg, gui_dialogueLrgImg, gui_dialogueMasImg;
  TImagePtr sparkBigImg, sparkMedImg, arrImg;

  // Reads every picture's file and starts decoding them on helper threads,
  // so that start-up can open the display meanwhile.
  void startLoading();
  // Loads every picture (taking what startLoading decoded). Returns the
  // empty string on success, else the path of the first picture that could
  // not be read (the start-up stops on it).
  std::string load();
  // The pictures screens load when they open (the list arrows and their
  // track, the fireworks' spark) are only read here, so a missing one stops
  // the start-up by name instead of leaving a screen without it later.
  // Returns the first that cannot be read, or the empty string.
  static std::string checkLaterPictures();

 private:
  // The pictures startLoading named, decoding in that order.
  std::vector<std::string> decodingPaths_;
  std::shared_ptr<TPixmapBatch> decoding_;
};
