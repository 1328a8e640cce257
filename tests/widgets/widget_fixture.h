#pragma once
// Drives widgets headless: a real 800 x 600 surface on SDL's dummy driver,
// a virtual clock advanced 25 ms per frame, and pointer and keys fed as the
// window system would.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/pixmap.h"
#include "tests/support/solid_strip.h"
#include "widgets/button.h"
#include "widgets/mouse.h"
#include "widgets/text.h"

class WidgetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 0)); }

  void SetUp() override {
    SetSystemInput(false);
    ResetInput();
    ResetDrawState();
    UseVirtualClock(100000);
    mouse = std::make_unique<TMouse>();
    text = TText::Create(mouse.get());
    auto font = ReadStream("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    ASSERT_TRUE(font) << "fonts-dejavu-core is installed by the setup script";
    for (int slot : {2, 4, 8}) {
      font->Seek(0);
      ASSERT_TRUE(text->Load(slot, font, slot == 4 ? 16 : 19, 1));
    }
  }
  void TearDown() override { UseRealClock(); }

  // One frame: the widgets drew with the snapshot of the previous frame, then
  // the main loop refreshes the mouse and time moves on.
  void endFrame() {
    mouse->update();
    AdvanceVirtualClock(25);
    Cls();
  }
  void moveTo(int x, int y) { PostEvent(kEventMouseMove, 0, x, y); }
  void press(int button = 1) { PostEvent(kEventMouseDown, button, MouseX(), MouseY()); }
  void release(int button = 1) { PostEvent(kEventMouseUp, button, MouseX(), MouseY()); }
  void type(const std::string& s) {
    for (unsigned char c : s) PostEvent(kEventKeyChar, c);
  }
  void hitKey(int key) {
    PostEvent(kEventKeyDown, key);
    PostEvent(kEventKeyUp, key);
  }

  static TImagePtr solidStrip(int w, int h, int frames) { return ::solidStrip(w, h, frames); }
  static int pixelRed(int x, int y) {
    auto px = GrabPixmap(x, y, 1, 1);
    return px ? px->At(0, 0)[0] : -1;
  }

  std::unique_ptr<TMouse> mouse;
  std::unique_ptr<TText> text;
};

// A button set with one kind (171 x 42, centred) and a tick box set with one
// (40 x 40), silent.
class ButtonSetTest : public WidgetTest {
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
