// Buttons and tick boxes from the keyboard: the focus walks them in the
// order they are drawn, Enter acts as a click, the mouse hides it, and a
// screen that takes the keys itself keeps them.
#include "widgets/key_focus.h"

#include "widget_fixture.h"
#include "widgets/button.h"

namespace {

class KeyFocusTest : public ButtonSetTest {
 protected:
  void SetUp() override {
    ButtonSetTest::SetUp();
    moveTo(5, 5);  // the pointer rests away from every widget
    endFrame();
  }
  // One frame of a menu: three buttons and a tick box, top to bottom; the
  // states drawn, the box's change in tickResult.
  std::vector<int> menu(bool greyMiddle = false) {
    std::vector<int> states = {buttons->draw("ONE", 400, 100, 1), buttons->draw("TWO", 400, 200, 1, greyMiddle),
                               buttons->draw("THREE", 400, 300, 1)};
    tickResult = boxes->draw(400, 400, ticked, 1);
    if (tickResult != 0) ticked = tickResult > 0;
    endFrame();
    return states;
  }
  bool ticked = false;
  int tickResult = 0;
};

TEST_F(KeyFocusTest, DownAndTabWalkTheWidgetsAndEnterActsOnTheFocusedOne) {
  menu();
  EXPECT_FALSE(mouse->keyFocus.shown());
  hitKey(kKeyDown);  // the first key shows the focus on the first widget
  menu();
  EXPECT_EQ(menu(), (std::vector<int>{kButtonHover, kButtonIdle, kButtonIdle}));
  hitKey(kKeyDown);
  menu();
  hitKey(kKeyTab);
  EXPECT_EQ(menu(), (std::vector<int>{kButtonIdle, kButtonHover, kButtonIdle}));
  EXPECT_EQ(menu(), (std::vector<int>{kButtonIdle, kButtonIdle, kButtonHover}));
  hitKey(kKeyEnter);
  menu();
  EXPECT_EQ(menu(), (std::vector<int>{kButtonIdle, kButtonIdle, kButtonActivated}));
  EXPECT_EQ(menu(), (std::vector<int>{kButtonIdle, kButtonIdle, kButtonHover})) << "once";
  // On to the tick box, whose Enter ticks it; then round to the top again.
  hitKey(kKeyDown);
  menu();
  hitKey(kKeyEnter);
  menu();
  menu();
  EXPECT_TRUE(ticked);
  hitKey(kKeyDown);
  menu();
  EXPECT_EQ(menu()[0], kButtonHover);
  // From nothing, Up shows the focus on the last widget.
  moveTo(30, 30);
  menu();
  mouse->keyFocus.reset();
  hitKey(kKeyUp);
  menu();
  EXPECT_EQ(mouse->keyFocus.focusIndex(), 3);
  hitKey(kKeyDown);
  menu();
  EXPECT_EQ(menu()[0], kButtonHover);
  // Up and Shift+Tab go back, round to the last.
  hitKey(kKeyUp);
  menu();
  EXPECT_EQ(mouse->keyFocus.focusIndex(), 3);
  PostEvent(kEventKeyDown, kKeyLShift);
  hitKey(kKeyTab);
  menu();
  PostEvent(kEventKeyUp, kKeyLShift);
  EXPECT_EQ(menu()[2], kButtonHover);
}

TEST_F(KeyFocusTest, GreyedButtonsAreSkippedAndANewLayoutStartsAgain) {
  hitKey(kKeyDown);
  menu(true);
  hitKey(kKeyDown);
  menu(true);
  EXPECT_EQ(menu(true), (std::vector<int>{kButtonIdle, kButtonDisabled, kButtonHover}));
  // Another screen's widgets: nothing is focused until a key asks again.
  buttons->draw("ELSEWHERE", 200, 500, 1);
  endFrame();
  EXPECT_EQ(buttons->draw("ELSEWHERE", 200, 500, 1), kButtonIdle);
  endFrame();
  EXPECT_EQ(mouse->keyFocus.focusIndex(), -1);
}

TEST_F(KeyFocusTest, TheMouseHidesTheFocusAndAScreenCanKeepTheKeys) {
  hitKey(kKeyDown);
  menu();
  ASSERT_TRUE(mouse->keyFocus.shown());
  moveTo(20, 20);
  menu();
  EXPECT_FALSE(mouse->keyFocus.shown());
  EXPECT_EQ(menu()[0], kButtonIdle);
  // A screen that reads the arrows itself leaves them where they are.
  mouse->keyFocus.leaveKeys();
  hitKey(kKeyDown);
  menu();
  EXPECT_FALSE(mouse->keyFocus.shown());
  EXPECT_EQ(KeyHit(kKeyDown), 1) << "the key is still there for the screen";
}

}  // namespace
