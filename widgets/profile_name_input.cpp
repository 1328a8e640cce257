// The player's name dialogue: a small box asking for the name, with OK and
// CANCEL, driven one frame at a time by the menus.
#include "app/gfx_set.h"
#include "app/globals.h"
#include "data/profile.h"
#include "platform/input.h"
#include "widgets/button.h"
#include "widgets/dialogue.h"
#include "widgets/text_box.h"

const char* const kNameCancelled = "#c#";

struct TNameEntry {
  std::unique_ptr<TDialogue> dialogue;
  std::unique_ptr<TTextBox> field;
};

std::string TProfile::inputName() {
  if (!nameEntry) {
    nameEntry = std::make_shared<TNameEntry>();
    nameEntry->dialogue = TDialogue::Create(diagX, diagY, 25, gfx ? gfx->gui_dialogueSmlImg : nullptr,
                                            "Please enter your name:", mouse, text, 2, 0);
    nameEntry->dialogue->setButtons(buttons, 2, 25, "OK", "CANCEL");
    FlushKeys();
    nameEntry->field = TTextBox::Create(70, 75, 200, "", mouse, text, 2);
    nameEntry->field->setParentDialogue(nameEntry->dialogue.get());
    nameEntry->field->setBg(255, 255, 255, 0.5f);
    textInputActive = 1;
    return {};
  }
  const int pressed = nameEntry->dialogue->update();
  newName = nameEntry->field->update();
  if (pressed == 2) {
    nameEntry.reset();
    textInputActive = 0;
    return kNameCancelled;
  }
  if (pressed == 1 || nameEntry->field->getReturn()) {
    // A name must be usable as a file name; until it is, the box stays open.
    if (!isSafeProfileName(newName)) {
      nameEntry->field->setActive(1);
      return {};
    }
    nameEntry.reset();
    textInputActive = 0;
    return newName;
  }
  return {};
}
