// Big pictures not drawn for a while give their textures back; drawn again
// they look exactly as before, and pictures in use or small ones keep theirs.
#include <gtest/gtest.h>

#include <vector>

#include "platform/clock.h"
#include "platform/graphics.h"
#include "picture_helpers.h"

namespace {

// A w x h picture with a colour ramp and an alpha ramp, so that every
// variant of its texture (plain, bled, faded) shows in the pixels.
TImagePtr Ramp(int w, int h) {
  auto p = std::make_shared<TPixmap>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      SetPixel(*p, x, y, static_cast<uint8_t>(x * 255 / w), static_cast<uint8_t>(y * 255 / h), 90,
               static_cast<uint8_t>(x % 7 == 0 ? 0 : 128 + (x + y) % 128));
  return LoadImage(p, kImageFiltered);
}

class TexturesGivenBack : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 0));
    ResetDrawState();
    SetBlend(kBlendAlpha);
    UseVirtualClock(100000);
  }
  void TearDown() override {
    EndGraphics();
    UseRealClock();
  }

  // One frame: the picture kept in use, and the other when given, at the
  // strength a fading screen uses; the frame as drawn.
  static TPixmapPtr Frame(const TImagePtr& inUse, const TImagePtr& other, bool grab = true, uint32_t frameMs = 17) {
    Cls();
    SetAlpha(1);
    DrawImage(inUse, 0, 300);
    if (other) {
      SetAlpha(0.6f);
      DrawImage(other, 100, 20);
    }
    SetAlpha(1);
    TPixmapPtr shown = grab ? GrabPixmap(0, 0, kViewWidth, kViewHeight) : nullptr;
    Flip(0);
    AdvanceVirtualClock(frameMs);
    return shown;
  }
};

TEST_F(TexturesGivenBack, AnUnusedBackgroundIsMadeAgainAlikeAndPicturesInUseKeepTheirs) {
  const TImagePtr inUse = Ramp(500, 280), background = Ramp(600, 260), small = Ramp(60, 40);
  // Three frames: the faded texture of the background is made on the second.
  std::vector<TPixmapPtr> first;
  for (int i = 0; i < 3; ++i) first.push_back(Frame(inUse, background));
  DrawImage(small, 700, 500);
  int64_t givenBefore = PicturesGivenBack();
  for (int i = 0; i < 500; ++i) Frame(inUse, nullptr, false);
  EXPECT_EQ(PicturesGivenBack(), givenBefore) << "8.5 s unused is not yet long enough";
  for (int i = 0; i < 400; ++i) Frame(inUse, nullptr, false);
  EXPECT_EQ(PicturesGivenBack() - givenBefore, 1) << "only the unused background, not the picture in use or the small one";
  // Drawn again, its textures are made as they were first made, frame for
  // frame, and the pixels are the same.
  for (int i = 0; i < 3; ++i) {
    const TPixmapPtr again = Frame(inUse, background);
    size_t unlike = 0;
    for (size_t k = 0; k < again->pixels.size(); ++k) unlike += again->pixels[k] != first[i]->pixels[k];
    ASSERT_EQ(unlike, 0u) << "frame " << i << " after the textures came back";
  }
  // A resting screen shows 20 frames a second: the background goes after
  // as many seconds, not as many frames.
  givenBefore = PicturesGivenBack();
  for (int i = 0; i < 250; ++i) Frame(inUse, nullptr, false, 50);
  EXPECT_EQ(PicturesGivenBack() - givenBefore, 1);
}

}  // namespace
