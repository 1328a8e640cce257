#include "app/intro_screen.h"

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "app/shell_services.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"

TIntroScreen::TIntroScreen() { musicTrack = kMusicSilence; }

void TIntroScreen::update() {
  SetColor(255, 255, 255);
  DrawRect(0, 0, kViewWidth, kViewHeight);
  if (gfx && gfx->norelImg) DrawImage(gfx->norelImg, kViewWidth / 2, kViewHeight / 2, 0);
  shellHidePointerThisFrame();
  int shown = static_cast<int>(MilliSecs() - static_cast<uint32_t>(introStart));
  if (shown > showMs || MouseHit(1) > 0) gameState = kScreenMainMenu;
}
