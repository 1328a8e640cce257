#include "screens/score_screen.h"

#include "screens/gfx_set.h"
#include "audio/sfx_set.h"
#include "data/options.h"
#include "data/pack.h"
#include "data/profile.h"
#include "effects/effects.h"
#include "screens/game_host.h"
#include "screens/room_engine.h"
#include "platform/graphics.h"
#include "platform/random.h"
#include "widgets/button.h"
#include "widgets/text.h"

std::unique_ptr<TScoreScreen> TScoreScreen::create(const TScreenKit& kit, int type) {
  return std::make_unique<TScoreScreen>(kit, type);
}

TScoreScreen::TScoreScreen(const TScreenKit& kit, int type) : TScreenKit(kit), scoreType(type) {
  musicTrack = kMusicSilence;
  for (int i = 1; i <= 3; ++i)
    fireworkSnd[static_cast<size_t>(i)] =
        LoadSound(openPackStream("firework" + std::to_string(i) + ".wav", "data1.dat", packKey), 0);
  fireworks = TFireworks::create("gfx\\spark.png");
  if (profile) showMapText = profile->showMapMessage;
}

TScoreScreen::~TScoreScreen() {
  if (fireworks) fireworks->destroy();
}

void TScoreScreen::update() {
  const TImagePtr background = gfx ? (scoreType == kScreenGameComplete ? gfx->completeBg : gfx->mainBg) : nullptr;
  if (background) DrawImage(background, 0, 0, 0);
  if (text) text->setFont(1);
  switch (scoreType) {
    case kScreenOutOfTime: outOfTime(); break;
    case kScreenRoomComplete: replay ? watchReplay() : endRoom(); break;
    case kScreenLocationComplete: endLocation(); break;
    case kScreenGameComplete: endGame(); break;
    default: break;
  }
}

void TScoreScreen::playTuneOnce(int tune) {
  if (musicPlayed) return;
  musicPlayed = 1;
  if (sfx && sfx->endTunes) sfx->endTunes->play(tune);
}

namespace {
void title(const TScreenKit& kit, const char* heading) {
  if (!kit.text) return;
  kit.text->setFont(7);
  kit.text->draw(heading, 400, TScoreScreen::yTitle, true, true);
  kit.text->setFont(1);
}

void centred(const TScreenKit& kit, const std::string& line, int y, bool outlined = false) {
  if (kit.text) kit.text->draw(line, 400, static_cast<float>(y), true, outlined);
}
}  // namespace

void TScoreScreen::label(const char* name, int y, const std::string& value, bool outlined) {
  if (!text) return;
  text->draw(name, x1, static_cast<float>(y), false, outlined);
  text->draw(value, x2, static_cast<float>(y), true, outlined);
}

std::string TScoreScreen::withPar(int moves) const {
  std::string line = std::to_string(moves);
  if (profile && profile->lastRoomPar >= 0) line += " (par " + std::to_string(profile->lastRoomPar) + ")";
  return line;
}

void TScoreScreen::movesLine(int y, bool outlined) {
  if (profile && profile->lastRoomMoves >= 0) label("Moves", y, withPar(profile->lastRoomMoves), outlined);
}

std::string TScoreScreen::hintsBought() const {
  if (!profile || profile->lastRoomHints <= 0) return "None";
  return std::to_string(profile->lastRoomHints) + " (cost " + std::to_string(profile->lastRoomHintCoins) + ")";
}

bool TScoreScreen::button(const char* name, int x) {
  return buttons && buttons->draw(name, x, yButton, 1) == kButtonActivated;
}

void TScoreScreen::outOfTime() {
  playTuneOnce(3);
  title(*this, "OUT OF TIME");
  centred(*this, "All items & money found in this room have been lost.", y1);
  if (!profile || profile->locStatus.lives >= 0) {
    if (button("MAIN MENU", 200)) gameState = kScreenMainMenu;
    if (button("TRY AGAIN", 600)) gameState = kScreenGame;
    return;
  }
  centred(*this, "You have run out of lives.", y3);
  if (text) {
    text->setFont(7);
    text->draw("GAME OVER", 400, y5, true, false);
    text->setFont(1);
  }
  if (button("CONTINUE", 400)) gameState = kScreenHighScores;
}

void TScoreScreen::endRoom() {
  playTuneOnce(0);
  title(*this, "ROOM COMPLETE");
  if (profile) {
    label("Money This Room", y1, std::to_string(profile->roomStatus.money));
    label("Total Score", y2, std::to_string(profile->locStatus.money));
    movesLine(y3);
    if (profile->lastRoomBest >= 0) label("Best", y4, withPar(profile->lastRoomBest));
    if (profile->lastRoomMoves >= 0) label("Hints Bought", yHints, hintsBought());
    if (profile->lastRoomBest >= 0 && profile->lastRoomNewBest) centred(*this, "New best!", yNewBest, true);
  }
  if (button("MAIN MENU", 200)) gameState = kScreenMainMenu;
  if (button("CONTINUE", 600)) gameState = kScreenGame;
  if (profile && profile->lastRoom > 0 && button("WATCH", 400))
    replay = TSolutionReplay::create(profile->lastRoomLocation, profile->lastRoom, gameHost(*this), roomPicturesFromGfx(gfx));
}

void TScoreScreen::watchReplay() {
  replay->update();
  if (text && text->setFont(3)) {
    text->draw("Move " + std::to_string(replay->movesShown()) + " of " + std::to_string(replay->moveCount()), 704, 130,
               true, true);
    text->setFont(1);
  }
  if (buttons && buttons->draw("BACK", 755, 26, 2) == kButtonActivated) replay.reset();
}

void TScoreScreen::endLocation() {
  playTuneOnce(1);
  title(*this, "LOCATION COMPLETE");
  if (profile) {
    label("Money This Room", y1, std::to_string(profile->roomStatus.money));
    label("Time Bonus", y2, std::to_string(profile->locStatus.getTimeBonus()));
    label("Total Score", y3, std::to_string(profile->locStatus.money));
    // The last room's moves stay in sight, under the maps when they show.
    movesLine(showMapText ? yHints : y4);
    if (showMapText) {
      label("Total Maps", y4, std::to_string(profile->locStatus.maps) + "/4");
      if (profile->locStatus.maps >= 4) {
        profile->showMapMessage = 0;
        centred(*this, "All maps found - secret location revealed!", y5);
      }
    }
  }
  if (button("MAIN MENU", 200)) gameState = kScreenMainMenu;
  if (button("CONTINUE", 600)) gameState = kScreenMap;
}

void TScoreScreen::endGame() {
  playTuneOnce(2);
  title(*this, "CONGRATULATIONS");
  const bool campaign = !profile || profile->gameType == kGameCampaign;
  centred(*this, campaign ? "You have completed every location" : "Location completed", y0, true);
  if (profile) {
    label("Money This Room", y1, std::to_string(profile->roomStatus.money), true);
    label("Time Bonus", y2, std::to_string(profile->locStatus.getTimeBonus()), true);
    label("Ankh Bonus", y3, std::to_string(50 * profile->locStatus.lives), true);
    label("Completion Bonus", y4, "500", true);
    movesLine(yHints + 20, true);
    label("Total Score", y5, std::to_string(profile->locStatus.money), true);
  }
  if (button("CONTINUE", 400)) {
    gameState = kScreenHighScores;
    fireworks->destroy();
  }
  // New bursts grow rarer while many sparks are alive.
  if (Rand(1, 1000) + sparkCount < 50) {
    fireworks->add(static_cast<float>(Rand(-100, 100)), static_cast<float>(Rand(-100, 100)), 500, 0.1f);
    const TSoundPtr& bang = fireworkSnd[static_cast<size_t>(Rand(1, 3))];
    if (bang) {
      TChannelPtr channel = CueSound(bang);
      SetChannelVolume(channel, options ? options->soundVol : 1.0f);
      ResumeChannel(channel);
    }
  }
  sparkCount = fireworks->update(frameDelta()) / 25;
}
