#include "app/effects_kit.h"

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "audio/sfx_set.h"
#include "widgets/text.h"

namespace {
constexpr int kFloatingTextFont = 6;
constexpr int kBurstSound = 4;  // "fx_explosion"
}  // namespace

TEffectsKit gameEffectsKit() {
  TEffectsKit kit;
  if (gfx) {
    kit.sparkle = &gfx->sparkleImg;
    kit.wallBricks = &gfx->brickImg;
    kit.floorBricks = &gfx->floorImg;
  }
  kit.drawText = [](const std::string& line, float x, float y, float alpha) {
    if (!text) return;
    text->setFont(kFloatingTextFont);
    text->draw(line, x, y, true, false, alpha, 0);
  };
  kit.playBurst = [] {
    if (sfx && sfx->sounds) sfx->sounds->play(kBurstSound);
  };
  kit.delta = [] { return frameDelta(); };
  return kit;
}
