// Making the editor, running one frame of it (editing or test play), and the
// question about unsaved changes that leaving it asks.
#include "screens/editor.h"

#include <algorithm>

#include "screens/gfx_set.h"
#include "effects/effects.h"
#include "engine/catalogue.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/text_log.h"
#include "screens/game_host.h"
#include "screens/room_engine.h"
#include "widgets/button.h"
#include "widgets/mouse.h"
#include "widgets/text.h"

namespace {

constexpr int kSmallButtons = 2;

void drawIfLoaded(const TImagePtr& image, float x, float y, int frame = 0) {
  if (image && frame >= 0 && frame < image->FrameCount()) DrawImage(image, x, y, frame);
}

std::string makeHelpText() {
  return "EDITOR HELP"
         "\\n\\n * Each location can have up to 12 rooms."
         "\\n * Each room must have at least one glyph and one emitter."
         "\\n * Emitters produce light from all edges adjacent to the floor."
         "\\n * There must be at least the same number light rays as glyphs."
         "\\n * Left click to select object/block from tool bar."
         "\\n * Left click to draw current object/block."
         "\\n * Right click to unselect current block/object."
         "\\n * Left click to pick up a block/object if nothing selected."
         "\\n * Shift + cursor keys - move room within grid."
         "\\n * Ctrl+C to copy current room, and Ctrl+V to paste copied room."
         "\\n * Ctrl+Z to undo, Ctrl+Y (or Ctrl+Shift+Z) to redo."
         "\\n * F5 checks whether the room can be solved.";
}

}  // namespace

TEditor::TEditor(const TScreenKit& kit) : TScreenKit(kit) {
  engine = std::make_shared<TEngine>();
  engine->host = gameHost(*this);
  engine->pictures = roomPicturesFromGfx(gfx);
  tooltip = TToolTip::Create(mouse, text, 3);
  if (gfx && gfx->gui_dialogueSmlImg) diagX = 400 - gfx->gui_dialogueSmlImg->width / 2;
  if (gfx && gfx->gui_dialogueLrgImg) diagY = 300 - gfx->gui_dialogueLrgImg->height / 2;
  musicTrack = kMusicRandom;
  FlushKeys();
  engine->setOffset(5, 96);
  engine->location.reset();

  roomList = TListBox::Create(623, 274, 172, 166, mouse, text, 4, 13);
  // The list's blue highlight would vanish on the dark blue panel.
  roomList->setSelectionBar(235, 222, 180, 0.9f);
  roomList->addArrows("gfx\\gui_arrows.png", 21, 21, "gfx\\gui_arrTrack.png");

  helpText = makeHelpText();
  // The help box stands at (60, 140) unless it would then run off the
  // picture, its OK button with it.
  const TImagePtr helpPicture = gfx ? gfx->gui_dialogueMasImg : nullptr;
  const int helpX = helpPicture ? std::min(60, 800 - helpPicture->width) : 60;
  const int helpY = helpPicture ? std::min(140, 600 - helpPicture->height) : 140;
  dialogue2 = TDialogue::Create(std::max(0, helpX), std::max(0, helpY), 25, helpPicture, helpText, mouse, text, 2);
  dialogue2->setButtons(buttons, kSmallButtons, 25, "OK", "");
}

TEditor::~TEditor() { solvability.clear(); }

void TEditor::leave() {
  solvability.clear();
  closeDialogues();
}

void TEditor::update() {
  justClicked = 0;
  SetColor(255, 255, 255);
  SetAlpha(1);
  if (gfx) {
    drawIfLoaded(gfx->mainBg, 0, 0);
    drawIfLoaded(gfx->editorTop, 0, 0);
  }
  if (testMode)
    testFrame();
  else
    editFrame();
  handKeys();
  // Tips go over everything the frame drew.
  if (tooltip) tooltip->drawShown();
}

void TEditor::editFrame() {
  if (gfx) drawIfLoaded(gfx->editorSide, 608, 0);
  drawLocationName();
  drawGui();
  checkInputKeys();
  solvability.poll();
  drawSolvability();
  if (locationOpen()) {
    SetColor(28, 28, 28);
    engine->drawGrid();
    SetColor(255, 255, 255);
    engine->drawBlocks(1, 0);
    engine->drawObjects(0);
    engine->drawShadowMap();
    EndStillLayer(kStillGround);
    engine->drawObjectShadows();
    engine->drawBlocks(0, 1);
    EndStillLayer(kStillWhole);
    engine->drawObjects(1);
    if (editorStatus == kEditing) updateItems();
  } else {
    engine->mouseC = engine->mouseR = 0;
  }

  if (editorStatus == kEditing) {
    // One cell mark: the keys' cursor while it shows, else the pointer's.
    if (keyCursor_.shown() && locationOpen())
      drawKeyCursor();
    else if (engine->mouseC != 0 && engine->mouseR != 0)
      markCell(engine->mouseC, engine->mouseR);
  } else if (editorStatus == kHelp) {
    if (dialogue2->update() == 1) editorStatus = kEditing;
  } else {
    runDialogue();
  }

  if (resetStatus) {
    resetStatus = 0;
    closeDialogues();
    FlushKeys();
    if (nextStatus != 0) {
      gameState = nextStatus;
    } else if (nextEditorStatus != 0) {
      editorStatus = nextEditorStatus;
      nextEditorStatus = 0;
    } else {
      editorStatus = kEditing;
    }
  }
}

void TEditor::closeDialogues() {
  dialogue.reset();
  textBox.reset();
  locRequester.reset();
  boxMessage.clear();
  textInputActive = 0;
}

bool TEditor::holdLeave(int requested) {
  if (backOutOfToolbar(requested)) return true;
  if (changed == 0) return false;
  // Test play ends first, so the question shows over the design.
  if (testMode) endTestPlay();
  const bool backOut = requested == kScreenMainMenu && editorStatus != kEditing;
  closeDialogues();
  resetStatus = 0;
  nextEditorStatus = 0;
  if (backOut) {
    // Escape over an open box (the unsaved-changes question among them, and
    // the save box its YES opened) backs out of it to editing.
    nextStatus = 0;
    editorStatus = kEditing;
    FlushKeys();
    return true;
  }
  nextStatus = requested;
  editorStatus = kSaveChanges;
  return true;
}

int TEditor::checkChanged(int status) {
  if (changed == 1) {
    nextEditorStatus = status;
    return kSaveChanges;
  }
  return status;
}

void TEditor::beginEdit() {
  if (!locationOpen()) return;
  engine->storeRoom();
  history.record(engine->location);
  changed = 1;
  solvability.clear();
}

void TEditor::undoEdit() {
  if (!locationOpen()) return;
  engine->storeRoom();
  if (history.undo(engine->location)) rebuildAfterHistory();
}

void TEditor::redoEdit() {
  if (!locationOpen()) return;
  engine->storeRoom();
  if (history.redo(engine->location)) rebuildAfterHistory();
}

void TEditor::rebuildAfterHistory() {
  engine->createRoom(engine->location.curRoom, kEditFog);
  setRoomList();
  roomList->setCurView(0);
  changed = history.atSaved() ? 0 : 1;
  solvability.clear();
}

void TEditor::drawLocationName() {
  if (!locationOpen() || !text) return;
  // The name's box on the side panel: a long name takes a smaller size, then
  // is cut, rather than running out of the panel.
  text->fitFont(engine->location.name, kNameBoxWidth, {6, 1, 4});
  SetTextBox(kNameX - 4, kNameY - 4, kNameBoxWidth + 8, kNameBoxHeight);
  text->draw(text->clipToWidth(engine->location.name, kNameBoxWidth), kNameX, kNameY);
  ResetTextBox();
}

void TEditor::drawSolvability() {
  const std::string status = solvability.statusText();
  if (status.empty() || !text || !text->setFont(3)) return;
  // Over the room's bottom wall, where the game shows its hint messages,
  // clear of the side panel's headings.
  text->draw(status, kStatusX, kStatusY, true, true);
}
