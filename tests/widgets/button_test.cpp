#include "widgets/button.h"

#include "widget_fixture.h"
#include "widgets/text_box.h"

namespace {

using ButtonTest = ButtonSetTest;

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

// Clicks as a player makes them: shorter than a frame, twice in a frame, or
// still held when the screen changes.
class MouseClicks : public ButtonTest {
 protected:
  void click() {
    press();
    release();
  }
  // Frames of a button at (400, 300); true when it fired in one of them.
  bool buttonFiresWithin(int frames) {
    bool fired = false;
    for (int f = 0; f < frames; ++f) {
      fired = fired || buttons->draw("OK", 400, 300, 1) == kButtonActivated;
      endFrame();
    }
    return fired;
  }
};

TEST_F(MouseClicks, ClickWithinOneFrameIsAPressThenARelease) {
  moveTo(200, 200);
  endFrame();
  click();
  endFrame();
  EXPECT_EQ(mouse->clicked[1], 1);
  EXPECT_EQ(mouse->down[1], 1);
  EXPECT_EQ(boxes->draw(200, 200, false, 1), 0) << "pressed look first";
  endFrame();
  EXPECT_EQ(mouse->released[1], 1);
  EXPECT_EQ(boxes->draw(200, 200, false, 1), 1) << "the fast click ticks the box";
  endFrame();
  EXPECT_EQ(boxes->draw(200, 200, true, 1), 0);

  // Two clicks in one frame: both presses counted, then one release.
  click();
  click();
  endFrame();
  EXPECT_EQ(mouse->clicked[1], 2);
  EXPECT_EQ(mouse->down[1], 1);
  endFrame();
  EXPECT_EQ(mouse->released[1], 1);
  EXPECT_EQ(mouse->down[1], 0);
}

TEST_F(MouseClicks, ForgottenPressesNeverActAfterAScreenChange) {
  // A press on a button, then the screen changes before it fired.
  moveTo(400, 300);
  endFrame();
  press();
  endFrame();
  EXPECT_EQ(buttons->draw("OK", 400, 300, 1), kButtonPressed);
  mouse->forgetPresses();
  EXPECT_FALSE(buttonFiresWithin(10)) << "held through the change";
  release();
  EXPECT_FALSE(buttonFiresWithin(10)) << "released after it";

  // A click not yet collected when the screen changes (during the fade).
  click();
  mouse->forgetPresses();
  EXPECT_FALSE(buttonFiresWithin(10));

  // A button held across the change and let go over a tick box does not tick it.
  moveTo(200, 200);
  endFrame();
  press();
  endFrame();
  mouse->forgetPresses();
  endFrame();
  EXPECT_EQ(mouse->down[1], 0);
  release();
  endFrame();
  EXPECT_EQ(boxes->draw(200, 200, false, 1), 0);

  // The next press is a fresh click again.
  moveTo(400, 300);
  click();
  endFrame();
  EXPECT_TRUE(buttonFiresWithin(10));
}

TEST_F(MouseClicks, BackspaceInAnEmptyBoxIsNotKeptForLater) {
  auto box = TTextBox::Create(10, 10, 200, "", mouse.get(), text.get(), 2);
  hitKey(kKeyBackspace);
  box->update();
  hitKey(kKeyBackspace);
  box->update();
  for (char c : std::string("Khufu")) {
    hitKey(std::toupper(static_cast<unsigned char>(c)));
    PostEvent(kEventKeyChar, c);
    box->update();
  }
  box->update();
  EXPECT_EQ(box->getText(), "Khufu");
  // The letters typed were text, not hotkeys.
  EXPECT_EQ(KeyHit('K'), 0);
  EXPECT_EQ(KeyHit('F'), 0);
  // Backspace with text still deletes, and Enter ends the typing.
  hitKey(kKeyBackspace);
  box->update();
  hitKey(kKeyEnter);
  box->update();
  EXPECT_EQ(box->getText(), "Khuf");
  EXPECT_EQ(box->getReturn(), 1);
}

}  // namespace
