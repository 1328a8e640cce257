#include "screens/location_requester.h"

#include "screens/gfx_set.h"
#include "platform/input.h"

std::unique_ptr<TRequestFile> createLocationRequester(const TScreenKit& kit, const std::string& title, const std::string& fileName, int x,
                                                      int y, int fixed) {
  const TImagePtr picture = kit.gfx ? kit.gfx->gui_dialogueLrgImg : nullptr;
  if (x < 0 && picture) {
    x = 400 - picture->width / 2;
    y = 300 - picture->height / 2;
  }
  FlushKeys();
  kit.textInputActive = 1;
  auto requester = TRequestFile::Create(x, y, 25, picture, title, kit.mouse, kit.text, 2, 0);
  if (fixed) requester->fix(1);
  const bool saveMode = !fileName.empty();
  requester->setProperties("loc", true, saveMode, "locations", true);
  if (saveMode) requester->setFilename(fileName);
  requester->setButtons(kit.buttons, 2, 25, saveMode ? "SAVE" : "LOAD", "CANCEL");
  requester->setArrows("gfx\\gui_arrows.png", 21, 21, "gfx\\gui_arrTrack.png");
  return requester;
}
