#pragma once
// The game's own file requester: a draggable dialogue with a list of the
// files of one folder and one extension, and in save mode a name box.
#include <memory>
#include <string>

#include "platform/image.h"
#include "widgets/dialogue.h"
#include "widgets/list_box.h"
#include "widgets/text_box.h"

class TRequestFile {
 public:
  std::unique_ptr<TDialogue> dialogue;
  std::unique_ptr<TListBox> fileList;
  std::unique_ptr<TTextBox> textBox;  // save mode only
  std::string fileExt;                // without the dot; empty = every entry
  int hideExt = 0;
  int save = 0;
  std::string dir;
  int fixed = 0;
  int lock = 0;
  int textH = 0;
  std::string filename;
  // A message shown under the list (a name refused, a file that cannot be
  // read); the list gives up room for it.
  std::string message;
  int messageHeight = 0;
  // The message of the listing about files it left out (names the files
  // cannot keep); empty when none were.
  std::string leftOutNote;

  static std::unique_ptr<TRequestFile> Create(int x, int y, int margin, const TImagePtr& picture,
                                              const std::string& title, TMouse* mouse, TText* text, int fontID,
                                              float alphaOffset = 0);
  void initialse();
  void setProperties(const std::string& extension, bool hideExtension, bool saveMode, const std::string& directory,
                     bool lockFlag);
  void setButtons(TButton* buttons, int kind, int margin, const std::string& label1, const std::string& label2);
  void setArrows(const std::string& arrowPath, int cellWidth, int cellHeight, const std::string& trackPath);
  void setFilename(const std::string& name);
  void updateFileList();
  // 0, 1 (load or save) or 2 (cancel); after 1 the choice is in filename.
  int update();
  void fix(int flag);
  void setMessage(const std::string& text);

 private:
  int listX() const;
  int listY() const;
};
