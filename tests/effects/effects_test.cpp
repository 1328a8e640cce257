#include "effects/effects.h"

#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "platform/random.h"

namespace {

class EffectsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 0)); }
  void SetUp() override {
    SeedRnd(7);
    TEffects().destroyAll();
    TFireworks::particles().clear();
  }
  void TearDown() override { TEffects().destroyAll(); }

  // Updates one floating text until it is gone; returns the updates it lived.
  static int lifetime(TTextFloat t, float dt, float* risen) {
    const float y0 = t.y;
    int updates = 0;
    while (t.update(TEffectsKit(), dt)) ++updates;
    *risen = y0 - t.y;
    return updates + 1;
  }
};

TEST_F(EffectsTest, FloatingTextHoldsFadesAndRisesInWallClockTime) {
  TTextFloat t;
  t.txt = "+100";
  float risen1 = 0, risen2 = 0;
  const int at1 = lifetime(t, 1.0f, &risen1);
  const int at2 = lifetime(t, 2.0f, &risen2);
  EXPECT_EQ(at1, 75 + 20);  // 75 held, 20 fading
  EXPECT_NEAR(at2, at1 / 2.0, 1.0);
  EXPECT_NEAR(risen1, 0.2f * at1, 0.01f);
  EXPECT_NEAR(risen2, risen1, 0.5f);

  // With dt 2 the hold of 75 runs out in 38 updates.
  TTextFloat held;
  int holding = 0;
  while (held.alphaDelay > 0) {
    held.update(TEffectsKit(), 2.0f);
    ++holding;
  }
  EXPECT_EQ(holding, 38);
}

TEST_F(EffectsTest, SparklePeaksAtTheFixedAlphaThenFadesAway) {
  TSparkle s;
  int updates = 0;
  float peakAlpha = -1;
  while (s.update(TEffectsKit(), 1.0f)) {
    ++updates;
    if (s.scaleInc < 0 && peakAlpha < 0) peakAlpha = s.alpha - s.alphaInc;
  }
  EXPECT_FLOAT_EQ(peakAlpha, 0.81f);
  EXPECT_GT(updates, 100);
  EXPECT_LT(updates, 115);
}

TEST_F(EffectsTest, BurstsMakeAHundredFragmentsEachTintedAndAimed) {
  TEffects fx;
  fx.explodeWall(300, 300, 0, 100, 0, false);
  fx.crumbleFloor(100, 100);
  EXPECT_EQ(TBrick::count(), 200);
  const TBrick& first = TBrick::all().front();
  EXPECT_EQ(first.r, 192);
  EXPECT_EQ(first.g, 100);
  EXPECT_EQ(first.b, 192);

  // Fragment 55 sits on the burst centre: no direction, so it falls straight down.
  auto it = std::next(TBrick::all().begin(), 55);
  TBrick centre = *it;
  EXPECT_FLOAT_EQ(centre.x, 300);
  EXPECT_FLOAT_EQ(centre.y, 300);
  centre.update(TEffectsKit(), 1.0f);
  EXPECT_FLOAT_EQ(centre.x, 300);
  EXPECT_GT(centre.y, 300);

  // Floor fragments shrink inwards and are gone after their life and fade.
  int frames = 0;
  while (TBrick::count() > 100 && frames < 1000) {
    TBrick::updateAll(0, fx.kit);
    ++frames;
  }
  EXPECT_EQ(TBrick::count(), 100);  // only the wall fragments remain
  EXPECT_NEAR(frames, 50 + 50, 2);
}

TEST_F(EffectsTest, FireworksEmptyOnceEveryParticleHasFaded) {
  auto display = TFireworks::create("missing-particle.png");  // a missing picture only hides them
  display->add(0, 0, 500, 0.1f);
  EXPECT_EQ(TFireworks::particles().size(), 500u);
  int drawn = display->update(1.0f);
  EXPECT_EQ(drawn, 500);
  int frames = 1;
  while (display->update(1.0f) > 0 && frames < 1000) ++frames;
  EXPECT_EQ(display->update(1.0f), 0);
  EXPECT_TRUE(TFireworks::particles().empty());
  EXPECT_NEAR(frames, 100, 2);
}

}  // namespace
