// The second click of a double click never acts on a screen that its first
// click opened, however slowly it follows: the window system counts it as
// the second of a series, and the series began before the screen was
// entered. A double click made wholly on one screen still reaches it, and
// a fresh click after a screen change acts at once.
#include "widget_fixture.h"
#include "widgets/button.h"

namespace {

class DoubleClickTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    buttons = TButton::Create(mouse.get(), text.get(), nullptr);
    ASSERT_TRUE(buttons->add(1, solidStrip(171, 42, 4), 8, -2, -1, true));
    moveTo(400, 300);
    endFrame();
  }
  void pressCounted(int clicks) { PostEvent(kEventMouseDown, 1, 400, 300, clicks); }
  // The first click of a double click opens a new screen: the main loop
  // forgets the presses at the switch.
  void firstClickOpensAScreen() {
    pressCounted(1);
    release();
    endFrame();
    mouse->forgetPresses();
  }
  // Draws the button for n frames; true when it fired in one of them.
  bool buttonFires(int n) {
    bool fired = false;
    for (int f = 0; f < n; ++f) {
      fired = buttons->draw("QUIT", 400, 300, 1) == kButtonActivated || fired;
      endFrame();
    }
    return fired;
  }
  std::unique_ptr<TButton> buttons;
};

TEST_F(DoubleClickTest, TheSecondClickOfADoubleClickNeverActsOnTheScreenItsFirstOpened) {
  // At any pace: made at once, or frames after the new screen showed.
  for (int framesBetween : {0, 2, 6, 12, 20}) {
    SCOPED_TRACE(framesBetween);
    firstClickOpensAScreen();
    EXPECT_FALSE(buttonFires(framesBetween));
    pressCounted(2);
    endFrame();
    EXPECT_EQ(mouse->clicked[1], 0);
    EXPECT_EQ(mouse->down[1], 0);
    release();
    EXPECT_FALSE(buttonFires(10)) << "the second click fired the button under it";
    EXPECT_EQ(mouse->released[1], 0);
    // A third click of the same series is no fresher.
    pressCounted(3);
    release();
    EXPECT_FALSE(buttonFires(10));
    // A new click, counted 1, is the player's own on this screen.
    pressCounted(1);
    release();
    EXPECT_TRUE(buttonFires(10));
  }
}

TEST_F(DoubleClickTest, APressBegunBeforeTheScreenWasEnteredNeverActsOnIt) {
  pressCounted(1);
  endFrame();
  mouse->forgetPresses();
  EXPECT_FALSE(buttonFires(8)) << "held through the change";
  release();
  EXPECT_FALSE(buttonFires(8)) << "let go on the new screen";
  EXPECT_EQ(mouse->released[1], 0);
}

TEST_F(DoubleClickTest, ASecondClickMadeDuringTheCrossFadeIsDroppedWithItsSeries) {
  mouse->forgetPresses();
  pressCounted(2);  // after the switch, before the fade: kept for the new screen...
  release();
  mouse->keepPresses();
  mouse->dropNewPresses();
  EXPECT_FALSE(buttonFires(10)) << "...but it continues the click that opened the screen";
}

TEST_F(DoubleClickTest, ADoubleClickOnOneScreenReachesIt) {
  pressCounted(1);
  endFrame();
  EXPECT_EQ(mouse->clicked[1], 1);
  release();
  endFrame();
  pressCounted(2);
  endFrame();
  EXPECT_EQ(mouse->clicked[1], 1) << "the second click of a series begun here counts";
  EXPECT_EQ(mouse->down[1], 1);
}

}  // namespace
