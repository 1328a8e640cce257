// Short notices for what the player did with a key that shows nothing by
// itself (a screenshot, a profile export): a floating text that rises and
// fades near the bottom of the picture, on whatever screen is up.
#include "app/globals.h"
#include "app/effects_kit.h"
#include "app/shell_services.h"
#include "effects/effects.h"
#include "widgets/text.h"

namespace {
// Above the bottom line of the menus and the game's buttons.
constexpr float kNoticeX = 400;
constexpr float kNoticeY = 535;
}  // namespace

void shellShowNotice(const std::string& line) {
  // One notice at a time: a new one replaces the one still rising.
  auto& floats = TTextFloat::all();
  floats.remove_if([](const TTextFloat& t) { return t.x == kNoticeX; });
  TTextFloat::create(line, kNoticeX, kNoticeY);
}

void shellDrawNotices() {
  // The game and the editor move the floating texts with their effects;
  // every other screen gets them moved here.
  if (!TTextFloat::takeUpdated() && !TTextFloat::all().empty()) {
    const int previous = text ? text->curFont : 0;
    TTextFloat::updateAll(effects ? effects->kit : gameEffectsKit());
    if (text && previous) text->setFont(previous);
  }
  TTextFloat::takeUpdated();
}
