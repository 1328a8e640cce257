// Placing and picking up blocks and objects on the grid, and the editor's
// shortcuts: shifting the room, copying and pasting rooms, undo and redo.
#include "screens/gfx_set.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "screens/editor.h"
#include "widgets/mouse.h"

namespace {

void drawFrame(const TImagePtr& image, float x, float y, int frame) {
  if (image && frame >= 0 && frame < image->FrameCount()) DrawImage(image, x, y, frame);
}

bool objectIn(const TEngine& engine, int c, int r) {
  for (int i = 1; i <= engine.roomObjects; ++i) {
    const TObject* o = engine.object(i);
    if (o && o->frame != 0 && o->c == c && o->r == r) return true;
  }
  return false;
}

}  // namespace

void TEditor::updateItems() {
  const int a = engine->mouseC, b = engine->mouseR;
  const bool overCell = a != 0 && b != 0;
  if (!mouse) return;
  // A painting stroke ends when the button is let go: the next is a new step.
  if (!mouse->down[1]) strokeOpen_ = 0;
  const bool overPanel = mouse->rectCollide(612, 134, 188, 462) != 0;
  const bool held = curObj != 0 || curBlk != 0;

  if (!overPanel && held) {
    // The held piece goes with the pointer, unless the keys' cursor shows it.
    if (!keyCursor_.shown()) drawHeldPiece(static_cast<float>(mouse->x), static_cast<float>(mouse->y));
    if (overCell && mouse->down[1] && justClicked == 0 && canDraw == 1) paintHeldAt(a, b);
  }

  if (justClicked || !overCell) return;
  if (held) {
    if (mouse->clicked[1]) {
      canDraw = 1;
    } else if (mouse->clicked[2]) {
      curObj = curBlk = 0;
      justClicked = 1;
    }
  } else if (mouse->clicked[1]) {
    pickUp(a, b);
  }
}

void TEditor::drawHeldPiece(float x, float y) const {
  if (!gfx) return;
  if (curObj != 0)
    drawFrame(gfx->objectImg, x, y, curObj);
  else if (curBlk != 0)
    drawFrame(gfx->blockImg, x, y, curBlk);
}

bool TEditor::heldFitsAt(int a, int b) const {
  if (objectIn(*engine, a, b)) return false;
  if (curObj == 0) return true;
  const TBlock* cellBlock = engine->cell(a, b);
  const bool pit = cellBlock && cellBlock->pit != 0;
  const bool free = engine->isEmpty(a, b, 1, 0) != 0;
  const bool floorTile = engine->objMaster[static_cast<size_t>(curObj)]->floorTile != 0;
  // Only decayed walls and crumbling floors go into pits, and crumbling
  // floors go nowhere else.
  if (!free || pit) return pit && (engine->objDestructable(curObj) != 0 || floorTile);
  return !floorTile;
}

void TEditor::paintHeldAt(int a, int b) {
  if (!heldFitsAt(a, b)) return;
  if (curObj != 0 && engine->roomObjects >= kMaxRoomObjects) {
    editorStatus = kMaxObjects;
    canDraw = 0;
    return;
  }
  const TBlock* cellBlock = engine->cell(a, b);
  // The same block again changes nothing and makes no undo step.
  if (curObj == 0 && (!cellBlock || cellBlock->frame == curBlk)) return;
  placeHeldItem(a, b);
}

void TEditor::markCell(int a, int b) {
  const bool held = curObj != 0 || curBlk != 0;
  const bool fits = heldFitsAt(a, b) && (curObj == 0 || engine->roomObjects < kMaxRoomObjects);
  red = !held || !fits ? 255 : 0;
  green = !held || fits ? 255 : 0;
  blue = held ? 0 : 255;
  if (!gfx) return;
  SetColor(red, green, blue);
  drawFrame(gfx->blockImg, engine->centreX(a), engine->centreY(b), kBlockCursor);
  SetColor(255, 255, 255);
}

// One cell of a painting stroke: the stroke's first cell is its undo step.
void TEditor::placeHeldItem(int a, int b) {
  if (!strokeOpen_) beginEdit();
  strokeOpen_ = 1;
  if (curObj != 0)
    engine->addObject(a, b, curObj);
  else
    engine->setBlockFromMaster(a, b, curBlk);
  engine->createShadowMap(kEditFog);
  justClicked = 1;
  changed = 1;
}

void TEditor::pickUp(int a, int b) {
  const TBlock* cellBlock = engine->cell(a, b);
  const bool hasObject = objectIn(*engine, a, b);
  if (!hasObject && (!cellBlock || cellBlock->frame == 0)) return;  // nothing to take
  beginEdit();
  if (hasObject) {
    // All of them go; the cursor keeps the last one taken.
    for (int i = 1; i <= engine->roomObjects;) {
      const TObject* o = engine->object(i);
      if (o && o->c == a && o->r == b) {
        curObj = o->frame;
        engine->deleteObject(i);
      } else {
        ++i;
      }
    }
  } else {
    curBlk = cellBlock->frame;
    engine->setBlockFromMaster(a, b, kBlockCursor);
  }
  engine->createShadowMap(kEditFog);
  changed = 1;
  canDraw = 0;
}

void TEditor::checkInputKeys() {
  // Every key is read each frame, so hits made earlier (without Shift or
  // Ctrl, or while a box was open) never act later. Up and Down are left to
  // the focus (read after the frame) while the room does not take the keys.
  const bool roomKeys = roomHasKeys();
  TArrowHits arrows;
  arrows.left = KeyHit(kKeyLeft), arrows.right = KeyHit(kKeyRight);
  if (roomKeys) arrows.up = KeyHit(kKeyUp), arrows.down = KeyHit(kKeyDown);
  const int copy = KeyHit('C'), paste = KeyHit('V'), undo = KeyHit('Z'), redo = KeyHit('Y');
  const int solve = KeyHit(kKeyF1 + 4);  // F5
  if (editorStatus != kEditing) return;
  const bool shift = KeyDown(kKeyLShift) || KeyDown(kKeyRShift);
  const bool ctrl = KeyDown(kKeyLControl) || KeyDown(kKeyRControl);
  const bool room = locationOpen() && roomOpen();
  // Plain arrows are the cursor's, or walk the toolbar (Shift+arrows shift
  // the room, and Shift+Tab is a Tab).
  if (!ctrl) editingKeys(shift ? TArrowHits{} : arrows);

  if (shift && room) {
    int dx = 0, dy = 0;
    if (arrows.left)
      dx = -1;
    else if (arrows.right)
      dx = 1;
    if (arrows.up)
      dy = -1;
    else if (arrows.down)
      dy = 1;
    if (dx != 0 || dy != 0) beginEdit();
    if (dx != 0) engine->shiftMap(dx, 0, kEditFog);
    if (dy != 0) engine->shiftMap(0, dy, kEditFog);
  }
  if (ctrl && copy && room) {
    // What is on screen is copied, edits since the last store included.
    engine->storeRoom();
    tempRoom = engine->location.room[engine->location.curRoom]->copy();
  }
  if (ctrl && paste && locationOpen()) {
    TLocation& location = engine->location;
    if (tempRoom && location.roomCount < kLocationMaxRooms) beginEdit();
    // The room on screen is kept before the grid is rebuilt.
    engine->storeRoom();
    location.copyRoom(tempRoom);
    engine->createRoom(location.curRoom, kEditFog);
    setRoomList();
    roomList->setCurView(0);
  }
  if (solve && room) solvability.start(*engine);
  if (ctrl && undo) {
    if (shift)
      redoEdit();
    else
      undoEdit();
  } else if (ctrl && redo) {
    redoEdit();
  }
}
