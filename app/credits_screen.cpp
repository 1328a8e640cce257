#include "app/credits_screen.h"

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "app/menu_layout.h"
#include "platform/graphics.h"
#include "widgets/button.h"
#include "widgets/text.h"

namespace {

struct TCreditLine {
  const char* heading;  // empty: a further name under the heading above
  int y;
  const char* name;
};

// Headings at x 100, names at x 500. A name has the 300 pixels up to the
// right edge; the licences in full are in the game's folder.
constexpr TCreditLine kCredits[] = {
    {"Design & Programming", 160, "The Tesmoria Team"},
    {"Graphics", 190, "The Tesmoria Team, in code"},
    {"Music & Sound", 220, "FluidR3 GM soundfont (MIT)"},
    {"Level Design", 250, "The Tesmoria Team"},
    {"", 280, "Rooms proven by our solver"},
    {"", 310, "Linux Libertine type (OFL)"},
};
constexpr int kNameX = 500;
constexpr int kRightMargin = 8;
// A name too long for its column drops to the smaller slots of the same white.
constexpr int kNameSlot = 1;
constexpr int kSmallerNameSlot = 6;
constexpr int kSmallestNameSlot = 4;

}  // namespace

TCreditsScreen::TCreditsScreen() { musicTrack = kMusicKeep; }

void TCreditsScreen::update() {
  menu::drawBackground(gfx ? gfx->mainBg : nullptr, false);
  menu::drawTitle("CREDITS", 70);
  if (text) {
    text->setFont(1);
    for (const TCreditLine& line : kCredits) {
      text->setFont(kNameSlot);
      if (line.heading[0]) text->draw(line.heading, 100, static_cast<float>(line.y));
      text->fitFont(line.name, kViewWidth - kNameX - kRightMargin, {kNameSlot, kSmallerNameSlot, kSmallestNameSlot});
      text->draw(line.name, kNameX, static_cast<float>(line.y));
    }
    text->setFont(kNameSlot);
    text->draw("Beta Testers:", 100, 430);
    text->draw("Everyone who played the early builds", 100, 460);
  }
  if (buttons && buttons->draw("MENU", 745, 575, menu::smallButton) == kButtonActivated) gameState = kScreenMainMenu;
}
