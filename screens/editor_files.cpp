// Loading and saving the edited location through the location requester.
// A file that cannot be read whole is refused with a message naming it;
// saving over another location's file asks first; a save is written whole or
// not at all, and a failed one says so and keeps the changes marked unsaved.
#include "data/file_names.h"
#include "platform/file_system.h"
#include "platform/input.h"
#include "screens/editor.h"
#include "screens/location_requester.h"

void TEditor::diagLocLoad() {
  if (!locRequester) {
    locRequester = createLocationRequester(*this, "LOAD LOCATION", "", -1, -1, 0);
    return;
  }
  const int answer = locRequester->update();
  if (answer == 1 && !locRequester->filename.empty()) {
    TLocation loaded;
    const std::string problem = loadWholeLocation(locRequester->filename, loaded);
    if (!problem.empty()) {
      locRequester->setMessage(problem);
      return;
    }
    finishedLoad(loaded);
    resetStatus = 1;
  } else if (answer == 2) {
    resetStatus = 1;
  }
}

void TEditor::finishedLoad(TLocation& loaded) {
  curObj = curBlk = 0;
  engine->location = loaded;
  engine->location.curRoom = 1;
  engine->createRoom(0, kEditFog);
  setRoomList();
  roomList->setCurView(1);
  locationFile = loaded.name;
  history.clear();
  solvability.clear();
  changed = 0;
  canDraw = 1;
}

void TEditor::diagLocSave() {
  if (!locRequester) {
    locRequester = createLocationRequester(*this, "SAVE LOCATION", engine->location.name, -1, -1, 0);
    return;
  }
  const int answer = locRequester->update();
  if (answer == 2) {
    // CANCEL goes back to editing, also when the save was the unsaved-changes
    // question's YES: what was asked for after it is dropped, not asked again.
    nextStatus = 0;
    nextEditorStatus = 0;
    resetStatus = 1;
    return;
  }
  if (answer != 1) return;
  const std::string name = locRequester->filename;
  const std::string problem = locationNameProblem(name);
  if (!problem.empty()) {
    locRequester->setMessage(problem);
    if (locRequester->textBox) locRequester->textBox->setActive(1);
    return;
  }
  // Another location's file is only replaced when the player says so.
  if (name != locationFile && FileExists(TLocation::filePath(name))) {
    pendingSaveName = name;
    switchDialogue(kReplaceFile);
    return;
  }
  if (saveAs(name)) resetStatus = 1;
}

bool TEditor::saveAs(const std::string& name) {
  FlushKeys();
  engine->location.name = name;
  engine->storeRoom();
  if (!engine->location.write(TLocation::filePath(name))) {
    noticeText = "SAVE FAILED\\n\\nThe location could not be written to " + TLocation::filePath(name) +
                 ". Your changes are not saved.";
    changed = 1;
    switchDialogue(kNotice);
    return false;
  }
  locationFile = name;
  history.markSaved();
  changed = 0;
  return true;
}
