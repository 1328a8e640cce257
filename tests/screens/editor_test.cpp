// The level editor driven headless by pointer and keys: the buttons without
// a location, naming, painting and its cell rules, picking up, the object
// limit, shifting, copy and paste, generated rooms, undo and redo, the
// unsaved-changes question, test play, and the files it loads and saves.
#include "editor_fixture.h"

#include "platform/file_system.h"

namespace {

TEST_F(EditorTest, WithoutALocationOnlyNewLoadHelpAndMenuAnswer) {
  frames(3);
  clickAt(TEditor::butX1, 213);  // RENAME
  clickAt(TEditor::butX2, 213);  // SAVE
  clickAt(TEditor::butX2, 516);  // TEST
  EXPECT_EQ(editor->editorStatus, TEditor::kEditing);
  EXPECT_EQ(editor->testMode, 0);
  clickAt(TEditor::butX1, 559);  // HELP
  EXPECT_EQ(editor->editorStatus, TEditor::kHelp);
  frames(12);
  clickAt(editor->dialogue2->x + editor->dialogue2->bxOffset[1], editor->dialogue2->y + editor->dialogue2->byOffset);
  EXPECT_EQ(editor->editorStatus, TEditor::kEditing);
  clickAt(TEditor::butX2, 559);  // MENU, nothing unsaved: the editor is left
  EXPECT_EQ(gameState, kScreenCustomMenu);
}

TEST_F(EditorTest, NamingBoxesRefuseNamesThatCannotNameAFileAndSayWhy) {
  clickAt(TEditor::butX1, 183);
  frames(2);
  EXPECT_EQ(editor->textBox->getText(), "New Location");
  for (const std::string bad : {"", "a/b", "back\\slash", ".hidden"}) {
    SCOPED_TRACE(bad);
    nameIt(bad);
    EXPECT_EQ(editor->editorStatus, TEditor::kNewLocation);
    EXPECT_FALSE(editor->boxMessage.empty());
  }
  nameIt("Sands");
  frames(2);
  EXPECT_EQ(editor->editorStatus, TEditor::kEditing);
  EXPECT_EQ(editor->engine->location.name, "Sands");
  EXPECT_EQ(editor->engine->location.roomCount, 1);
  EXPECT_EQ(editor->engine->roomName, "Room 1");
  EXPECT_EQ(editor->changed, 0);
  EXPECT_EQ(textInputActive, 0);
}

TEST_F(EditorTest, AStrokePaintsWhileHeldAndIsOneUndoStep) {
  newLocation("Sands");
  pickBlock(7);  // Wall #1
  EXPECT_EQ(editor->curBlk, 7);
  moveTo(cellX(2), cellY(2));
  press();
  frames(2);
  for (int c = 3; c <= 5; ++c) moveTo(cellX(c), cellY(2));
  release();
  for (int c = 2; c <= 5; ++c) EXPECT_EQ(blockAt(c, 2), 7) << c;
  EXPECT_EQ(editor->changed, 1);
  EXPECT_EQ(editor->history.undoSteps(), 1u);
  chord(kKeyLControl, 'Z');
  for (int c = 2; c <= 5; ++c) EXPECT_EQ(blockAt(c, 2), 0) << c;
  EXPECT_EQ(editor->changed, 0) << "back at the state it had when it was made";
  chord(kKeyLControl, 'Y');
  EXPECT_EQ(blockAt(4, 2), 7);
  EXPECT_EQ(editor->changed, 1);
  chord(kKeyLControl, 'Z');
  PostEvent(kEventKeyDown, kKeyLShift);
  chord(kKeyLControl, 'Z');  // Ctrl+Shift+Z redoes too
  PostEvent(kEventKeyUp, kKeyLShift);
  frame();
  EXPECT_EQ(blockAt(4, 2), 7);
  // A right click drops the held block: clicks then pick up instead.
  clickCell(8, 8, 2);
  EXPECT_EQ(editor->curBlk, 0);
  clickCell(3, 2);
  EXPECT_EQ(editor->curBlk, 7);
  EXPECT_EQ(blockAt(3, 2), 0);
}

TEST_F(EditorTest, CellRulesForPitsMirrorsCrumblingFloorsAndDecayedWalls) {
  newLocation("Pits");
  pickBlock(kBlockPit);
  clickCell(3, 3);
  clickCell(3, 3);
  pickBlock(kBlockFloor1);
  clickCell(5, 5);
  clickCell(5, 5);
  ASSERT_EQ(blockAt(3, 3), kBlockPit);
  ASSERT_EQ(blockAt(5, 5), kBlockFloor1);

  auto placeAndCount = [this](int id, int c, int r) {
    pickObject(id);
    clickCell(c, r);  // arms painting
    clickCell(c, r);  // places
    const int n = objectsAt(c, r);
    if (n) chord(kKeyLControl, 'Z');
    clickCell(c, r, 2);
    return n;
  };
  EXPECT_EQ(placeAndCount(kObjMirror, 3, 3), 0) << "a mirror never goes into a pit";
  EXPECT_EQ(placeAndCount(kObjCrumblingFloor, 5, 5), 0) << "a crumbling floor only goes onto a pit";
  EXPECT_EQ(placeAndCount(kObjCrumblingFloor, 3, 3), 1);
  EXPECT_EQ(placeAndCount(kObjWhiteDecayedWall, 3, 3), 1);
  EXPECT_EQ(placeAndCount(kObjMirror, 5, 5), 1);
  EXPECT_EQ(placeAndCount(kObjMirror, 7, 7), 0) << "a blank cell takes no object";
}

TEST_F(EditorTest, TheFiftyFirstObjectOpensTheLimitMessage) {
  newLocation("Full");
  TEngine& engine = *editor->engine;
  for (int i = 0; i < 50; ++i) engine.addObject(1 + i % 12, 1 + i / 12, kObjCoins);
  engine.setBlockFromMaster(12, 10, kBlockFloor1);
  pickObject(kObjMirror);
  clickCell(12, 10);
  moveTo(cellX(12), cellY(10));
  EXPECT_EQ(editor->red, 255);
  press();
  frames(2);
  EXPECT_EQ(editor->editorStatus, TEditor::kMaxObjects);
  release();
  EXPECT_EQ(engine.roomObjects, 50);
  answer(1);
  frames(2);
  EXPECT_EQ(editor->editorStatus, TEditor::kEditing);
}

TEST_F(EditorTest, PickingUpTakesEveryObjectOfTheCellElseItsBlock) {
  newLocation("Pick");
  TEngine& engine = *editor->engine;
  engine.setBlockFromMaster(4, 4, kBlockFloor1);
  engine.addObject(4, 4, kObjCoins);
  engine.addObject(4, 4, kObjCrate);
  engine.setBlockFromMaster(6, 6, kBlockWall1 + 1);
  clickCell(4, 4);
  EXPECT_EQ(objectsAt(4, 4), 0);
  EXPECT_EQ(editor->curObj, kObjCrate);
  EXPECT_EQ(blockAt(4, 4), kBlockFloor1);
  clickCell(1, 1, 2);
  clickCell(6, 6);
  EXPECT_EQ(editor->curBlk, kBlockWall1 + 1);
  EXPECT_EQ(blockAt(6, 6), 0);
  EXPECT_EQ(editor->changed, 1);
}

TEST_F(EditorTest, ShiftArrowsMoveTheRoomAndLoseWhatLeavesIt) {
  newLocation("Shift");
  TEngine& engine = *editor->engine;
  engine.setBlockFromMaster(1, 3, kBlockEmitter);
  engine.setBlockFromMaster(2, 3, kBlockFloor1);
  engine.addObject(1, 5, kObjMirror);
  engine.addObject(2, 3, kObjRuby);
  chord(kKeyLShift, kKeyLeft);
  engine.storeRoom();
  const TRoom& room = *engine.location.room[1];
  EXPECT_EQ(room.blk[1][3], kBlockFloor1);
  EXPECT_EQ(room.blk[12][3], 0);
  ASSERT_EQ(room.roomObjects, 1) << "the mirror in column 1 is gone";
  EXPECT_EQ(room.obj[1][0], 1);
  EXPECT_EQ(room.obj[1][2], kObjRuby);
  chord(kKeyRShift, kKeyDown);
  EXPECT_EQ(blockAt(1, 4), kBlockFloor1);
  chord(kKeyLControl, 'Z');
  chord(kKeyLControl, 'Z');
  EXPECT_EQ(blockAt(1, 3), kBlockEmitter);
  // Without Shift an arrow does nothing, and its hit is not kept for later.
  key(kKeyLeft);
  chord(kKeyLShift, kKeyUp);
  EXPECT_EQ(blockAt(1, 2), kBlockEmitter);
}

TEST_F(EditorTest, CopyPasteAndGeneratedRoomsFillTheLocationUpToTwelve) {
  newLocation("Copy");
  editor->engine->setBlockFromMaster(5, 5, kBlockEmitter);
  chord(kKeyLControl, 'C');
  chord(kKeyLControl, 'V');
  TLocation& location = editor->engine->location;
  ASSERT_EQ(location.roomCount, 2);
  EXPECT_EQ(location.curRoom, 2);
  EXPECT_EQ(location.room[2]->blk[5][5], kBlockEmitter) << "the copy holds what was on screen";
  EXPECT_EQ(blockAt(5, 5), kBlockEmitter);
  for (int i = 0; i < 9; ++i) chord(kKeyLControl, 'V');
  ASSERT_EQ(location.roomCount, 11);
  EXPECT_EQ(editor->roomList->itemCount, 13);
  // "[random room]" adds room 12 and fills it.
  editor->roomList->setCurView(13);
  frame();
  const int top = editor->roomList->y + editor->roomList->lineH * (13 - editor->roomList->firstItem);
  clickAt(editor->roomList->x + 10, top + 3);
  ASSERT_EQ(location.roomCount, 12);
  EXPECT_EQ(location.curRoom, 12);
  EXPECT_EQ(editor->roomList->itemCount, 12) << "no extra items in a full location";
  bool walls = false;
  for (int c = 1; c <= 12; ++c)
    for (int r = 1; r <= 10; ++r) walls = walls || editor->engine->cell(c, r)->shadows != 0;
  EXPECT_TRUE(walls);
  chord(kKeyLControl, 'V');
  EXPECT_EQ(location.roomCount, 12);
  chord(kKeyLControl, 'Z');
  EXPECT_EQ(location.roomCount, 11);
}

TEST_F(EditorTest, RoomButtonsRenameMoveCloneAndDeleteWithUndo) {
  newLocation("Rooms");
  TLocation& location = editor->engine->location;
  clickAt(TEditor::butX1, 488);  // CLONE
  ASSERT_EQ(location.roomCount, 2);
  clickAt(TEditor::butX1, 516);  // RENAME room 2
  nameIt("Tomb");
  frames(2);
  EXPECT_EQ(location.room[2]->name, "Tomb");
  clickAt(TEditor::butX1, 460);  // UP
  EXPECT_EQ(location.room[1]->name, "Tomb");
  EXPECT_EQ(location.curRoom, 1);
  clickAt(TEditor::butX2, 488);  // DELETE
  answer(1);
  frames(2);
  ASSERT_EQ(location.roomCount, 1);
  EXPECT_EQ(location.room[1]->name, "Room 1");
  chord(kKeyLControl, 'Z');
  chord(kKeyLControl, 'Z');
  chord(kKeyLControl, 'Z');
  EXPECT_EQ(location.roomCount, 2);
  EXPECT_EQ(location.room[2]->name, "Room 1") << "the clone, before its renaming";
  chord(kKeyLControl, 'Z');
  EXPECT_EQ(location.roomCount, 1);
  EXPECT_EQ(editor->changed, 0);
}

TEST_F(EditorTest, UnsavedChangesAskFirstInTheOrderTheyLeadOn) {
  newLocation("Ask");
  editor->engine->setBlockFromMaster(2, 2, kBlockWall1);
  editor->beginEdit();
  clickAt(TEditor::butX1, 183);  // NEW
  EXPECT_EQ(editor->editorStatus, TEditor::kSaveChanges);
  answer(2);  // NO: on to the new-location box
  frames(2);
  EXPECT_EQ(editor->editorStatus, TEditor::kNewLocation);
  answer(2);
  frames(2);
  clickAt(TEditor::butX1, 183);
  answer(1);  // YES: the save requester first
  frames(2);
  EXPECT_EQ(editor->editorStatus, TEditor::kSaveLocation);
  answer(1);
  frames(2);
  EXPECT_TRUE(FileExists("locations/Ask.loc"));
  EXPECT_EQ(editor->changed, 0);
  EXPECT_EQ(editor->editorStatus, TEditor::kNewLocation);
  answer(2);
  frames(2);

  // Leaving (Escape, MENU, the window closed) is held until answered.
  editor->beginEdit();
  gameState = kScreenQuit;
  frame();
  EXPECT_EQ(gameState, kScreenEditor);
  EXPECT_EQ(editor->editorStatus, TEditor::kSaveChanges);
  answer(2);
  frame();
  EXPECT_EQ(gameState, kScreenQuit);
}

TEST_F(EditorTest, SavingWritesTheLocationAndAsksBeforeReplacingAnother) {
  newLocation("Test");  // a location "Test" of two rooms is on disk already
  editor->engine->setBlockFromMaster(3, 4, kBlockEmitter);
  editor->engine->addObject(3, 5, kObjMirror);
  clickAt(TEditor::butX2, 213);  // SAVE
  frames(2);
  answer(1);
  frames(2);
  EXPECT_EQ(editor->editorStatus, TEditor::kReplaceFile);
  answer(2);  // NO: back to the requester
  frames(2);
  EXPECT_EQ(editor->editorStatus, TEditor::kSaveLocation);
  TLocation before;
  ASSERT_EQ(before.load("Test"), 1);
  EXPECT_EQ(before.roomCount, 2);
  answer(1);
  frames(2);
  answer(1);  // YES, replace it
  frames(2);
  EXPECT_EQ(editor->editorStatus, TEditor::kEditing);
  EXPECT_EQ(editor->changed, 0);

  // The bytes: empty description, header, one room with its cells and object.
  TStreamPtr saved = ReadStream("locations/Test.loc");
  ASSERT_TRUE(saved);
  const std::vector<uint8_t> bytes = saved->ReadAll();
  const std::vector<uint8_t> head = {13, 10, 0, 0, 0, 10, 12, 1, 'R', 'o', 'o', 'm', ' ', '1', 13, 10, 13, 10};
  ASSERT_EQ(bytes.size(), head.size() + 120 + 1 + 3);
  EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
  EXPECT_EQ(bytes[head.size() + 3 * 12 + 2], kBlockEmitter) << "row 4, column 3";
  const std::vector<uint8_t> tail = {1, 3, 5, kObjMirror};
  EXPECT_TRUE(std::equal(tail.begin(), tail.end(), bytes.end() - 4));

  // Saving it again under its own name asks nothing.
  editor->beginEdit();
  clickAt(TEditor::butX2, 213);
  frames(2);
  answer(1);
  frames(2);
  EXPECT_EQ(editor->editorStatus, TEditor::kEditing);
  EXPECT_EQ(editor->changed, 0);
}

TEST_F(EditorTest, ADamagedFileIsRefusedWithItsNameInTheRequester) {
  TStreamPtr out = WriteStream("locations/Broken.loc");
  ASSERT_TRUE(out);
  out->WriteLine("");
  for (int b : {0, 0, 0, 10, 12, 3}) out->WriteByte(b);  // three rooms promised, none there
  out->Close();
  TLocation into;
  EXPECT_NE(loadWholeLocation("Broken", into).find("locations/Broken.loc"), std::string::npos);
  EXPECT_EQ(loadWholeLocation("Test", into), "");
  EXPECT_EQ(into.roomCount, 2);

  editor->locRequester = nullptr;
  clickAt(TEditor::butX2, 183);  // LOAD
  frames(2);
  ASSERT_TRUE(editor->locRequester);
  editor->locRequester->filename = "Broken";
  // Choose the damaged file by its line, then LOAD.
  TListBox& list = *editor->locRequester->fileList;
  for (int n = 1; n <= list.itemCount; ++n)
    if (list.getItem(n) == "Broken") clickAt(list.x + 10, list.y + list.lineH * (n - list.firstItem) + 3);
  answer(1);
  frames(2);
  ASSERT_TRUE(editor->locRequester);
  EXPECT_NE(editor->locRequester->message.find("locations/Broken.loc"), std::string::npos);
  EXPECT_TRUE(editor->engine->location.name.empty());
}

TEST_F(EditorTest, TestPlayLeavesTheDesignAsItWas) {
  clickAt(TEditor::butX2, 183);  // LOAD "Test"
  frames(2);
  TListBox& list = *editor->locRequester->fileList;
  for (int n = 1; n <= list.itemCount; ++n)
    if (list.getItem(n) == "Test") clickAt(list.x + 10, list.y + list.lineH * (n - list.firstItem) + 3);
  answer(1);
  frames(2);
  ASSERT_EQ(editor->engine->location.name, "Test");
  EXPECT_FLOAT_EQ(editor->engine->cell(5, 5)->fog, 0.0f);
  clickAt(TEditor::butX2, 516);  // TEST
  ASSERT_EQ(editor->testMode, 1);
  // Push the sarcophagus out of the beam: the room is solved.
  clickCell(6, 5);
  clickCell(6, 4);
  frames(200);  // the slide, then the glyph's glow rises over 100 frames
  EXPECT_EQ(editor->engine->activeGlyphs, 1);
  clickAt(745, 62);  // BACK
  EXPECT_EQ(editor->testMode, 0);
  EXPECT_EQ(objectsAt(6, 5), 1) << "the design keeps the sarcophagus where it was";
  EXPECT_EQ(editor->changed, 0);
}

// F5 searches the room as it stands on screen: a glyph painted a moment ago
// counts, before any test play has rebuilt the room.
TEST_F(EditorTest, F5AnswersForTheRoomAsPaintedAsTestPlayDoes) {
  newLocation("Beam");
  TEngine& engine = *editor->engine;
  for (int c = 1; c <= 12; ++c)
    for (int r = 1; r <= 10; ++r)
      engine.setBlockFromMaster(c, r, TEngine::isInterior(c - 1, r - 1) && TEngine::isInterior(c + 1, r + 1)
                                          ? kBlockFloor1
                                          : kBlockWall1);
  pickBlock(kBlockEmitter);
  clickCell(1, 3);
  clickCell(1, 3);
  pickBlock(kBlockWhiteGlyph);
  clickCell(6, 10);
  clickCell(6, 10);
  pickBlock(kBlockWall1);
  clickCell(6, 2);
  clickCell(6, 2);
  clickCell(6, 2, 2);
  pickObject(kObjMirror);
  clickCell(6, 8);
  clickCell(6, 8);
  clickCell(6, 8, 2);
  ASSERT_EQ(blockAt(6, 10), kBlockWhiteGlyph);
  ASSERT_EQ(objectsAt(6, 8), 1);

  key(kKeyF1 + 4);
  for (int i = 0; i < 4000 && editor->solvability.busy(); ++i) frame();
  frame();
  EXPECT_EQ(editor->solvability.statusText(), "Solvable in 1 move");
}

}  // namespace

namespace {

// The unsaved-changes question can be backed out of: Escape over it, or
// CANCEL in the save box its YES opened, returns to editing with the changes
// kept and nothing asked again.
TEST_F(EditorTest, TheUnsavedChangesQuestionBacksOutToEditing) {
  newLocation("Back");
  editor->engine->setBlockFromMaster(2, 2, kBlockWall1);
  editor->beginEdit();
  // Escape is the main loop's: it asks for the main menu.
  const auto escape = [this] {
    gameState = kScreenMainMenu;
    frame();
  };
  escape();
  ASSERT_EQ(editor->editorStatus, TEditor::kSaveChanges);
  frames(12);
  escape();
  EXPECT_EQ(gameState, kScreenEditor);
  EXPECT_EQ(editor->editorStatus, TEditor::kEditing) << "Escape backs out of the question";
  EXPECT_FALSE(editor->dialogue);
  EXPECT_EQ(editor->changed, 1);

  // MENU, YES, then CANCEL in the save box: editing again, not the question.
  clickAt(TEditor::butX2, 559);
  ASSERT_EQ(editor->editorStatus, TEditor::kSaveChanges);
  answer(1);
  frames(2);
  ASSERT_EQ(editor->editorStatus, TEditor::kSaveLocation);
  answer(2);
  frames(2);
  EXPECT_EQ(gameState, kScreenEditor);
  EXPECT_EQ(editor->editorStatus, TEditor::kEditing);
  EXPECT_EQ(editor->changed, 1);

  // The same after NEW: CANCEL in the save box opens no new-location box.
  clickAt(TEditor::butX1, 183);
  answer(1);
  frames(2);
  ASSERT_EQ(editor->editorStatus, TEditor::kSaveLocation);
  answer(2);
  frames(2);
  EXPECT_EQ(editor->editorStatus, TEditor::kEditing);
  EXPECT_EQ(editor->engine->location.name, "Back");

  // Its two buttons still lead on: NO leaves without saving.
  clickAt(TEditor::butX2, 559);
  answer(2);
  frame();
  EXPECT_EQ(gameState, kScreenCustomMenu);
}

}  // namespace
