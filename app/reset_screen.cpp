#include "app/reset_screen.h"

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "platform/clock.h"
#include "platform/graphics.h"

TReset::TReset() : timer(static_cast<int>(MilliSecs())) { musicTrack = kMusicSilence; }

void TReset::update() {
  if (gfx && gfx->mainBg) DrawImage(gfx->mainBg, 0, 0);
  if (static_cast<int>(MilliSecs() - static_cast<uint32_t>(timer)) > pauseMs) gameState = kScreenGame;
}
