#include "widgets/request_file.h"

#include "data/file_names.h"
#include "platform/file_system.h"
#include "platform/graphics.h"
#include "widgets/box_message.h"
#include "widgets/button.h"
#include "widgets/text.h"

std::unique_ptr<TRequestFile> TRequestFile::Create(int x, int y, int margin, const TImagePtr& picture,
                                                   const std::string& title, TMouse* mouse, TText* text, int fontID,
                                                   float alphaOffset) {
  auto r = std::make_unique<TRequestFile>();
  r->dir = CurrentDir();
  r->dialogue = TDialogue::Create(x, y, margin, picture, title, mouse, text, fontID, alphaOffset);
  r->initialse();
  return r;
}

int TRequestFile::listX() const { return dialogue->x + dialogue->margin; }
int TRequestFile::listY() const { return dialogue->y + dialogue->margin + static_cast<int>(1.5 * textH); }

void TRequestFile::initialse() {
  TText* text = dialogue->textObj;
  if (text) {
    const int previous = text->curFont;
    text->setFont(dialogue->fontID);
    textH = TextHeight() - 1;
    text->setFont(previous);
  }
  fileList = TListBox::Create(listX(), listY(), dialogue->w, dialogue->h - 2 * textH, dialogue->mouseObj, text,
                              dialogue->fontID, 0);
  updateFileList();
}

void TRequestFile::setProperties(const std::string& extension, bool hideExtension, bool saveMode,
                                 const std::string& directory, bool lockFlag) {
  fileExt = extension;
  hideExt = hideExtension;
  save = saveMode;
  dir = directory;
  lock = lockFlag;
  if (save) {
    textBox = TTextBox::Create(dialogue->margin, dialogue->h, dialogue->w, "", dialogue->mouseObj,
                               dialogue->textObj, dialogue->fontID);
    textBox->setPos(textBox->x, textBox->y - (textBox->h + textH / 2));
    textBox->setParentDialogue(dialogue.get());
    textBox->setBg(255, 255, 255, 0.5f);
    textBox->maxChars = static_cast<int>(kLongestName);  // as the files that name it keep
    fileList->h -= textBox->h;
    fileList->setPos(-1, -1);
  }
  updateFileList();
}

void TRequestFile::setButtons(TButton* buttons, int kind, int margin, const std::string& label1,
                              const std::string& label2) {
  dialogue->setButtons(buttons, kind, margin, label1, label2);
  const TBut* b = buttons ? buttons->kind(kind) : nullptr;
  if (b) {
    fileList->h -= b->img->height;
    fileList->setPos(-1, -1);
  }
}

void TRequestFile::setArrows(const std::string& arrowPath, int cellWidth, int cellHeight,
                             const std::string& trackPath) {
  fileList->addArrows(arrowPath, cellWidth, cellHeight, trackPath);
}

void TRequestFile::setFilename(const std::string& name) {
  if (textBox) textBox->setText(name);
}

void TRequestFile::updateFileList() {
  if (!IsDirectory(dir.empty() ? "." : dir)) return;  // unreadable: keep the list as it is
  fileList->clearItems();
  int leftOut = 0;
  for (const std::string& name : ReadDir(dir.empty() ? "." : dir, true)) {
    const std::string ext = ExtractExt(dir + "/" + name);
    if (!fileExt.empty() && ext != fileExt) continue;
    if (name[0] == '.') continue;  // hidden files are no choice to offer
    const std::string shown = hideExt && !ext.empty() ? name.substr(0, name.size() - ext.size() - 1) : name;
    // A name that a save could not keep as it is (a line break, too long)
    // would come back as another name: such files are not offered.
    if (!isListableName(hideExt ? shown : StripExt(name))) {
      ++leftOut;
      continue;
    }
    fileList->addItem(shown);
  }
  // The note of an earlier listing goes with it.
  if (!leftOutNote.empty() && message == leftOutNote) setMessage("");
  leftOutNote.clear();
  if (leftOut > 0) {
    leftOutNote = std::to_string(leftOut) + (leftOut == 1 ? " file is" : " files are") +
                  " left out: names with control characters or longer than " + std::to_string(kLongestName) +
                  " characters cannot be kept.";
    setMessage(leftOutNote);
  }
}

int TRequestFile::update() {
  if (!fixed) {
    // Working the scroll column must never drag the whole requester.
    if (fileList->sliderCollide) {
      dialogue->fixed = 1;
    } else if (dialogue->fixed) {
      dialogue->fixed = 0;
      dialogue->mx = dialogue->my = -1;
    }
  }
  const int result = dialogue->update();
  fileList->setPos(listX(), listY());
  const int n = fileList->update(false);
  if (n != 0) {
    filename = fileList->getItem(n);
    if (save && textBox) textBox->setText(filename);
  }
  drawBoxMessage(dialogue->textObj, dialogue->fontID, message, listX(), fileList->y + fileList->h, dialogue->w);
  if (save && textBox) {
    filename = textBox->update();
    if (textBox->droppedCharacter && message.empty()) setMessage(kDroppedCharacterNotice);
    // The click that picked a name from the list also counts as a click
    // outside the box; keep the box active so typing edits the picked name.
    if (n != 0) textBox->setActive(1);
    // Enter in the name box is the first button, as in the game's other
    // naming boxes (the box takes Enter before the keys' focus could).
    if (result == 0 && textBox->getReturn() != 0) return 1;
  }
  return result;
}

void TRequestFile::fix(int flag) {
  fixed = flag;
  dialogue->fixed = flag;
}

void TRequestFile::setMessage(const std::string& text) {
  if (text == message) return;
  fileList->h += messageHeight;
  messageHeight = 0;
  message = text;
  if (!message.empty() && dialogue->textObj) {
    TText* t = dialogue->textObj;
    const int previous = t->curFont;
    t->setFont(dialogue->fontID);
    messageHeight = static_cast<int>(wrapText(message, dialogue->w).size()) * t->getHeight(0);
    t->setFont(previous);
    fileList->h -= messageHeight;
  }
  fileList->setPos(-1, -1);
}
