#include "widgets/dialogue.h"

#include "widget_fixture.h"
#include "widgets/button.h"
#include "widgets/text_box.h"
#include "widgets/tooltip.h"

namespace {

class DialogueTest : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    SetImageFont(nullptr);  // the built-in font: every character is 8 pixels wide
  }
  int charWidth() { return TextWidth("a"); }
};

TEST_F(DialogueTest, WrapBreaksAtSpacesFullStopsCommasAndBreakSequences) {
  const int cw = charWidth();
  ASSERT_GT(cw, 0);
  // Room for 3 characters: "c" overflows one character after the space,
  // which ends the line and is trimmed away.
  auto lines = wrapText("ab cd", 3 * cw);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "ab");
  EXPECT_EQ(lines[1], "cd");

  lines = wrapText("hello there world", 11 * cw);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "hello there");
  EXPECT_EQ(lines[1], "world");

  lines = wrapText("one,two three", 6 * cw);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "one,");

  lines = wrapText("end.Next word", 6 * cw);
  EXPECT_EQ(lines[0], "end.");

  lines = wrapText("first\\nsecond", 100 * cw);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "first");
  EXPECT_EQ(lines[1], "second");
}

TEST_F(DialogueTest, UnbreakableWordIsCutWhereItStopsFitting) {
  const int cw = charWidth();
  auto lines = wrapText("abcdefghijklmnop", 5 * cw);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "abcde");
  EXPECT_EQ(lines[3], "p");
  for (auto& l : lines) EXPECT_LE(TextWidth(l), 5 * cw);
  // A width narrower than one character still ends.
  EXPECT_EQ(wrapText("xyz", 1).size(), 3u);
}

TEST_F(DialogueTest, ButtonsWaitTenFramesAndDragIsClampedToTheScreen) {
  auto buttons = TButton::Create(mouse.get(), text.get(), nullptr);
  ASSERT_TRUE(buttons->add(2, solidStrip(88, 28, 4), 4, -2, -1, true));
  auto dlg = TDialogue::Create(100, 100, 25, solidStrip(300, 200, 1), "Drag me", mouse.get(), text.get(), 2);
  dlg->setButtons(buttons.get(), 2, 25, "OK", "CANCEL");
  EXPECT_EQ(dlg->bxOffset[1], 25 + 44);
  EXPECT_EQ(dlg->bxOffset[2], 300 - 25 - 44);
  EXPECT_EQ(dlg->byOffset, 200 - 25 - 14);

  // Pointer held on button 1 from the start: nothing for 10 frames.
  moveTo(100 + dlg->bxOffset[1], 100 + dlg->byOffset);
  press();
  endFrame();
  for (int f = 0; f < 9; ++f) {
    EXPECT_EQ(dlg->update(), 0);
    endFrame();
  }
  release();
  endFrame();

  // Drag from the middle to the top left in small steps: it stops at the edges.
  int px = 250, py = 150;
  moveTo(px, py);
  endFrame();
  dlg->update();
  press();
  endFrame();
  dlg->update();
  for (int step = 0; step < 8; ++step) {
    moveTo(px -= 20, py -= 20);
    endFrame();
    dlg->update();
  }
  EXPECT_EQ(dlg->x, 0);
  EXPECT_EQ(dlg->y, 0);
  // ...and a new drag to the bottom right.
  release();
  px = dlg->x + 150, py = dlg->y + 100;
  moveTo(px, py);
  endFrame();
  dlg->update();
  press();
  endFrame();
  dlg->update();
  for (int step = 0; step < 60; ++step) {
    moveTo(px += 20, py += 20);
    endFrame();
    dlg->update();
    px = std::min(px, dlg->x + 200), py = std::min(py, dlg->y + 150);  // stay on the picture
  }
  EXPECT_EQ(dlg->x, kViewWidth - 300);
  EXPECT_EQ(dlg->y, kViewHeight - 200);
}

TEST_F(DialogueTest, TextBoxFiltersLimitsAndEditsWithKeys) {
  auto box = TTextBox::Create(10, 10, 300, "", mouse.get(), text.get(), 2);
  box->setProperties(1, 0, true, 1, true, false);
  type("A7.");
  for (int f = 0; f < 3; ++f) {
    box->update();
    endFrame();
  }
  EXPECT_EQ(box->getText(), "7.");

  box->setProperties(1, 3, false, 1, true, false);
  box->clearText();
  type("abcd");
  for (int f = 0; f < 4; ++f) box->update();
  EXPECT_EQ(box->getText(), "abc");

  box->setText("abc");
  EXPECT_EQ(box->cursor, 3);
  hitKey(kKeyHome);
  box->update();
  EXPECT_EQ(box->cursor, 0);
  hitKey(kKeyDelete);
  box->update();
  EXPECT_EQ(box->getText(), "bc");

  // Enter in a locked box reports the return but keeps the box active.
  box->setProperties(1, 0, false, 1, true, true);
  hitKey(kKeyEnter);
  box->update();
  EXPECT_EQ(box->getReturn(), 1);
  EXPECT_EQ(box->getActive(), 1);
  box->update();
  EXPECT_EQ(box->getReturn(), 0);
}

TEST_F(DialogueTest, TextBoxWithoutCountLimitStopsAtItsWidth) {
  SetImageFont(nullptr);
  auto box = TTextBox::Create(10, 10, 50, "", mouse.get(), text.get(), 2);
  type(std::string(40, 'w'));
  for (int f = 0; f < 40; ++f) box->update();
  text->setFont(2);
  EXPECT_FALSE(box->getText().empty());
  EXPECT_LE(TextWidth(box->getText()), 50 - 2 * box->padding);
  EXPECT_GT(TextWidth(box->getText() + "w"), 50 - 2 * box->padding);
}

// The files keep one byte a character: a letter beyond Latin-1 cannot be
// kept, and the box notes it so its owner can tell the player.
TEST_F(DialogueTest, TextBoxNotesLettersItCannotKeep) {
  auto box = TTextBox::Create(10, 10, 300, "", mouse.get(), text.get(), 2);
  PostEvent(kEventKeyChar, 0xE9);  // e acute: Latin-1, kept
  box->update();
  EXPECT_EQ(box->droppedCharacter, 0);
  PostEvent(kEventKeyChar, 0x263A);  // a smiling face: left out
  box->update();
  EXPECT_EQ(box->getText(), "\xE9");
  EXPECT_EQ(box->droppedCharacter, 1);
}

TEST_F(DialogueTest, TooltipIsClampedIntoTheViewAfterItsDelay) {
  auto tip = TToolTip::Create(mouse.get(), text.get(), 4);
  moveTo(795, 8);
  endFrame();
  tip->update("Crate", 790, 5, 10, 10, TToolTip::pos_first);  // first hover: starts the delay
  for (int f = 0; f < 21; ++f) endFrame();
  Cls();
  tip->update("Crate", 790, 5, 10, 10, TToolTip::pos_first);
  tip->drawShown();
  text->setFont(4);
  const int boxW = TextWidth("Crate") + 2 * 2 + 2;
  const int left = kViewWidth - boxW - 2;
  // The frame's top-left corner sits at (left, padding), drawn in black on
  // the white background of the box.
  EXPECT_EQ(pixelRed(left + 3, 2 + 3), 255);
  EXPECT_EQ(pixelRed(left - 2, 2 + 3), 0);

  // Tips off: nothing remembered.
  auto off = TToolTip::Create(mouse.get(), text.get(), 4);
  off->setDelay(0);
  off->update("x", 790, 5, 10, 10, TToolTip::pos_first);
  EXPECT_EQ(off->lastTxt, "");
}

TEST_F(DialogueTest, ATipWiderThanTheScreenWrapsOntoLinesInsideIt) {
  auto tip = TToolTip::Create(mouse.get(), text.get(), 4);
  std::string longTip;
  for (int i = 0; i < 40; ++i) longTip += "sarcophagus ";
  longTip += "end";
  text->setFont(4);
  ASSERT_GT(TextWidth(longTip), kViewWidth);
  moveTo(400, 300);
  endFrame();
  tip->update(longTip, 390, 290, 20, 20, TToolTip::pos_first);
  for (int f = 0; f < 21; ++f) endFrame();
  tip->update(longTip, 390, 290, 20, 20, TToolTip::pos_first);
  const TToolTip::TBox box = tip->shown();
  EXPECT_GE(box.x, 0);
  EXPECT_LE(box.x + box.w, kViewWidth);
  ASSERT_GT(box.lines.size(), 1u);
  std::string joined;
  for (const std::string& line : box.lines) {
    EXPECT_LE(TextWidth(line), kViewWidth) << line;
    joined += (joined.empty() ? "" : " ") + line;
  }
  EXPECT_EQ(joined, longTip) << "every word is shown, in order";
  EXPECT_EQ(box.h, static_cast<int>(box.lines.size()) * TextHeight() + 2 * 2 + 2 - 1);
}

}  // namespace
