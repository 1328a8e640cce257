// The in-game pause: the frame is frozen and faded out while the game waits
// for P, for the window to come back, or for an answer to the confirmation
// box, then faded back in and the confirmed action applied.
#include "screens/gfx_set.h"
#include "data/options.h"
#include "data/profile.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "screens/game_screen.h"
#include "widgets/mouse.h"
#include "widgets/text.h"

namespace {
constexpr float kFadeStep = 0.02f;
}  // namespace

void TGame::pause(float alpha) {
  suspendApp = AppSuspended() ? 1 : 0;
  shell.pauseAllSound();
  // The hum of lit glyphs too; the engine starts it again while they glow.
  silenceGlyphs();
  pauseImg = CreateImage(800, 600, 1);
  if (pauseImg) {
    SetImageHandle(pauseImg, 0, 0);
    GrabImage(pauseImg, 0, 0);
  }
  continueGame = 0;
  float a = 1.0f;
  do {
    if (!shell.beforeModalFrame()) PostEvent(kEventAppTerminate);
    if (a >= alpha) a -= kFadeStep;
    drawPause(a);
    if (AppTerminate()) {
      gameState = kScreenQuit;
      break;
    }
    if (suspendApp) {
      if (!AppSuspended()) continueGame = 1;
    } else if (!dialogue && KeyHit('P') > 0) {
      continueGame = 1;
    }
    shell.presentModalFrame();
  } while (continueGame == 0 && gameState != kScreenQuit);

  // Closing the window ends the pause at once, even in the frame in which
  // the confirmation was answered: nothing is applied and sounds stay paused.
  if (continueGame && gameState != kScreenQuit) {
    for (float fade = alpha; fade < 1.0f; fade += kFadeStep) {
      drawPause(fade);
      shell.presentModalFrame();
    }
    applyPendingStatus();
    pendingStatus = kPendingNone;
    shell.resumeAllSound(musicTrack != kMusicSilence);
  }
  dialogue.reset();
  FlushKeys();
  shell.restartFrameClock();
  if (profile) profile->resetTimer();
}

void TGame::silenceGlyphs() {
  if (!engine || !engine->host) return;
  for (const TChannelPtr& channel : engine->glyphCh)
    if (channel) engine->host->pauseGlyphChannel(channel);
}

void TGame::applyPendingStatus() {
  if (!profile) return;
  switch (pendingStatus) {
    case kScreenRoomRestart:
      // The abandoned attempt's time still counts against the sun; the
      // restart interlude (already chosen) builds the room afresh.
      profile->locStatus.timer = clampToInt(int64_t{profile->locStatus.timer} + profile->roomStatus.timer);
      profile->newRoom = 1;
      // Undo after the reset brings back the room as it was before it.
      history.recordReset(*engine);
      break;
    case kScreenMap:
      profile->reset();
      gameState = profile->gameType == kGameCampaign ? kScreenMap : kScreenCustomMenu;
      break;
    case kPendingSkip:
      // Everything found in the room is lost; its time is kept.
      profile->locStatus.lives -= 1;
      profile->roomStatus.money = profile->roomStatus.lives = profile->roomStatus.maps = 0;
      skipRoom = 1;
      gameState = kScreenGame;
      break;
    default:
      break;
  }
}

void TGame::drawPause(float alpha) {
  Cls();
  if (pauseImg) {
    SetAlpha(alpha);
    DrawImage(pauseImg, 0, 0);
  }
  SetAlpha(1);
  if (!dialogue) {
    if (text) {
      text->setFont(7);
      text->draw("Game Paused", 400, 270, true);
      text->setFont(1);
      text->draw(suspendApp ? "Click to continue" : "Press 'P' to continue", 400, 330, true);
    }
  } else if (continueGame == 0) {
    const int result = dialogue->update();
    if (result == 1) {
      gameState = pendingStatus;
      continueGame = 1;
    } else if (result == 2) {
      pendingStatus = kPendingNone;
      continueGame = 1;
    }
  }
  if (mouse) mouse->update();
}
