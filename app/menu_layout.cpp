#include "app/menu_layout.h"

#include <algorithm>

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "platform/graphics.h"
#include "widgets/button.h"
#include "widgets/text.h"

namespace menu {

void drawBackground(const TImagePtr& background, bool withFrame) {
  if (background) DrawImage(background, 0, 0, 0);
  if (withFrame && gfx && gfx->gui_menuFrameImg) DrawImage(gfx->gui_menuFrameImg, 489, 236, 0);
}

TNameInputKit nameInputKit() {
  TNameInputKit kit;
  kit.box = gfx ? gfx->gui_dialogueSmlImg : nullptr;
  kit.mouse = mouse;
  kit.text = text;
  kit.buttons = buttons;
  kit.textInputActive = &textInputActive;
  return kit;
}

bool columnButton(const std::string& label, int row, bool disabled) {
  return buttons && buttons->draw(label, buttonX, buttonY[row], largeButton, disabled) == kButtonActivated;
}

void drawStatusLine(const std::string& label, const std::string& value, int x, int valueX, int y) {
  if (!text) return;
  text->draw(label, static_cast<float>(x), static_cast<float>(y), false, true);
  const int after = x + TextWidth(label) + 4;
  text->draw(value, static_cast<float>(std::max(valueX, after)), static_cast<float>(y));
}

void drawTitle(const std::string& title, int y) {
  if (!text) return;
  text->setFont(7);
  text->draw(title, 400, static_cast<float>(y), true, true);
}

}  // namespace menu
