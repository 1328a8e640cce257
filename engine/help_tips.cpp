// Choosing the tutorial tips that apply to the live room and have not been
// seen yet. Tips about a cell or an object point an arrow at the first one
// met, top row first, left to right.
#include "engine/engine.h"

namespace {
constexpr int kTipHowToPlay = 0, kTipSunTimer = 1, kTipHiddenArea = 12, kTipMultipleGlyphs = 17,
              kTipMultiEmitter = 18, kTipMultipleEmitters = 19;
constexpr int kHelpTypeBlock = 1, kHelpTypeObject = 2;
// What each of the twenty tips is about: 0 the room in general, 1 a kind of
// cell, 2 a kind of object.
constexpr int kHelpTypes[] = {0, 0, 1, 2, 2, 2, 2, 2, 1, 2, 2, 2, 0, 2, 1, 1, 2, 0, 0, 0};
}  // namespace

void TEngine::setHelpTips() {
  helpRequests.clear();
  auto unseen = [this](int id) { return !host->helpSeen(id); };
  // Each tip is asked for once, at its first place.
  auto add = [this](int id, int x, int y, int arrowX, int arrowY) {
    for (const THelpRequest& h : helpRequests)
      if (h.helpID == id) return;
    helpRequests.push_back({id, x, y, arrowX, arrowY});
  };
  if (unseen(kTipHowToPlay)) add(kTipHowToPlay, helpX1, helpY1, 0, 0);
  // The arrow points at the sun.
  if (unseen(kTipSunTimer)) add(kTipSunTimer, helpX1, helpY1, 730, 175);

  for (int id = 2; id <= 16; ++id) {
    if (!unseen(id)) continue;
    auto place = [&](float x, float y) {
      const int cx = static_cast<int>(x), cy = static_cast<int>(y);
      add(id, getHelpPosX(cx), getHelpPosY(cy), cx, cy);
    };
    if (kHelpTypes[id] == kHelpTypeBlock) {
      for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
          if (const TBlock* b = cell(c, r); b && b->helpID == id) place(b->x, b->y);
    } else if (kHelpTypes[id] == kHelpTypeObject) {
      for (int i = 1; i <= roomObjects; ++i)
        if (const TObject* o = object(i); o && o->helpID == id) place(o->x, o->y);
    }
  }

  int emitters = 0, glyphs = 0;
  bool multiEmitter = false;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) {
      const TBlock* b = cell(c, r);
      if (!b) continue;
      const int cx = static_cast<int>(b->x), cy = static_cast<int>(b->y);
      if (isEmitter(*b)) {
        if (++emitters >= 2 && unseen(kTipMultipleEmitters)) add(kTipMultipleEmitters, helpX1, helpY1, 0, 0);
        if (getAdjacentLightable(c, r, 1, 1) > 1) multiEmitter = true;
        if (multiEmitter && unseen(kTipMultiEmitter)) add(kTipMultiEmitter, helpX1, helpY1, cx, cy);
      } else if (isGlyph(*b)) {
        if (++glyphs >= 2 && unseen(kTipMultipleGlyphs)) add(kTipMultipleGlyphs, helpX1, helpY1, 0, 0);
      } else if (b->fog != 0 && unseen(kTipHiddenArea)) {
        add(kTipHiddenArea, helpX1, helpY1, cx, cy);
      }
    }
}
