#pragma once
// Drives the level editor headless on top of the in-game screen's fixture
// (surface, fonts, virtual clock, a folder with the two-room location
// "Test"): room pictures whose cells the pointer can find, and helpers that
// click, hold and type as a player would, frame by frame.
#include "game_fixture.h"
#include "screens/editor.h"

class EditorTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    usePointablePictures();
    pictures->gui_dialogueMasImg = solidStrip(600, 420, 1);
    gameState = kScreenEditor;
    editor = std::make_unique<TEditor>(kit);
  }
  void TearDown() override {
    editor.reset();
    GameScreenTest::TearDown();
  }

  // One main-loop frame, with the loop's hold on leaving the editor.
  void frame() {
    Cls();
    editor->update();
    if (gameState != kScreenEditor && editor->holdLeave(gameState)) gameState = kScreenEditor;
    mouseObj->update();
    AdvanceVirtualClock(25);
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) frame();
  }
  static int cellX(int c) { return c * 50 + 5 - 25; }
  static int cellY(int r) { return r * 50 + 96 - 25; }

  void moveTo(int x, int y) {
    PostEvent(kEventMouseMove, 0, x, y);
    frame();
  }
  void press(int button = 1) {
    PostEvent(kEventMouseDown, button, mouseObj->x, mouseObj->y);
    frame();
  }
  void release(int button = 1) {
    PostEvent(kEventMouseUp, button, mouseObj->x, mouseObj->y);
    frame();
  }
  // A click held for a few frames, as the grid and the buttons want it.
  void clickAt(int x, int y, int button = 1) {
    moveTo(x, y);
    press(button);
    frames(5);
    release(button);
    frames(2);
  }
  void clickCell(int c, int r, int button = 1) { clickAt(cellX(c), cellY(r), button); }
  void key(int code) {
    PostEvent(kEventKeyDown, code);
    frame();
    PostEvent(kEventKeyUp, code);
    frame();
  }
  // A key hit while a modifier is held.
  void chord(int modifier, int code) {
    PostEvent(kEventKeyDown, modifier);
    PostEvent(kEventKeyDown, code);
    frame();
    PostEvent(kEventKeyUp, code);
    PostEvent(kEventKeyUp, modifier);
    frame();
  }
  void type(const std::string& s) {
    for (char ch : s) {
      PostEvent(kEventKeyChar, static_cast<unsigned char>(ch));
      frame();
    }
  }
  // The open box's (or requester's) button 1 or 2, once it takes clicks.
  void answer(int button) {
    frames(12);
    TDialogue* box = editor->dialogue ? editor->dialogue.get()
                     : editor->locRequester ? editor->locRequester->dialogue.get()
                                            : nullptr;
    ASSERT_TRUE(box) << "no box is open";
    clickAt(box->x + box->bxOffset[button], box->y + box->byOffset);
  }
  // Names the box's text: clears the preset, types the name and presses OK.
  void nameIt(const std::string& name) {
    frames(2);
    ASSERT_TRUE(editor->textBox);
    editor->textBox->clearText();
    type(name);
    answer(1);
  }
  void newLocation(const std::string& name) {
    clickAt(TEditor::butX1, 183);
    nameIt(name);
    frames(2);
  }
  // Picks a toolbar item: block i (1..18) or the object at palette position i.
  void pickBlock(int i) { clickAt(206 + 34 * (i - 1), 22); }
  void pickObjectAt(int i) { clickAt(206 + 34 * (i - 1), 61); }
  void pickObject(int id) {
    for (int i = 1; i <= 18; ++i)
      if (editorItems[static_cast<size_t>(i)] == id) return pickObjectAt(i);
    FAIL() << "object " << id << " is not on the palette";
  }
  int blockAt(int c, int r) const { return editor->engine->cell(c, r)->frame; }
  int objectsAt(int c, int r) const {
    int n = 0;
    for (int i = 1; i <= editor->engine->roomObjects; ++i) {
      const TObject* o = editor->engine->object(i);
      if (o && o->frame != 0 && o->c == c && o->r == r) ++n;
    }
    return n;
  }

  std::unique_ptr<TEditor> editor;
};
