#pragma once
// What the front-end menus share: the background, the menu frame, and a
// column of large buttons centred at x 598.
#include <string>

#include "platform/image.h"
#include "widgets/profile_name_input.h"

namespace menu {

constexpr int buttonX = 598;
constexpr int buttonY[5] = {290, 342, 394, 446, 498};
constexpr int largeButton = 1;
constexpr int smallButton = 2;

// The background at (0, 0) and, when asked, the menu frame at (489, 236).
void drawBackground(const TImagePtr& background, bool withFrame);
// A large button of the column; true on the frame it is activated.
bool columnButton(const std::string& label, int row, bool disabled = false);
// "Label: value" on one line: the label outlined at x, the value at valueX
// or just after the label when the label is wider, in the current font.
void drawStatusLine(const std::string& label, const std::string& value, int x, int valueX, int y);
// The player's name box (inputName) drawn with the game's widgets.
TNameInputKit nameInputKit();
// A title, centred and outlined in the large font.
void drawTitle(const std::string& title, int y);

}  // namespace menu
