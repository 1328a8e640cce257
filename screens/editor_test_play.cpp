// Test play in the editor: the room plays exactly as in the game, built from
// its stored record, so nothing done here reaches the design; with the
// in-game screen's undo and redo keys, hints and slide preview.
#include "screens/gfx_set.h"
#include "effects/effects.h"
#include "engine/room_play.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "screens/editor.h"
#include "widgets/mouse.h"
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
  testSession_.history.clear();
  testSession_.hints.reset();
  testSession_.hints.mapRoom(*engine);
  testSession_.cursor.reset();
  testSession_.follow(*engine);
}

void TEditor::endTestPlay() {
  TRoomSession::stopFollowing(*engine);
  testSession_.history.clear();
  testSession_.hints.reset();
  engine->createRoom(0, kEditFog);
  testMode = 0;
  keysOnToolbar_ = false;  // back to the design, the keys to its room
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
  testSession_.drawAids(*engine, MilliSecs());
  if (engine->glyphCount != 0 && engine->activeGlyphs == engine->glyphCount && text && text->setFont(1))
    text->draw("Room solved!", 704, 300, true, true);
  if (effects) effects->updateAll();
  engine->updateObjects();
  testPlayAids();
  if (!buttons) return;
  if (buttons->draw("RESET", 745, 26, kSmallButtons) == kButtonActivated) {
    // As in the game: undo right after a reset brings the room back.
    testSession_.history.recordReset(*engine);
    testSession_.hints.forget();
    engine->createRoom(0, kPlayFog);
  } else if (buttons->draw("BACK", 745, 62, kSmallButtons) == kButtonActivated) {
    endTestPlay();
  } else if (buttons->draw("HINT", 745, 98, kSmallButtons) == kButtonActivated) {
    testSession_.askHint(*engine);
  }
}

void TEditor::testPlayAids() {
  testSession_.update(*engine);
  if (text && !testSession_.hints.message().empty() && text->setFont(kHintFont))
    text->draw(testSession_.hints.message(), 306, kMessageY, true, true);
  if (textInputActive == 0) {
    // Test play collects nothing for anyone: the takings go nowhere.
    TStatus nobody;
    testSession_.undoKeys(*engine, nobody);
    if (KeyHit('H') > 0) testSession_.askHint(*engine);
  }
  // As in the game, the cursor walks off the room's right edge to the buttons.
  if (mouse) testSession_.cursorKeys(*engine, *mouse, textInputActive != 0);
}
