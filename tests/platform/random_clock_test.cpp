#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/random.h"

namespace {

TEST(Random, SeedSpecialValuesFallBackToTheDefault) {
  for (int32_t special : {0, -1, 0x7FFFFFFF, static_cast<int32_t>(0x80000000u)}) {
    SeedRnd(special);
    EXPECT_EQ(RndSeed(), kDefaultSeed) << special;
  }
  SeedRnd(0);
  RndFloat();  // one generator step
  EXPECT_EQ(RndSeed(), 224942860);  // 48271 * 4660
  SeedRnd(-5);
  EXPECT_EQ(RndSeed(), -5 & 0x7FFFFFFF);
}

TEST(Random, SequenceMatchesTheMinimalStandardGenerator) {
  // Reference: seed' = 48271 * seed mod (2^31 - 1), in 64-bit arithmetic.
  SeedRnd(123456789);
  int64_t reference = 123456789;
  for (int i = 0; i < 1000; ++i) {
    reference = reference * 48271 % 2147483647;
    RndFloat();
    ASSERT_EQ(RndSeed(), reference);
  }
}

TEST(Random, RangesInEitherOrder) {
  SeedRnd(99);
  bool seen[7] = {};
  for (int i = 0; i < 2000; ++i) {
    int a = Rand(1, 6), b = Rand(6, 1);
    ASSERT_GE(a, 1);
    ASSERT_LE(a, 6);
    ASSERT_GE(b, 1);
    ASSERT_LE(b, 6);
    seen[a] = seen[b] = true;
    ASSERT_EQ(Rand(5, 5), 5);
    float f = RndFloat();
    ASSERT_GE(f, 0.0f);
    ASSERT_LT(f, 1.0f);
    double d = Rnd(-2, 3);
    ASSERT_GE(d, -2);
    ASSERT_LT(d, 3);
  }
  for (int v = 1; v <= 6; ++v) EXPECT_TRUE(seen[v]) << v;
}

TEST(Conversion, TruncatesTowardZero) {
  EXPECT_EQ(ToInt(2.7), 2);
  EXPECT_EQ(ToInt(-2.7), -2);
  EXPECT_EQ(ToInt(0.999), 0);
  EXPECT_EQ(ToInt(-0.5), 0);
  EXPECT_EQ(ToInt(1e-9), 0);
}

TEST(Clock, VirtualClockMovesOnlyWhenTold) {
  UseVirtualClock(1000);
  EXPECT_EQ(MilliSecs(), 1000u);
  AdvanceVirtualClock(25);
  Delay(10);
  Delay(-3);
  EXPECT_EQ(MilliSecs(), 1035u);
  UseRealClock();
  uint32_t a = MilliSecs();
  Delay(5);
  EXPECT_GE(MilliSecs() - a, 5u);
}

}  // namespace
