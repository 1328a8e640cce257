// The editor from the keyboard alone: the cursor paints through the editor's
// own path (its cell rules, its undo steps), the toolbar and the buttons are
// walked by the focus, boxes and test play take the keys as other screens
// do, and the mouse and the keys take turns without fighting.
#include "editor_fixture.h"

namespace {

constexpr int kToolbarItems = 18;

class EditorKeys : public EditorTest {
 protected:
  void keys(int code, int times) {
    for (int i = 0; i < times; ++i) key(code);
  }
  // Steps the shown cursor to cell (c, r).
  void cursorTo(int c, int r) {
    const TCellCursor& cursor = editor->keyCursor();
    ASSERT_TRUE(cursor.shown());
    keys(c > cursor.column() ? kKeyRight : kKeyLeft, std::abs(c - cursor.column()));
    keys(r > cursor.row() ? kKeyDown : kKeyUp, std::abs(r - cursor.row()));
    ASSERT_EQ(cursor.column(), c);
    ASSERT_EQ(cursor.row(), r);
  }
  // From the room: Tab, then Right to the toolbar's place, and Enter.
  void chooseAt(int place) {
    key(kKeyTab);
    ASSERT_TRUE(editor->keysOnToolbar());
    const int from = mouseObj->keyFocus.focusIndex();
    keys(place >= from ? kKeyRight : kKeyLeft, std::abs(place - from));
    key(kKeyEnter);
    ASSERT_FALSE(editor->keysOnToolbar());
  }
};

TEST_F(EditorKeys, SpacePaintsTheChosenPieceWithTheClicksRulesAndUndoSteps) {
  newLocation("Keys");
  key(kKeySpace);  // the first key only shows the cursor, on the top left cell
  ASSERT_TRUE(editor->keyCursor().shown());
  EXPECT_EQ(editor->changed, 0);
  EXPECT_EQ(blockAt(1, 1), 0);

  chooseAt(kBlockWall1 - 1);
  EXPECT_EQ(editor->curBlk, kBlockWall1);
  EXPECT_TRUE(editor->keyCursor().shown()) << "choosing gives the keys back to the room";
  cursorTo(3, 2);
  key(kKeySpace);
  key(kKeyRight);
  key(kKeyEnter);
  EXPECT_EQ(blockAt(3, 2), kBlockWall1);
  EXPECT_EQ(blockAt(4, 2), kBlockWall1);
  EXPECT_EQ(editor->history.undoSteps(), 2u) << "each press is a step, as each click is";
  key(kKeySpace);
  EXPECT_EQ(editor->history.undoSteps(), 2u) << "the same block again records nothing";
  chord(kKeyLControl, 'Z');
  EXPECT_EQ(blockAt(4, 2), 0);
  EXPECT_EQ(blockAt(3, 2), kBlockWall1);

  // The mirror (palette position 5): not on a blank cell nor on a wall, as
  // with the mouse, but on a floor.
  chooseAt(kToolbarItems + 4);
  ASSERT_EQ(editor->curObj, kObjMirror);
  key(kKeySpace);
  key(kKeyLeft);
  key(kKeySpace);
  EXPECT_EQ(objectsAt(4, 2) + objectsAt(3, 2), 0);
  editor->engine->setBlockFromMaster(5, 2, kBlockFloor1);
  cursorTo(5, 2);
  key(kKeySpace);
  EXPECT_EQ(objectsAt(5, 2), 1);
  key(kKeyUp);
  EXPECT_EQ(editor->curObj, kObjMirror) << "the mirror stays chosen, as after a click";
  // Delete lets it go, as a right click; Space then picks it up again.
  key(kKeyDown);
  key(kKeyDelete);
  EXPECT_EQ(editor->curObj, 0);
  key(kKeySpace);
  EXPECT_EQ(objectsAt(5, 2), 0);
  EXPECT_EQ(editor->curObj, kObjMirror);
}

TEST_F(EditorKeys, TheToolbarsFocusStartsOnTheChosenPieceAndEscapeBacksOut) {
  newLocation("Bar");
  key(kKeyDown);
  cursorTo(4, 1);
  // Up off the top row is the way to the toolbar, as Tab is.
  key(kKeyUp);
  ASSERT_TRUE(editor->keysOnToolbar());
  EXPECT_EQ(mouseObj->keyFocus.focusIndex(), 0);
  EXPECT_FALSE(editor->keyCursor().shown());
  // Down walks the blocks' row on to the objects'; Enter on an object.
  keys(kKeyDown, kToolbarItems + 1);
  key(kKeyEnter);
  EXPECT_EQ(editor->curObj, editorItems[2]);
  EXPECT_EQ(editor->curBlk, 0);
  key(kKeyTab);
  EXPECT_EQ(mouseObj->keyFocus.focusIndex(), kToolbarItems + 1) << "on the chosen object";
  // Space on the toolbar does not wait to paint in the room.
  key(kKeySpace);
  // Escape gives the keys back to the room instead of leaving the editor.
  gameState = kScreenMainMenu;
  frame();
  EXPECT_EQ(gameState, kScreenEditor);
  EXPECT_FALSE(editor->keysOnToolbar());
  EXPECT_TRUE(editor->keyCursor().shown());
  EXPECT_EQ(editor->keyCursor().column(), 4);
  EXPECT_EQ(editor->changed, 0);
  // With the keys in the room, Escape leaves as ever.
  gameState = kScreenMainMenu;
  frame();
  EXPECT_EQ(gameState, kScreenMainMenu);
}

TEST_F(EditorKeys, TheMouseHidesTheCursorAndTheNextKeyOnlyShowsIt) {
  newLocation("Turns");
  key(kKeyDown);
  key(kKeyDown);
  key(kKeyRight);
  ASSERT_EQ(editor->keyCursor().column(), 2);
  chooseAt(kBlockFloor1 - 1);
  moveTo(cellX(7), cellY(7));
  frame();  // the editor sees the pointer where the last frame left it
  EXPECT_FALSE(editor->keyCursor().shown());
  // The pointer paints as it always did.
  press();
  frames(2);
  release();
  EXPECT_EQ(blockAt(7, 7), kBlockFloor1);
  key(kKeySpace);
  EXPECT_TRUE(editor->keyCursor().shown());
  EXPECT_EQ(blockAt(2, 2), 0) << "that key only showed the cursor";
  EXPECT_EQ(editor->keyCursor().column(), 2);
  key(kKeySpace);
  EXPECT_EQ(blockAt(2, 2), kBlockFloor1);
  // The focus on the toolbar hides with the mouse too, and Escape then
  // means what it always meant.
  key(kKeyTab);
  moveTo(cellX(8), cellY(8));
  EXPECT_FALSE(mouseObj->keyFocus.shown());
  gameState = kScreenMainMenu;
  frame();
  EXPECT_EQ(editor->editorStatus, TEditor::kSaveChanges) << "the unsaved changes are asked about";
}

TEST_F(EditorKeys, BoxesAndTestPlayTakeTheKeysAsOtherScreensDo) {
  frames(2);
  // Without a location the focus walks the buttons: NEW is the first.
  key(kKeyDown);
  key(kKeyEnter);
  ASSERT_EQ(editor->editorStatus, TEditor::kNewLocation);
  frames(12);
  // The box's own buttons: the first key shows the focus on OK.
  key(kKeyDown);
  key(kKeyEnter);
  frames(2);
  ASSERT_EQ(editor->editorStatus, TEditor::kEditing);
  ASSERT_TRUE(editor->locationOpen());
  EXPECT_FALSE(editor->keysOnToolbar());

  // Test play: off the room's right edge the keys go to RESET, BACK, HINT.
  key(kKeyTab);
  keys(kKeyUp, 3);  // round from the first block to MENU, HELP, TEST
  key(kKeyEnter);
  ASSERT_EQ(editor->testMode, 1);
  key(kKeyRight);  // shows the cursor
  keys(kKeyRight, TEngine::kColumns - 2);
  key(kKeyDown);
  key(kKeyEnter);
  EXPECT_EQ(editor->testMode, 0) << "BACK";
}

}  // namespace
