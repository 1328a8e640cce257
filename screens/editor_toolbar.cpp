// The editor's toolbar of blocks and objects with their tips, its buttons for
// the location and its rooms, and the list of rooms.
#include "screens/gfx_set.h"
#include "platform/graphics.h"
#include "screens/editor.h"
#include "widgets/button.h"
#include "widgets/mouse.h"

const std::array<int, 19> editorItems = {0, 1, 2, 3, 4, 16, 5, 17, 6, 7, 8, 9, 19, 10, 13, 12, 14, 11, 15};

namespace {

constexpr int kToolbarItems = 18;
constexpr float kToolbarScale = 0.65f;
constexpr int kSmallButtons = 2;
constexpr int kPointerHand = 1;

int toolbarX(int i) { return 206 + 34 * (i - 1); }

void drawFrame(const TImagePtr& image, float x, float y, int frame) {
  if (image && frame >= 0 && frame < image->FrameCount()) DrawImage(image, x, y, frame);
}

std::string objectTip(const TObject& item) {
  return item.score > 1 ? item.name + " (" + std::to_string(item.score) + ")" : item.name;
}

}  // namespace

void TEditor::drawGui() {
  const bool editing = editorStatus == kEditing;
  if (locationOpen()) {
    SetScale(kToolbarScale, kToolbarScale);
    for (int i = 1; i <= kToolbarItems; ++i) {
      const int x = toolbarX(i);
      const int item = editorItems[static_cast<size_t>(i)];
      if (gfx) {
        drawFrame(gfx->blockImg, static_cast<float>(x), 22, i);
        drawFrame(gfx->objectImg, static_cast<float>(x), 61, item);
      }
      if (!editing || !mouse) continue;
      if (mouse->rectCollide(x - 16, 6, 32, 32)) {
        mouse->setImage(kPointerHand);
        if (mouse->clicked[1]) chooseTool(i, 0);
      } else if (mouse->rectCollide(x - 16, 45, 32, 32)) {
        mouse->setImage(kPointerHand);
        if (mouse->clicked[1]) chooseTool(0, item);
      }
    }
    SetScale(1, 1);
    for (int i = 1; i <= kToolbarItems; ++i) {
      const int x = toolbarX(i) - 16;
      tooltip->update(engine->blkMaster[static_cast<size_t>(i)]->name, x, 6, 32, 32,
                      i == 1 ? TToolTip::pos_first : TToolTip::pos_inbetween);
      // The last tip of the frame forgets a tip no longer hovered.
      tooltip->update(objectTip(*engine->objMaster[static_cast<size_t>(editorItems[static_cast<size_t>(i)])]), x, 45,
                      32, 32, i == kToolbarItems ? TToolTip::pos_last : TToolTip::pos_inbetween);
      if (!editing || !mouse) continue;
      // The keys' focus walks the blocks' row, then the objects'; Enter
      // chooses as a click does and gives the keys back to the room.
      if (mouse->keyFocus.offer(x, 6, 32, 32).activated) {
        chooseTool(i, 0);
        keysToRoom();
      }
      if (mouse->keyFocus.offer(x, 45, 32, 32).activated) {
        chooseTool(0, editorItems[static_cast<size_t>(i)]);
        keysToRoom();
      }
    }
  }

  if (buttons) {
    const bool noLocation = !editing || !locationOpen();
    const bool noRoom = noLocation || !roomOpen();
    auto pressed = [this](const char* label, int x, int y, bool disabled) {
      return buttons->draw(label, x, y, kSmallButtons, disabled) == kButtonActivated;
    };
    if (pressed("NEW", butX1, 183, !editing)) editorStatus = checkChanged(kNewLocation);
    if (pressed("RENAME", butX1, 213, noLocation)) editorStatus = kRenameLocation;
    if (pressed("LOAD", butX2, 183, !editing)) editorStatus = checkChanged(kLoadLocation);
    if (pressed("SAVE", butX2, 213, noLocation)) editorStatus = kSaveLocation;
    if (pressed("UP", butX1, 460, noRoom) && engine->location.curRoom > 1) {
      beginEdit();
      engine->location.moveRoom(-1);
      setRoomList();
    }
    if (pressed("DOWN", butX2, 460, noRoom) && engine->location.curRoom < engine->location.roomCount) {
      beginEdit();
      engine->location.moveRoom(1);
      setRoomList();
    }
    if (pressed("CLONE", butX1, 488, noRoom) && engine->location.roomCount < kLocationMaxRooms) {
      beginEdit();
      engine->location.cloneRoom();
      setRoomList();
      roomList->setCurView(0);
    }
    if (pressed("DELETE", butX2, 488, noRoom)) editorStatus = kDeleteRoom;
    if (pressed("RENAME", butX1, 516, noRoom)) editorStatus = kRenameRoom;
    if (pressed("TEST", butX2, 516, noRoom)) startTestPlay();
    if (pressed("HELP", butX1, 559, !editing)) editorStatus = kHelp;
    // With unsaved changes the main loop holds the editor and it asks first.
    if (pressed("MENU", butX2, 559, !editing)) gameState = kScreenCustomMenu;
  }

  const int n = roomList->update(!editing || !roomOpen());
  if (n != 0) useRoomListChoice(n);
}

void TEditor::chooseTool(int block, int object) {
  curBlk = block;
  curObj = object;
  justClicked = 1;  // this click is used: it paints nothing
}

void TEditor::useRoomListChoice(int n) {
  TLocation& location = engine->location;
  engine->storeRoom();
  solvability.clear();
  if (n > location.roomCount) {
    // One of the two extra items: a new room, empty or generated.
    const bool random = n == location.roomCount + 2;
    beginEdit();
    const int count = location.addRoom();
    engine->createRoom(count, 0.5f);
    if (random) engine->randomRoom(0, 0.5f);
    setRoomList();
  } else {
    engine->createRoom(n, 0.5f);
  }
  roomList->setCurView(0);
}

void TEditor::setRoomList() {
  const TLocation& location = engine->location;
  roomList->clearItems();
  for (int i = 1; i <= location.roomCount; ++i) roomList->addItem(location.room[i] ? location.room[i]->name : "");
  if (location.roomCount < kLocationMaxRooms) {
    roomList->addItem("[empty room]");
    roomList->addItem("[random room]");
  }
  roomList->setCurView(location.curRoom);
  roomList->setSliderPos();
}
