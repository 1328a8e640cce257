// Editing without a mouse. A cursor cell over the room moves with the arrow
// keys; Space or Enter (a pad's A) is a left click there: it paints the
// chosen block or object through the same path as the mouse, or picks up
// what lies there when nothing is chosen. Delete puts the chosen piece
// down, as a right click does.
//
// Tab, or Up off the room's top row, hands the keys to the toolbar: the
// focus starts on the chosen block or object, Down, Up, Tab, Left and Right
// walk it over the blocks' row, the objects' row, the buttons and the room
// list, and Enter on a block or object chooses it and gives the keys back
// to the room. Escape over the focus gives them back without choosing; any
// box that opens takes the keys and leaves them to the room when it closes.
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "screens/editor.h"
#include "widgets/mouse.h"

namespace {

constexpr int kToolbarItems = 18;
constexpr float kHeldPieceAlpha = 0.6f;

}  // namespace

void TEditor::editingKeys(const TArrowHits& arrows) {
  // Space and Delete are read in every frame, so a press on the toolbar
  // never paints later in the room.
  const int space = KeyHit(kKeySpace), putDown = KeyHit(kKeyDelete);
  if (!locationOpen()) return;  // no room yet: the keys walk the buttons
  if (putDown > 0) curObj = curBlk = 0;
  if (mouse) keyCursor_.followPointer(mouse->x, mouse->y);
  if (keysOnToolbar_) {
    // Left and Right walk the toolbar's rows as Up and Down do.
    if (mouse) mouse->keyFocus.step(arrows.right - arrows.left);
    return;
  }
  const int paint = space + KeyHit(kKeyEnter), tab = KeyHit(kKeyTab);
  const bool offTop = keyCursor_.shown() && keyCursor_.row() == 1 && arrows.up > arrows.down;
  if (tab > 0 || offTop) {
    keysToToolbar();
    return;
  }
  if (arrows.any() + paint == 0 || keyCursor_.showForKey()) return;  // the first key only shows the cursor
  keyCursor_.step(arrows);
  if (paint == 0) return;
  const int c = keyCursor_.column(), r = keyCursor_.row();
  if (curObj != 0 || curBlk != 0)
    paintHeldAt(c, r);
  else
    pickUp(c, r);
}

void TEditor::keysToToolbar() {
  keysOnToolbar_ = true;
  keyCursor_.hide();
  if (mouse) mouse->keyFocus.showAt(chosenToolPlace());
}

void TEditor::keysToRoom() {
  keysOnToolbar_ = false;
  if (mouse) mouse->keyFocus.reset();
  if (locationOpen()) keyCursor_.showForKey();
}

int TEditor::chosenToolPlace() const {
  if (curBlk >= 1 && curBlk <= kToolbarItems) return curBlk - 1;
  for (int i = 1; i <= kToolbarItems; ++i)
    if (curObj != 0 && editorItems[static_cast<size_t>(i)] == curObj) return kToolbarItems + i - 1;
  return 0;
}

bool TEditor::roomHasKeys() const { return !testMode && editorStatus == kEditing && locationOpen() && !keysOnToolbar_; }

void TEditor::handKeys() {
  if (!mouse || testMode) return;  // test play hands them as the game does
  if (editorStatus != kEditing) keysOnToolbar_ = false;  // the box's buttons have the focus
  if (roomHasKeys()) mouse->keyFocus.leaveKeys();
}

bool TEditor::backOutOfToolbar(int requested) {
  const bool focusShown = mouse && mouse->keyFocus.shown();
  if (requested != kScreenMainMenu || !keysOnToolbar_ || !focusShown || testMode || editorStatus != kEditing)
    return false;
  keysToRoom();
  FlushKeys();
  return true;
}

void TEditor::drawKeyCursor() {
  const int c = keyCursor_.column(), r = keyCursor_.row();
  markCell(c, r);
  // The chosen piece shows faintly in the cell it would go to.
  const float alpha = GetAlpha();
  SetAlpha(kHeldPieceAlpha);
  drawHeldPiece(engine->centreX(c), engine->centreY(r));
  SetAlpha(alpha);
  keyCursor_.draw(*engine, MilliSecs());
}
