#include <gtest/gtest.h>

#include "platform/input.h"

namespace {

class Input : public ::testing::Test {
 protected:
  void SetUp() override { ResetInput(); }
  void TearDown() override { ResetInput(); }
};

TEST_F(Input, HeldKeyHitsOnceAndRepeatsAddNothing) {
  PostEvent(kEventKeyDown, 'A');
  for (int i = 0; i < 30; ++i) PostEvent(kEventKeyRepeat, 'A');
  PostEvent(kEventKeyDown, 'A');  // a second down without an up is a repeat too
  EXPECT_EQ(KeyHit('A'), 1);
  EXPECT_EQ(KeyHit('A'), 0);
  EXPECT_TRUE(KeyDown('A'));
  PostEvent(kEventKeyUp, 'A');
  EXPECT_FALSE(KeyDown('A'));
  PostEvent(kEventKeyDown, 'A');
  PostEvent(kEventKeyUp, 'A');
  PostEvent(kEventKeyDown, 'A');
  EXPECT_EQ(KeyHit('A'), 2);
  EXPECT_EQ(KeyHit(0), 0);
  EXPECT_EQ(KeyHit(300), 0);
  EXPECT_FALSE(KeyDown(-1));
}

TEST_F(Input, TwoClicksBetweenFramesCountTwice) {
  PostEvent(kEventMouseDown, 1, 10, 10);
  PostEvent(kEventMouseUp, 1, 10, 10);
  PostEvent(kEventMouseDown, 1, 10, 10);
  EXPECT_EQ(MouseHit(1), 2);
  EXPECT_EQ(MouseHit(1), 0);
  EXPECT_TRUE(MouseDown(1));
  EXPECT_FALSE(MouseDown(2));
  PostEvent(kEventMouseMove, 1, 123, 456);
  EXPECT_EQ(MouseX(), 123);
  EXPECT_EQ(MouseY(), 456);
  PostEvent(kEventMouseWheel, 2);
  PostEvent(kEventMouseWheel, -3);
  EXPECT_EQ(MouseZ(), -1);
  FlushMouse();
  EXPECT_EQ(MouseZ(), 0);
  EXPECT_FALSE(MouseDown(1));
  EXPECT_EQ(MouseX(), 123) << "a flush keeps the position";
}

// A real mouse often presses and releases between two frames; the frame's
// snapshot must still see the button down once, then up.
TEST_F(Input, ClickShorterThanAFrameReadsDownOnceThenUp) {
  PostEvent(kEventMouseDown, 1);
  PostEvent(kEventMouseUp, 1);
  EXPECT_EQ(MouseHit(1), 1);
  EXPECT_TRUE(MouseDown(1)) << "the press is kept for the first query";
  EXPECT_FALSE(MouseDown(1));
  EXPECT_FALSE(MouseDown(1));

  // Two whole clicks between frames: two hits, down once, then up.
  PostEvent(kEventMouseDown, 1);
  PostEvent(kEventMouseUp, 1);
  PostEvent(kEventMouseDown, 1);
  PostEvent(kEventMouseUp, 1);
  EXPECT_EQ(MouseHit(1), 2);
  EXPECT_TRUE(MouseDown(1));
  EXPECT_FALSE(MouseDown(1));

  // A press already seen down is released at once.
  PostEvent(kEventMouseDown, 2);
  EXPECT_TRUE(MouseDown(2));
  PostEvent(kEventMouseUp, 2);
  EXPECT_FALSE(MouseDown(2));

  // Focus loss drops a pending release with the rest of the mouse state.
  PostEvent(kEventMouseDown, 1);
  PostEvent(kEventMouseUp, 1);
  PostEvent(kEventAppSuspend);
  EXPECT_FALSE(MouseDown(1));
  EXPECT_EQ(MouseHit(1), 0);
}

TEST_F(Input, LosingFocusClearsHeldKeysUntilPressedAgain) {
  PostEvent(kEventKeyDown, kKeyLShift);
  PostEvent(kEventMouseDown, 2);
  PostEvent(kEventKeyChar, 'x');
  PostEvent(kEventAppSuspend);
  EXPECT_TRUE(AppSuspended());
  EXPECT_FALSE(KeyDown(kKeyLShift));
  EXPECT_FALSE(MouseDown(2));
  EXPECT_EQ(GetChar(), 0);
  PostEvent(kEventAppResume);
  EXPECT_FALSE(AppSuspended());
  EXPECT_FALSE(KeyDown(kKeyLShift));
  EXPECT_EQ(KeyHit(kKeyLShift), 0);
  PostEvent(kEventKeyDown, kKeyLShift);
  EXPECT_TRUE(KeyDown(kKeyLShift));
}

TEST_F(Input, CharacterQueueKeepsTheFirst256InOrder) {
  for (int i = 0; i < 300; ++i) PostEvent(kEventKeyChar, 32 + i % 200);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(GetChar(), 32 + i % 200) << i;
  EXPECT_EQ(GetChar(), 0);
  PostEvent(kEventKeyChar, 'q');
  EXPECT_EQ(GetChar(), 'q') << "room again once read";
  PostEvent(kEventKeyChar, 'z');
  FlushKeys();
  EXPECT_EQ(GetChar(), 0);
}

TEST_F(Input, TerminateIsReportedOncePerCloseRequest) {
  EXPECT_FALSE(AppTerminate());
  PostEvent(kEventAppTerminate);
  EXPECT_TRUE(AppTerminate());
  EXPECT_FALSE(AppTerminate());
  PostEvent(kEventAppTerminate);
  PostEvent(kEventAppTerminate);
  EXPECT_TRUE(AppTerminate());
  EXPECT_FALSE(AppTerminate());
}

TEST_F(Input, EventQueueHolds256AndDropsTheRest) {
  PostEvent(kEventMouseEnter, 0, 5, 6);
  for (int i = 0; i < 300; ++i) PostEvent(kEventMouseMove, 0, i, i);
  EXPECT_EQ(PollEvent(), kEventMouseEnter);
  EXPECT_EQ(CurrentEvent().x, 5);
  int moves = 0;
  while (PollEvent() == kEventMouseMove) ++moves;
  EXPECT_EQ(moves, 255);
  EXPECT_EQ(CurrentEvent().code, 0) << "an empty queue leaves no current event";
  // Enter and leave are queued but change nothing polled.
  PostEvent(kEventMouseLeave, 0, -4, 7);
  EXPECT_EQ(MouseX(), 299);
  EXPECT_EQ(PollEvent(), kEventMouseLeave);
  EXPECT_EQ(CurrentEvent().x, -4);
  EXPECT_EQ(PollEvent(), 0);
}

TEST_F(Input, SomeCodesUpdateTheirQueuedEntryInsteadOfQueueingAgain) {
  PostEvent(8193, 1, 10, 10);
  PostEvent(kEventKeyDown, 'B');
  PostEvent(8193, 2, 20, 20);
  EXPECT_EQ(PollEvent(), 8193);
  EXPECT_EQ(CurrentEvent().data, 2);
  EXPECT_EQ(PollEvent(), kEventKeyDown);
  EXPECT_EQ(PollEvent(), 0);
}

}  // namespace

namespace {

TEST(Notify, WithoutADisplayTheMessageGoesToStandardError) {
  ::testing::internal::CaptureStderr();
  Notify("Error: Could not load load fonts.", true);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error: Could not load load fonts.\n");
}

}  // namespace
