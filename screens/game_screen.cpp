// Building the room for the in-game screen, running one frame of it, and
// ending the room: solved, skipped or out of time.
#include "screens/game_screen.h"
#include "widgets/mouse.h"

#include "screens/gfx_set.h"
#include "data/high_scores.h"
#include "data/options.h"
#include "data/player_notice.h"
#include "data/profile.h"
#include "data/room_records.h"
#include "effects/effects.h"
#include "engine/room_play.h"
#include "platform/input.h"
#include "screens/game_host.h"
#include "screens/room_engine.h"

namespace {

constexpr int kSunset = 9;  // the last sun frame: the location's time is up

std::string makeLevelName(const TEngine& engine) {
  const std::string number = std::to_string(engine.location.curRoom);
  std::string name = "Room " + number + " of " + std::to_string(engine.location.roomCount);
  // Rooms still carrying their default name show the number alone.
  if (engine.roomName != "Room " + number) name += ": " + engine.roomName;
  return name;
}

}  // namespace

const TMapLocation& TGame::currentLocation() const {
  // A slot outside the map reads as the unused slot 0, never past the table.
  const int slot = profile->curLoc >= 0 && profile->curLoc < static_cast<int>(profile->locs.size()) ? profile->curLoc
                                                                                                      : 0;
  return profile->locs[static_cast<size_t>(slot)];
}

TGame::TGame(const TScreenKit& kit) : TScreenKit(kit) {
  musicTrack = kMusicRandom;
  FlushKeys();
  if (gfx && gfx->gui_dialogueSmlImg) diagX = 400 - gfx->gui_dialogueSmlImg->width / 2;
  if (gfx && gfx->gui_dialogueLrgImg) diagY = 300 - gfx->gui_dialogueLrgImg->height / 2;

  engine = createScreenEngine(*this, profile ? currentLocation().name : std::string());
  engine->setOffset(TEngine::kPlayX, TEngine::kPlayY);
  attachTutorial(*engine, tutorial);
  session.follow(*engine, [this](const TRoomMove&) { acknowledgeTip(tutorial); });
  const bool freshRoom = !profile || profile->newRoom;
  if (profile && profile->newRoom) profile->roomStatus = TStatus();
  engine->createRoom(profile ? profile->curRoom : 1, 1.0f);
  bool roomChanged = false;
  if (profile && profile->newRoom) {
    profile->newRoom = 0;
  } else if (profile && !setEngineObjects()) {
    // The location was edited since this game was saved: the room starts
    // again as it is now, and its takings and history go with the old one.
    roomChanged = true;
    profile->roomStatus = TStatus();
    reportChangedLocation(currentLocation().name, profile->curRoom);
  }
  levelName = makeLevelName(*engine);
  loadHistory(freshRoom || roomChanged);
  if (roomChanged) history.clear();
  setUpAids();
  if (profile) profile->roomCount = engine->location.roomCount;
  if (highScores && profile)
    highScores->location = profile->gameType == kGameCampaign ? "Campaign" : currentLocation().name;

  queueHelpTips(*engine, tutorial);
  if (profile) profile->resetTimer();
  if (options) options->played = 1;
}

// The glyphs' channels belong to this room; none hums on after it.
TGame::~TGame() { silenceGlyphs(); }

void TGame::update() {
  const int gameCompleteBefore = profile ? profile->gameComplete : 0;
  const int sunFrame = profile ? profile->sunTimer() : 0;
  drawRoomAndHud(sunFrame);
  endRoomIfDone(sunFrame);
  offerHighScore(gameCompleteBefore);
  updateButtons();

  if ((KeyHit('P') > 0 && textInputActive == 0) || AppSuspended()) pause(0.0f);

  if (pendingStatus != kPendingNone) {
    dialogue = TDialogue::Create(diagX, diagY, 25, gfx ? gfx->gui_dialogueSmlImg : nullptr, dialogueText, mouse, text,
                                 2);
    if (pendingStatus == kPendingNotice)
      dialogue->setButtons(buttons, 2, 25, "OK", "");
    else
      dialogue->setButtons(buttons, 2, 25, "YES", "NO");
    pause(0.0f);
  } else {
    runTips();
    undoRedoKeys();
    updateAids();
    if (mouse) session.cursorKeys(*engine, *mouse, textInputActive != 0);
  }
  collectItems();
  // Tips go over everything the frame drew, buttons and tips of the tutorial too.
  if (tips_) tips_->drawShown();
}

bool TGame::onlyAmbientMotion() const {
  return engine && roomAtRest(*engine) && !(effects && effects->anyRunning());
}

void TGame::endRoomIfDone(int sunFrame) {
  if (!profile) return;
  TStatus& room = profile->roomStatus;
  TStatus& game = profile->locStatus;
  if (sunFrame >= kSunset) {
    game.lives -= 1;
    profile->locs[0].time = clampToInt(int64_t{profile->locs[0].time} + room.timer + game.timer);
    game.timer = 0;
    if (game.lives < 0)
      profile->gameComplete = 1;
    else
      profile->newRoom = 1;
    gameState = kScreenOutOfTime;
    return;
  }
  const bool solved = engine->glyphCount != 0 && engine->activeGlyphs == engine->glyphCount;
  if (!solved && skipRoom == 0) return;
  profile->newRoom = 1;
  profile->lastRoomMoves = solved ? history.moves : -1;
  profile->lastRoomPar = par;
  profile->lastRoomHints = history.hints;
  profile->lastRoomHintCoins = history.hintCoins;
  profile->lastRoomLocation = engine->location.name;
  profile->lastRoom = solved ? profile->curRoom : 0;
  keepRecord(solved);
  game.addScore(room);
  // ">=": a damaged game file with the room past the location's end still
  // finishes the location instead of counting rooms for ever.
  if (profile->curRoom >= engine->location.roomCount) {
    gameState = profile->locationComplete();
  } else {
    profile->roomComplete();
    engine->createRoom(profile->curRoom, 1.0f);
    gameState = kScreenRoomComplete;
  }
}

void TGame::keepRecord(bool solved) {
  profile->lastRoomBest = -1;
  profile->lastRoomNewBest = 0;
  if (!solved) return;
  TRoomRecords records;
  records.load(profile->recordsPath());
  const TRoomRecordKey key{profile->gameType == kGameCampaign ? TRecordGame::campaign : TRecordGame::custom,
                           engine->location.name, profile->curRoom};
  profile->lastRoomNewBest = records.solved(key, history.moves, history.hints) ? 1 : 0;
  profile->lastRoomBest = records.find(key).moves;
  records.save();
}

void TGame::offerHighScore(int gameCompleteBefore) {
  // Only the frame in which this game ended enters it, and only once: a
  // game file that was saved after its end must not add its score again.
  if (!profile || !highScores || profile->gameComplete == 0 || gameCompleteBefore != 0 || scoreOffered_) return;
  scoreOffered_ = 1;
  highScores->updateScoreTable(profile->saveScore(highScores->location));
}

void TGame::runTips() {
  if (!options || options->showTips == 0) {
    tutorial.mouseCollide = 0;
    engine->pointerBlocked = 0;
    return;
  }
  tutorial.update(*this);
  engine->pointerBlocked = tutorial.mouseCollide;
  if (tutorial.refreshHelpTips) queueHelpTips(*engine, tutorial);
}

void TGame::collectItems() {
  const TRoomTakings before = engine->takings;
  engine->updateObjects();
  if (profile) addTakingsChange(profile->roomStatus, before, engine->takings);
}
