// Test play in the editor: the room plays exactly as in the game, built from
// its stored record, so nothing done here reaches the design; with the
// in-game screen's undo and redo keys, hints and slide preview.
#include "app/gfx_set.h"
#include "app/globals.h"
#include "effects/effects.h"
#include "engine/room_play.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "screens/editor.h"
#include "widgets/button.h"
#include "widgets/text.h"

namespace {

constexpr int kSmallButtons = 2;
constexpr int kTestIconFrame = 28;
constexpr int kHintFont = 3;
constexpr int kMessageY = 556;  // hint messages, over the room's bottom wall

}  // namespace

void TEditor::startTestPlay() {
  engine->storeRoom();
  engine->createRoom(0, kPlayFog);
  testMode = 1;
  testHistory_.clear();
  testHints_.reset();
  engine->onMoveStart = [this](const TRoomMove& move) {
    testHistory_.recordMove(*engine);
    testHints_.moveStarted(move);
  };
}

void TEditor::endTestPlay() {
  engine->onMoveStart = nullptr;
  testHistory_.clear();
  testHints_.reset();
  engine->createRoom(0, kEditFog);
  testMode = 0;
}

void TEditor::testFrame() {
  if (gfx && gfx->mapIconsImg && kTestIconFrame < gfx->mapIconsImg->FrameCount())
    DrawImage(gfx->mapIconsImg, 230, 41, kTestIconFrame);
  if (text && text->setFont(1)) {
    text->draw(engine->location.name, 285, 15);
    text->draw(engine->roomName, 285, 45);
  }
  // The game's order: every drawing pass (the arrows take their clicks
  // there), then the object update. Updating first would drop the
  // selection on the click that meant its arrow.
  engine->drawRoom();
  testPreview_.draw(*engine);
  testHints_.draw(*engine, MilliSecs());
  if (engine->glyphCount != 0 && engine->activeGlyphs == engine->glyphCount && text && text->setFont(1))
    text->draw("Room solved!", 704, 300, true, true);
  if (effects) effects->updateAll();
  engine->updateObjects();
  testPlayAids();
  if (!buttons) return;
  if (buttons->draw("RESET", 745, 26, kSmallButtons) == kButtonActivated) {
    // As in the game: undo right after a reset brings the room back.
    testHistory_.recordReset(*engine);
    testHints_.forget();
    engine->createRoom(0, kPlayFog);
  } else if (buttons->draw("BACK", 745, 62, kSmallButtons) == kButtonActivated) {
    endTestPlay();
  } else if (buttons->draw("HINT", 745, 98, kSmallButtons) == kButtonActivated && roomAtRest(*engine)) {
    testHints_.ask(*engine);
  }
}

void TEditor::testPlayAids() {
  testHints_.update(*engine);
  if (text && !testHints_.message().empty() && text->setFont(kHintFont))
    text->draw(testHints_.message(), 306, kMessageY, true, true);
  if (textInputActive != 0 || !roomAtRest(*engine)) return;
  // Test play collects nothing for anyone: the takings go nowhere.
  TStatus nobody;
  switch (undoKeyPressed()) {
    case TUndoKey::undo:
      if (testHistory_.undo(*engine, nobody)) testHints_.forget();
      break;
    case TUndoKey::redo:
      if (testHistory_.redo(*engine, nobody)) testHints_.forget();
      break;
    case TUndoKey::none:
      break;
  }
  if (KeyHit('H') > 0) testHints_.ask(*engine);
}
