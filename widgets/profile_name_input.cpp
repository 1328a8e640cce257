#include "widgets/profile_name_input.h"

#include "data/file_names.h"
#include "platform/input.h"
#include "widgets/box_message.h"
#include "widgets/button.h"
#include "widgets/dialogue.h"
#include "widgets/text_box.h"

const char* const kNameCancelled = "#c#";

struct TNameEntry {
  std::unique_ptr<TDialogue> dialogue;
  std::unique_ptr<TTextBox> field;
  std::string refusal;  // why the last name was refused, shown under the field
};

namespace {
void setTyping(const TNameInputKit& kit, int on) {
  if (kit.textInputActive) *kit.textInputActive = on;
}
}  // namespace

std::string inputName(TProfile& profile, const TNameInputKit& kit) {
  std::shared_ptr<TNameEntry>& nameEntry = profile.nameEntry;
  std::string& newName = profile.newName;
  TText* const text = kit.text;
  if (!nameEntry) {
    nameEntry = std::make_shared<TNameEntry>();
    nameEntry->dialogue = TDialogue::Create(profile.diagX, profile.diagY, 25, kit.box, "Please enter your name:",
                                            kit.mouse, text, 2, 0);
    nameEntry->dialogue->setButtons(kit.buttons, 2, 25, "OK", "CANCEL");
    FlushKeys();
    nameEntry->field = TTextBox::Create(70, 75, 200, "", kit.mouse, text, 2);
    nameEntry->field->maxChars = static_cast<int>(kLongestName);  // as the profile files keep
    nameEntry->field->setParentDialogue(nameEntry->dialogue.get());
    nameEntry->field->setBg(255, 255, 255, 0.5f);
    setTyping(kit, 1);
    return {};
  }
  const int pressed = nameEntry->dialogue->update();
  newName = nameEntry->field->update();
  const TTextBox& field = *nameEntry->field;
  if (field.droppedCharacter && nameEntry->refusal.empty()) nameEntry->refusal = kDroppedCharacterNotice;
  drawBoxMessage(text, 2, nameEntry->refusal, nameEntry->dialogue->x + 25,
                 nameEntry->dialogue->y + field.y + field.h + 12, nameEntry->dialogue->w);
  if (pressed == 2) {
    nameEntry.reset();
    setTyping(kit, 0);
    return kNameCancelled;
  }
  if (pressed == 1 || nameEntry->field->getReturn()) {
    // A name must be usable as a file name; until it is, the box stays open.
    if (!isSafeProfileName(newName) || !fileNameProblem(newName).empty()) {
      nameEntry->refusal = fileNameProblem(newName);
      if (nameEntry->refusal.empty()) nameEntry->refusal = "That name cannot be used.";
      nameEntry->field->setActive(1);
      return {};
    }
    nameEntry.reset();
    setTyping(kit, 0);
    return newName;
  }
  return {};
}
