// The editor's dialogue boxes: naming the location and its rooms, deleting a
// room, the unsaved-changes question, the object limit and notices. Each box
// opens on its first frame and is updated on the later ones; an answer asks
// for the box to close at the end of the frame (resetStatus).
#include "screens/gfx_set.h"
#include "data/file_names.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "screens/editor.h"
#include "widgets/box_message.h"
#include "widgets/text.h"

namespace {

constexpr int kSmallButtons = 2;
constexpr int kFont = 2;

}  // namespace

void TEditor::runDialogue() {
  switch (editorStatus) {
    case kLoadLocation: diagLocLoad(); break;
    case kSaveLocation: diagLocSave(); break;
    case kRenameLocation: diagLocRename(); break;
    case kNewLocation: diagLocNew(); break;
    case kRenameRoom: diagRoomRename(); break;
    case kDeleteRoom: diagRoomDel(); break;
    case kSaveChanges: diagLocConfirm(); break;
    case kMaxObjects: diagMaxObj(); break;
    case kReplaceFile: runReplaceQuestion(); break;
    case kNotice: runNotice(); break;
    default: editorStatus = kEditing; break;
  }
}

void TEditor::switchDialogue(int status) {
  closeDialogues();
  editorStatus = status;
}

void TEditor::openBox(const std::string& message, const std::string& button1, const std::string& button2,
                      int margin) {
  dialogue = TDialogue::Create(diagX, diagY, margin, gfx ? gfx->gui_dialogueSmlImg : nullptr, message, mouse, text,
                               kFont);
  dialogue->setButtons(buttons, kSmallButtons, 25, button1, button2);
  boxMessage.clear();
  textInputActive = 1;
}

void TEditor::openNamingBox(const std::string& title, const std::string& preset) {
  openBox(title, "OK", "CANCEL", 25);
  // Keys pressed before the box opened (Ctrl+C, say) are not typed into it.
  FlushKeys();
  textBox = TTextBox::Create(70, 75, 200, preset, mouse, text, kFont);
  textBox->maxChars = static_cast<int>(kLongestName);  // as the location file keeps
  textBox->setParentDialogue(dialogue.get());
  textBox->setBg(255, 255, 255, 0.5f);
}

int TEditor::runNamingBox(bool fileName) {
  const int pressed = dialogue->update();
  newName = textBox->update();
  if (textBox->droppedCharacter && boxMessage.empty()) boxMessage = kDroppedCharacterNotice;
  // The reason a name was refused shows under the field until it is fixed.
  drawBoxMessage(text, kFont, boxMessage, dialogue->x + 25, dialogue->y + textBox->y + textBox->h + 12,
                 dialogue->w);
  if (pressed == 2) return 2;
  if (pressed != 1 && !textBox->getReturn()) return 0;
  std::string problem = fileName ? locationNameProblem(newName)
                                 : typedNameProblem(newName);
  if (problem.empty() && text && text->setFont(kFont) && TextWidth(newName) > textBox->w - 2 * textBox->padding)
    problem = "That name is too long for the box.";
  if (problem.empty()) return 1;
  boxMessage = problem;
  textBox->setActive(1);
  return 0;
}

void TEditor::diagLocConfirm() {
  if (!dialogue) {
    openBox("SAVE CHANGES\\n\\nYour changes have not been saved. Do you want to save before continuing?", "YES",
            "NO", 25);
    return;
  }
  const int answer = dialogue->update();
  if (answer == 1) {
    // Straight on to the save requester; what was asked for follows it.
    switchDialogue(kSaveLocation);
  } else if (answer == 2) {
    resetStatus = 1;
    if (nextStatus != 0) changed = 0;
  }
}

void TEditor::diagLocNew() {
  if (!dialogue) {
    openNamingBox("NEW LOCATION", "New Location");
    return;
  }
  const int answer = runNamingBox(true);
  if (answer == 1) {
    TLocation& location = engine->location;
    location.reset();
    location.setInfo(newName, 0, 0, 0, "");
    location.addRoom();
    engine->createRoom(0, kEditFog);
    resetStatus = 1;
    setRoomList();
    roomList->setCurView(1);
    locationFile.clear();
    history.clear();
    solvability.clear();
    changed = 0;
    canDraw = 1;
  } else if (answer == 2) {
    resetStatus = 1;
  }
}

void TEditor::diagLocRename() {
  if (!dialogue) {
    openNamingBox("RENAME LOCATION", engine->location.name);
    return;
  }
  const int answer = runNamingBox(true);
  if (answer == 1) {
    if (newName != engine->location.name) {
      beginEdit();
      engine->location.name = newName;
    }
    resetStatus = 1;
  } else if (answer == 2) {
    resetStatus = 1;
  }
}

void TEditor::diagRoomRename() {
  if (!dialogue) {
    openNamingBox("RENAME ROOM", engine->roomName);
    return;
  }
  const int answer = runNamingBox(false);
  if (answer == 1) {
    if (newName != engine->roomName) {
      beginEdit();
      engine->roomName = newName;
      engine->storeRoom();
      setRoomList();
    }
    resetStatus = 1;
  } else if (answer == 2) {
    resetStatus = 1;
  }
}

void TEditor::diagRoomDel() {
  if (!dialogue) {
    openBox("DELETE ROOM\\n\\nAre you sure you wish to delete this room?", "YES", "NO", 20);
    return;
  }
  const int answer = dialogue->update();
  if (answer == 1) {
    beginEdit();
    engine->location.deleteRoom(engine->location.curRoom);
    engine->createRoom(0, kEditFog);
    resetStatus = 1;
    setRoomList();
  } else if (answer == 2) {
    resetStatus = 1;
  }
}

void TEditor::diagMaxObj() {
  if (!dialogue) {
    openBox("MAXIMUM OBJECTS PLACED\\n\\nYou have placed the maximum number of objects. No more objects can be "
            "placed in this room.",
            "OK", "", 20);
    return;
  }
  if (dialogue->update() == 1) resetStatus = 1;
}

void TEditor::runNotice() {
  if (!dialogue) {
    openBox(noticeText, "OK", "", 20);
    return;
  }
  if (dialogue->update() == 1) resetStatus = 1;
}

void TEditor::runReplaceQuestion() {
  if (!dialogue) {
    openBox("REPLACE LOCATION\\n\\nThere is already a location called " + pendingSaveName +
                ". Do you want to replace it?",
            "YES", "NO", 20);
    return;
  }
  const int answer = dialogue->update();
  if (answer == 1) {
    if (saveAs(pendingSaveName)) resetStatus = 1;
  } else if (answer == 2) {
    // Back to the requester to choose another name.
    switchDialogue(kSaveLocation);
  }
}
