// The in-game screen driven headless: building the room, the sun running
// out, finishing rooms, the four buttons with their confirmations, the
// pause, and a room in progress stored and resumed.
#include "data/room_records.h"
#include "game_fixture.h"

#include "data/high_scores.h"
#include "data/player_notice.h"

namespace {

TEST_F(GameScreenTest, NewRoomStartsFreshAndNamesTheRoom) {
  player->roomStatus.money = 77;  // left over from an earlier room
  TGame game(kit);
  EXPECT_EQ(game.levelName, "Room 1 of 2");
  EXPECT_EQ(player->roomStatus.money, 0);
  EXPECT_EQ(player->newRoom, 0);
  EXPECT_EQ(player->roomCount, 2);
  EXPECT_EQ(scores->location, "Test");
  EXPECT_EQ(settings->played, 1);
  EXPECT_EQ(musicTrack, kMusicRandom);
  EXPECT_EQ(game.diagX, 400 - 150);
  EXPECT_EQ(game.diagY, 300 - 160);

  player->curRoom = 2;
  player->newRoom = 1;
  player->gameType = kGameCampaign;
  TGame named(kit);
  EXPECT_EQ(named.levelName, "Room 2 of 2: Tomb");
  EXPECT_EQ(scores->location, "Campaign");
}

TEST_F(GameScreenTest, SunsetCostsALifeAndShowsOutOfTime) {
  TGame game(kit);
  player->locStatus.timer = kLocationTimeLimit - 20;
  player->roomStatus.timer = 0;
  player->locs[0].time = 1000;
  frame(game);
  EXPECT_EQ(gameState, kScreenGame);  // 1800000 not reached yet (the frame counted 0 ms)
  AdvanceVirtualClock(100);
  frame(game);
  EXPECT_EQ(gameState, kScreenOutOfTime);
  EXPECT_EQ(player->locStatus.lives, 1);
  EXPECT_EQ(player->locStatus.timer, 0);
  EXPECT_GE(player->locs[0].time, 1000 + kLocationTimeLimit);
  EXPECT_EQ(player->newRoom, 1);
  EXPECT_EQ(player->gameComplete, 0);
}

TEST_F(GameScreenTest, SunsetWithoutSpareLivesEndsTheGameWithOneHighScore) {
  TGame game(kit);
  player->locStatus.lives = 0;
  player->locStatus.money = 4321;
  player->locStatus.timer = kLocationTimeLimit;
  frame(game);
  EXPECT_EQ(gameState, kScreenOutOfTime);
  EXPECT_EQ(player->locStatus.lives, -1);
  EXPECT_EQ(player->gameComplete, 1);
  EXPECT_EQ(player->newRoom, 0);
  auto entriesOf = [this](const std::string& who) {
    int n = 0;
    for (const THighScoreTable& table : scores->tables)
      for (int i = 1; i <= kHighScorePlaces; ++i) n += table.scores[i].player == who;
    return n;
  };
  EXPECT_EQ(entriesOf("Tester"), 1);
  frame(game);  // the game stays over; its score is not entered twice
  EXPECT_EQ(entriesOf("Tester"), 1);
}

TEST_F(GameScreenTest, LitGlyphFinishesTheRoomAndTheLastRoomTheLocation) {
  player->curRoom = 2;  // the room with a free path to its glyph
  player->roomStatus.money = 50;
  TGame game(kit);
  player->roomStatus.money = 50;
  for (int i = 0; i < 600 && gameState == kScreenGame; ++i) frame(game);
  EXPECT_EQ(gameState, kScreenGameComplete);  // a custom game is one location
  EXPECT_EQ(player->newRoom, 1);
  EXPECT_GE(player->locStatus.money, 50);
  EXPECT_EQ(player->gameComplete, 1);
}

TEST_F(GameScreenTest, ASolvedRoomGoesIntoThePlayersRecordsAndANewBestIsMarked) {
  for (int attempt = 1; attempt <= 2; ++attempt) {
    SCOPED_TRACE(attempt);
    player->gameComplete = 0;
    player->newLocation(kCustomSlot);
    player->locs[kCustomSlot].name = "Test";
    player->curRoom = 2;  // the room with a free path to its glyph: solved in 0 moves
    gameState = kScreenGame;
    TGame game(kit);
    for (int i = 0; i < 600 && gameState == kScreenGame; ++i) frame(game);
    ASSERT_EQ(gameState, kScreenGameComplete);
    EXPECT_EQ(player->lastRoomBest, 0);
    EXPECT_EQ(player->lastRoomNewBest, attempt == 1 ? 1 : 0) << "the second solve at 0 moves sets no new best";
  }
  TRoomRecords records;
  ASSERT_TRUE(records.load(player->recordsPath()));
  EXPECT_EQ(records.find({TRecordGame::custom, "Test", 2}).moves, 0);
  EXPECT_EQ(records.find({TRecordGame::campaign, "Test", 2}).moves, -1);
}

TEST_F(GameScreenTest, ZeroGlyphRoomIsNeverFinishedByLight) {
  TGame game(kit);
  game.engine->glyphCount = 0;
  for (auto& column : game.engine->blk)
    for (auto& b : column)
      if (b) b->gr = b->gg = b->gb = 0;
  frames(game, 50);
  EXPECT_EQ(gameState, kScreenGame);
}

TEST_F(GameScreenTest, SkipCostsALifeAndEverythingFoundButKeepsTheTime) {
  TGame game(kit);
  frame(game);
  player->roomStatus = {5000, 300, 1, 1};
  answerWith(1, game);
  clickButton(game, 42);
  EXPECT_EQ(player->locStatus.lives, 1);
  EXPECT_EQ(game.skipRoom, 1);
  EXPECT_EQ(player->roomStatus.money, 0);
  EXPECT_EQ(player->roomStatus.lives, 0);
  EXPECT_EQ(player->roomStatus.maps, 0);
  EXPECT_GE(player->roomStatus.timer, 5000);
  if (gameState == kScreenGame) frame(game);
  EXPECT_EQ(gameState, kScreenRoomComplete);
  EXPECT_EQ(player->curRoom, 2);
  EXPECT_GE(player->locStatus.timer, 5000);
  EXPECT_EQ(player->locStatus.money, 0);
}

TEST_F(GameScreenTest, SkipWithoutSpareLivesOnlyExplains) {
  player->locStatus.lives = 0;
  TGame game(kit);
  player->roomStatus.lives = 3;  // lives found in this room do not count
  answerWith(1, game);
  clickButton(game, 42);
  EXPECT_NE(game.dialogueText.find("Sorry, you do not have any spare lives"), std::string::npos);
  frames(game, 3);
  EXPECT_EQ(gameState, kScreenGame);
  EXPECT_EQ(player->locStatus.lives, 0);
  EXPECT_EQ(player->roomStatus.lives, 3);
  EXPECT_EQ(game.skipRoom, 0);
  EXPECT_EQ(game.pendingStatus, 0);
}

TEST_F(GameScreenTest, ResetConfirmedRestartsTheRoomAndKeepsItsTime) {
  TGame game(kit);
  frame(game);
  player->roomStatus.timer = 7000;
  player->locStatus.timer = 1000;
  answerWith(1, game);
  clickButton(game, 17);
  EXPECT_EQ(gameState, kScreenRoomRestart);
  EXPECT_GE(player->locStatus.timer, 8000);
  EXPECT_EQ(player->newRoom, 1);
}

TEST_F(GameScreenTest, AnsweringNoChangesNothing) {
  TGame game(kit);
  frame(game);
  player->locStatus.money = 900;
  answerWith(2, game);
  clickButton(game, 67);
  EXPECT_EQ(gameState, kScreenGame);
  EXPECT_EQ(player->locStatus.money, 900);
  EXPECT_EQ(game.pendingStatus, 0);
  EXPECT_FALSE(game.dialogue);
}

TEST_F(GameScreenTest, AbandonConfirmedResetsTheGame) {
  TGame game(kit);
  frame(game);
  player->locStatus.money = 900;
  answerWith(1, game);
  clickButton(game, 67);
  EXPECT_EQ(game.dialogueText, "ABANDON GAME\\n\\nAre you sure you want to abandon this game?");
  EXPECT_EQ(gameState, kScreenCustomMenu);
  EXPECT_EQ(player->locStatus.money, 0);
  EXPECT_EQ(player->curLoc, 0);
  EXPECT_EQ(player->name, "Tester");

  player->gameType = kGameCampaign;
  player->newLocation(1);
  gameState = kScreenGame;
  TGame campaign(kit);
  frame(campaign);
  answerWith(1, campaign);
  clickButton(campaign, 67);
  EXPECT_EQ(gameState, kScreenMap);
}

TEST_F(GameScreenTest, MenuLeavesAtOnce) {
  TGame game(kit);
  frame(game);
  clickButton(game, 584);
  EXPECT_EQ(gameState, kScreenCustomMenu);
  EXPECT_TRUE(game.dialogueText.empty());
  player->gameType = kGameCampaign;
  gameState = kScreenGame;
  clickButton(game, 584);
  EXPECT_EQ(gameState, kScreenMainMenu);
}

TEST_F(GameScreenTest, PauseOnPEndsOnPAndStopsTheSun) {
  TGame game(kit);
  frame(game);
  const int before = player->roomStatus.timer;
  auto count = std::make_shared<int>(0);
  setModalFrameHook([count] {
    AdvanceVirtualClock(1000);  // a long pause
    if (++*count == 30) {
      PostEvent(kEventKeyDown, 'P');
      PostEvent(kEventKeyUp, 'P');
    }
    return true;
  });
  PostEvent(kEventKeyDown, 'P');
  PostEvent(kEventKeyUp, 'P');
  frame(game);
  EXPECT_GE(*count, 30);
  EXPECT_EQ(game.suspendApp, 0);
  EXPECT_EQ(gameState, kScreenGame);
  frame(game);
  EXPECT_LT(player->roomStatus.timer - before, 1000);  // the paused time did not count
}

TEST_F(GameScreenTest, FocusLossPausesUntilTheWindowIsBack) {
  TGame game(kit);
  frame(game);
  auto count = std::make_shared<int>(0);
  setModalFrameHook([count] {
    if (++*count == 10) PostEvent(kEventAppResume);
    return true;
  });
  PostEvent(kEventAppSuspend);
  frame(game);
  EXPECT_EQ(*count, 10);
  EXPECT_EQ(game.suspendApp, 1);
  EXPECT_EQ(gameState, kScreenGame);
}

TEST_F(GameScreenTest, ClosingTheWindowDuringAConfirmationQuitsWithoutApplyingIt) {
  TGame game(kit);
  frame(game);
  setModalFrameHook([] {
    PostEvent(kEventAppTerminate);
    return true;
  });
  clickButton(game, 42);
  EXPECT_EQ(gameState, kScreenQuit);
  EXPECT_EQ(player->locStatus.lives, 2);
  EXPECT_EQ(game.skipRoom, 0);
}

TEST_F(GameScreenTest, ClosingTheWindowAsYesIsClickedDoesNotApplyIt) {
  TGame game(kit);
  frame(game);
  // "YES" is clicked, and the window closed in the very frame it fires.
  auto count = std::make_shared<int>(0);
  setModalFrameHook([this, count, &game] {
    AdvanceVirtualClock(25);
    const int n = ++*count;
    if (!game.dialogue) return true;
    const int x = game.dialogue->x + game.dialogue->bxOffset[1];
    const int y = game.dialogue->y + game.dialogue->byOffset;
    if (n == 20) PostEvent(kEventMouseMove, 0, x, y);
    if (n == 22) PostEvent(kEventMouseDown, 1, x, y);
    if (n == 24) PostEvent(kEventMouseUp, 1, x, y);
    const bool firesNow = buttons->clickX == x && buttons->clickY == y &&
                          MilliSecs() - static_cast<uint32_t>(buttons->clickTime) > 100;
    if (firesNow || n > 2000) PostEvent(kEventAppTerminate);
    return true;
  });
  clickButton(game, 42);
  EXPECT_EQ(gameState, kScreenQuit);
  EXPECT_EQ(player->locStatus.lives, 2);
  EXPECT_EQ(game.skipRoom, 0);
}

TEST_F(GameScreenTest, RoomInProgressIsStoredAndResumedThroughTheGameFile) {
  {
    TGame game(kit);
    frame(game);
    TObject* mirror = game.engine->object(1);
    ASSERT_TRUE(mirror);
    ASSERT_EQ(mirror->frame, kObjMirror);
    mirror->c = 4;
    mirror->x = game.engine->centreX(4);
    mirror->angle = 90;
    game.leave();
    EXPECT_EQ(player->roomObjects, game.engine->roomObjects);
  }
  player->save();
  TProfile reloaded;
  reloaded.load(kGameCustom, "Tester");
  profile = &reloaded;
  TGame resumed(kit);
  const TObject* mirror = resumed.engine->object(1);
  ASSERT_TRUE(mirror);
  EXPECT_EQ(mirror->frame, kObjMirror);
  EXPECT_EQ(mirror->c, 4);
  EXPECT_EQ(mirror->angle, 90);
  EXPECT_EQ(resumed.engine->object(2)->frame, kObjSarcophagus);
  profile = player.get();
}

TEST_F(GameScreenTest, DamagedSavedObjectsBecomeEmptyPieces) {
  {
    TGame game(kit);
    game.leave();
  }
  player->obj[1]->frame = 200;  // no such piece
  player->obj[2]->c = 99;       // outside the room
  player->obj[3] = nullptr;
  TGame resumed(kit);
  EXPECT_EQ(resumed.engine->object(1)->frame, 0);
  EXPECT_EQ(resumed.engine->object(2)->frame, 0);
  frames(resumed, 5);  // plays on without them
  EXPECT_EQ(gameState, kScreenGame);
}

TEST_F(GameScreenTest, RunawayMoveInASavedObjectIsStoppedAtItsCell) {
  {
    TGame game(kit);
    game.leave();
  }
  player->obj[1]->dx = 7;
  player->obj[1]->x = std::numeric_limits<float>::quiet_NaN();
  TGame resumed(kit);
  const TObject* mirror = resumed.engine->object(1);
  EXPECT_EQ(mirror->dx, 0);
  EXPECT_EQ(mirror->x, resumed.engine->centreX(mirror->c));
}

// The custom location was edited while its game was saved in a room: the
// cell the mirror was left on is now a wall. The room starts again as it is
// now, with a word to the player, instead of putting the mirror in the wall.
TEST_F(GameScreenTest, ARoomWhoseLocationChangedSinceTheSaveStartsAgain) {
  {
    TGame game(kit);
    frame(game);
    TObject* mirror = game.engine->object(1);
    ASSERT_TRUE(mirror);
    mirror->c = 4;
    mirror->x = game.engine->centreX(4);
    game.leave();
  }
  player->roomStatus.money = 40;
  TLocation edited;
  ASSERT_TRUE(edited.load("Test"));
  edited.room[1]->blk[4][8] = kBlockWall1;
  ASSERT_TRUE(edited.write(TLocation::filePath("Test")));

  std::vector<std::string> told;
  setPlayerNoticeSink([&](const std::string& text) { told.push_back(text); });
  TGame resumed(kit);
  setPlayerNoticeSink(nullptr);
  const TObject* mirror = resumed.engine->object(1);
  ASSERT_TRUE(mirror);
  EXPECT_EQ(mirror->c, 3);  // where the edited room puts it
  EXPECT_EQ(mirror->r, 8);
  EXPECT_EQ(player->roomStatus.money, 0);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("Test has changed"), std::string::npos) << told[0];

  // Unchanged, the same save resumes where it was left.
  {
    TGame game(kit);
    game.engine->object(1)->c = 5;
    game.leave();
  }
  TGame again(kit);
  EXPECT_EQ(again.engine->object(1)->c, 5);
}

}  // namespace
