// A room played from the keyboard alone: the cursor starts on the first
// piece, Space picks it up, an arrow aims (the preview shows where the push
// stops) and the same arrow pushes; the mouse and the keys never fight.
#include "game_fixture.h"
#include "effects/effects.h"
#include "platform/game_pad.h"

namespace {

class KeyboardPlay : public GameScreenTest {
 protected:
  void key(TGame& game, int code) {
    PostEvent(kEventKeyDown, code);
    PostEvent(kEventKeyUp, code);
    frame(game);
  }
  void untilRest(TGame& game) {
    for (int i = 0; i < 400 && game.engine->objectsMoving != 0; ++i) frame(game);
    frames(game, 2);
  }
};

// Room 1: the sarcophagus at (6, 5) stands in the beam from (1, 5) to the
// glyph at (12, 5); pushed up, it slides out of the way.
TEST_F(KeyboardPlay, KeysAloneSolveTheRoom) {
  TGame game(kit);
  frames(game, 3);
  const TRoomCursor& cursor = game.session.cursor;
  EXPECT_FALSE(cursor.shown());
  key(game, kKeySpace);  // the first key only shows the cursor
  ASSERT_TRUE(cursor.shown());
  EXPECT_EQ(cursor.column(), 6);
  EXPECT_EQ(cursor.row(), 5);
  EXPECT_EQ(game.engine->clickedO, 0);

  key(game, kKeySpace);
  EXPECT_NE(game.engine->clickedO, 0) << "Space picks up the sarcophagus";
  key(game, kKeyUp);
  TRoomMove aimed;
  ASSERT_TRUE(cursor.aimedPush(*game.engine, aimed));
  EXPECT_EQ(aimed.dy, -1);
  EXPECT_EQ(game.history.moves, 0) << "the first arrow only aims";
  key(game, kKeyUp);
  EXPECT_EQ(game.history.moves, 1);
  for (int i = 0; i < 400 && gameState == kScreenGame; ++i) frame(game);
  EXPECT_EQ(gameState, kScreenRoomComplete);
}

TEST_F(KeyboardPlay, CursorWalksTheRoomTurnsMirrorsAndDropsWhatItHeld) {
  TGame game(kit);
  frames(game, 3);
  const TRoomCursor& cursor = game.session.cursor;
  key(game, kKeyDown);  // shows it on the sarcophagus at (6, 5)
  for (int i = 0; i < 3; ++i) key(game, kKeyDown);
  for (int i = 0; i < 3; ++i) key(game, kKeyLeft);
  EXPECT_EQ(cursor.column(), 3);
  EXPECT_EQ(cursor.row(), 8);
  const TObject* mirror = game.engine->object(game.engine->pickObjectAt(3, 8));
  ASSERT_NE(mirror, nullptr);
  const int angle = mirror->angle;
  key(game, 'R');
  EXPECT_NE(mirror->angle, angle);
  EXPECT_EQ(game.history.moves, 1) << "a turn is a move";
  key(game, kKeyTab);
  EXPECT_EQ(mirror->angle, angle);
  // Picked up and dropped again: nothing moved.
  key(game, kKeyEnter);
  EXPECT_NE(game.engine->clickedO, 0);
  key(game, kKeyEnter);
  frame(game);
  EXPECT_EQ(game.engine->clickedO, 0);
  // The cursor never leaves the room.
  for (int i = 0; i < 20; ++i) key(game, kKeyLeft);
  EXPECT_EQ(cursor.column(), 1);
  // Undo from the pad's left shoulder and redo from its right one.
  key(game, kKeyBackspace);
  EXPECT_EQ(game.history.moves, 1);
  key(game, kKeyRedo);
  EXPECT_EQ(game.history.moves, 2);
}

TEST_F(KeyboardPlay, MovingTheMouseHidesTheCursorAndTheNextKeyOnlyShowsIt) {
  TGame game(kit);
  frames(game, 3);
  const TRoomCursor& cursor = game.session.cursor;
  key(game, kKeySpace);
  ASSERT_TRUE(cursor.shown());
  PostEvent(kEventMouseMove, 0, 300, 300);
  frames(game, 2);  // the pointer's place is read once a frame
  EXPECT_FALSE(cursor.shown());
  key(game, kKeySpace);
  EXPECT_TRUE(cursor.shown());
  EXPECT_EQ(game.engine->clickedO, 0) << "that key did nothing else";
}

TEST_F(KeyboardPlay, OffTheRoomsRightEdgeTheKeysWalkTheButtonsAndLeftComesBack) {
  TGame game(kit);
  frames(game, 3);
  const TRoomCursor& cursor = game.session.cursor;
  key(game, kKeyRight);  // shows the cursor at (6, 5)
  for (int i = 0; i < 6; ++i) key(game, kKeyRight);
  EXPECT_EQ(cursor.column(), 12);
  EXPECT_FALSE(cursor.onButtons());
  key(game, kKeyRight);
  ASSERT_TRUE(cursor.onButtons());
  EXPECT_FALSE(cursor.shown());
  EXPECT_TRUE(mouseObj->keyFocus.shown());
  EXPECT_EQ(mouseObj->keyFocus.focusIndex(), 0) << "the top button, RESET";
  key(game, kKeyDown);
  EXPECT_EQ(mouseObj->keyFocus.focusIndex(), 1);
  EXPECT_EQ(cursor.row(), 5) << "the room's cursor stays where it was";
  key(game, kKeyLeft);
  EXPECT_FALSE(cursor.onButtons());
  EXPECT_TRUE(cursor.shown());
  EXPECT_FALSE(mouseObj->keyFocus.shown());
}

}  // namespace

// The main loop may show a resting room at a lower rate: only while nothing
// in it slides and no effect is under way.
TEST_F(KeyboardPlay, OnlyARestingRoomWithoutEffectsShowsNothingButAmbientMotion) {
  TEffects roomEffects;
  effects = &roomEffects;
  TGame game(kit);
  frames(game, 3);
  EXPECT_TRUE(game.onlyAmbientMotion());
  roomEffects.createtextFloat("+10", 100, 100);
  EXPECT_FALSE(game.onlyAmbientMotion()) << "a floating text is on its way";
  roomEffects.destroyAll();
  key(game, kKeySpace);
  key(game, kKeySpace);
  key(game, kKeyUp);
  key(game, kKeyUp);  // the sarcophagus slides up, out of the beam
  EXPECT_EQ(game.history.moves, 1);
  EXPECT_FALSE(game.onlyAmbientMotion()) << "a sliding piece is not ambient";
  roomEffects.destroyAll();
  effects = nullptr;
}
