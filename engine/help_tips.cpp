// Choosing the tutorial tips that apply to the live room and have not been
// seen yet. Tips about a cell or an object point an arrow at the first one
// met, top row first, left to right.
#include "engine/engine.h"

namespace {
constexpr int kTipHowToPlay = 0, kTipSunTimer = 1, kTipHiddenArea = 12, kTipMultipleGlyphs = 17,
              kTipMultiEmitter = 18, kTipMultipleEmitters = 19;
constexpr int kHelpTypeBlock = 1, kHelpTypeObject = 2;
}  // namespace

void TEngine::setHelpTips() {
  tutorial.messageQ.clear();
  auto unseen = [this](int id) { return !host->helpSeen(id); };
  if (unseen(kTipHowToPlay)) tutorial.addMessage(kTipHowToPlay, helpX1, helpY1, 0, 0, 0);
  // The arrow points at the sun.
  if (unseen(kTipSunTimer)) tutorial.addMessage(kTipSunTimer, helpX1, helpY1, 730, 175, 0);

  for (int id = 2; id <= 16; ++id) {
    if (!unseen(id)) continue;
    auto place = [&](float x, float y) {
      const int cx = static_cast<int>(x), cy = static_cast<int>(y);
      tutorial.addMessage(id, getHelpPosX(cx), getHelpPosY(cy), cx, cy, 0);
    };
    if (tutorial.helpInfo[id].helpType == kHelpTypeBlock) {
      for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
          if (const TBlock* b = cell(c, r); b && b->helpID == id) place(b->x, b->y);
    } else if (tutorial.helpInfo[id].helpType == kHelpTypeObject) {
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
        if (++emitters >= 2 && unseen(kTipMultipleEmitters))
          tutorial.addMessage(kTipMultipleEmitters, helpX1, helpY1, 0, 0, 0);
        if (getAdjacentLightable(c, r, 1, 1) > 1) multiEmitter = true;
        if (multiEmitter && unseen(kTipMultiEmitter)) tutorial.addMessage(kTipMultiEmitter, helpX1, helpY1, cx, cy, 0);
      } else if (isGlyph(*b)) {
        if (++glyphs >= 2 && unseen(kTipMultipleGlyphs))
          tutorial.addMessage(kTipMultipleGlyphs, helpX1, helpY1, 0, 0, 0);
      } else if (b->fog != 0 && unseen(kTipHiddenArea)) {
        tutorial.addMessage(kTipHiddenArea, helpX1, helpY1, cx, cy, 0);
      }
    }
  tutorial.refreshHelpTips = 0;
}
