#include "widgets/button.h"

#include "widget_fixture.h"

namespace {

class ButtonTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    buttons = TButton::Create(mouse.get(), text.get(), nullptr);
    ASSERT_TRUE(buttons->add(1, solidStrip(171, 42, 4), 8, -2, -1, true));
    boxes = TTickBox::Create(mouse.get(), nullptr);
    ASSERT_TRUE(boxes->add(1, solidStrip(40, 40, 5)));
  }
  std::unique_ptr<TButton> buttons;
  std::unique_ptr<TTickBox> boxes;
};

TEST_F(ButtonTest, PressFiresOnceAfterMoreThan100ms) {
  moveTo(400, 300);
  endFrame();
  EXPECT_EQ(buttons->draw("OK", 400, 300, 1), kButtonHover);
  press();
  endFrame();
  // 0, 25, 50, 75, 100 ms after the press: pressed; then fired once.
  for (int f = 0; f < 5; ++f) {
    EXPECT_EQ(buttons->draw("OK", 400, 300, 1), kButtonPressed) << "frame " << f;
    endFrame();
  }
  EXPECT_EQ(buttons->draw("OK", 400, 300, 1), kButtonActivated);
  endFrame();
  EXPECT_EQ(buttons->draw("OK", 400, 300, 1), kButtonHover);
}

TEST_F(ButtonTest, PressStaysPendingWhenThePointerLeavesAndIsSharedByPosition) {
  moveTo(400, 300);
  endFrame();
  press();
  endFrame();
  EXPECT_EQ(buttons->draw("", 400, 300, 1), kButtonPressed);
  moveTo(10, 10);
  release();
  endFrame();
  for (int f = 0; f < 8; ++f) {
    EXPECT_EQ(buttons->draw("", 400, 300, 1), kButtonIdle);
    endFrame();
  }
  // Another button drawn at the same place shares the pending press.
  moveTo(400, 300);
  endFrame();
  EXPECT_EQ(buttons->draw("OTHER", 400, 300, 1), kButtonActivated);
  EXPECT_EQ(buttons->clickX, 0);
}

TEST_F(ButtonTest, DisabledAndUnknownKindsNeverFire) {
  moveTo(400, 300);
  endFrame();
  press();
  for (int f = 0; f < 10; ++f) {
    endFrame();
    EXPECT_EQ(buttons->draw("NO", 400, 300, 1, true), kButtonDisabled);
    EXPECT_EQ(buttons->draw("NO", 400, 300, 7), kButtonIdle);  // never registered
    EXPECT_EQ(buttons->draw("NO", 400, 300, 0), kButtonIdle);
  }
  EXPECT_EQ(buttons->clickX, 0);
  EXPECT_FALSE(buttons->add(0, solidStrip(10, 10, 4), 8, 0, 0, true));
  EXPECT_FALSE(buttons->add(3, TImagePtr(), 8, 0, 0, true));
}

TEST_F(ButtonTest, HoldModeKeepsPressedWhileDraggedOff) {
  moveTo(400, 300);
  endFrame();
  press();
  endFrame();
  EXPECT_EQ(buttons->draw("", 400, 300, 1, false, true), kButtonPressed);
  moveTo(400, 500);
  endFrame();
  EXPECT_EQ(buttons->draw("", 400, 300, 1, false, true), kButtonPressed);
  release();
  endFrame();
  EXPECT_EQ(buttons->draw("", 400, 300, 1, false, true), kButtonIdle);
  EXPECT_EQ(buttons->clickX, 0);
}

TEST_F(ButtonTest, TickBoxTogglesOnReleaseAndDrawsTheNewStateAtOnce) {
  moveTo(100, 100);
  endFrame();
  press();
  endFrame();
  EXPECT_EQ(boxes->draw(100, 100, true, 1), 0);  // pressed: no change yet
  release();
  endFrame();
  Cls();
  // Ticked box released over: unticked, and the tick (frame 4, the lightest
  // grey) is not drawn over the hover frame in this same frame.
  EXPECT_EQ(boxes->draw(100, 100, true, 1), -1);
  EXPECT_EQ(pixelRed(100, 100), 40 + 40 * 1);
  endFrame();
  EXPECT_EQ(boxes->draw(100, 100, false, 1), 0);
  EXPECT_EQ(boxes->draw(100, 100, false, 1, true), 0);
  EXPECT_EQ(boxes->draw(100, 100, false, 9), 0);
}

}  // namespace
