#include "app/monkey_input.h"

#include <gtest/gtest.h>

#include "app/globals.h"
#include "platform/input.h"

namespace {

struct TSeen {
  int mouseDowns = 0, keys = 0, escapes = 0, quitPresses = 0, screenshots = 0;
};

TSeen runMonkey(int screenCode, int frames) {
  ResetInput();
  SetSystemInput(false);
  TSeen seen;
  {
    TMonkeyInput monkey(7);
    for (int i = 0; i < frames; ++i) {
      monkey.frame(screenCode);
      while (PollEvent()) {
        const TEvent& e = CurrentEvent();
        if (e.code == kEventMouseDown) {
          ++seen.mouseDowns;
          if (e.x >= 505 && e.x <= 690 && e.y >= 470 && e.y <= 525) ++seen.quitPresses;
        }
        if (e.code == kEventKeyDown) ++seen.keys;
        if (e.code == kEventKeyDown && e.data == kKeyEscape) ++seen.escapes;
        if (e.code == kEventKeyDown && e.data == kKeyF12) ++seen.screenshots;
      }
    }
  }
  ResetInput();
  return seen;
}

TEST(MonkeyInput, PlaysEverywhereButNeverQuitsFromTheMainMenu) {
  const TSeen menu = runMonkey(kScreenMainMenu, 20000);
  EXPECT_GT(menu.mouseDowns, 500);
  EXPECT_GT(menu.keys, 300);
  EXPECT_EQ(menu.escapes, 0);
  EXPECT_EQ(menu.quitPresses, 0);
  EXPECT_EQ(menu.screenshots, 0);

  const TSeen game = runMonkey(kScreenGame, 20000);
  EXPECT_GT(game.escapes, 0);  // elsewhere Escape leads back to the menu
  EXPECT_GT(game.quitPresses, 0);
  EXPECT_EQ(game.screenshots, 0);
}

}  // namespace
