// Campaign rules of the profile: unlocking, the hidden location, bonuses,
// the end of the game, the sun timer and the score handed to the tables.
#include <gtest/gtest.h>

#include <climits>

#include "data/screen_codes.h"
#include "data/high_scores.h"
#include "data/profile.h"
#include "platform/clock.h"

namespace {
enum Slot { kAbydos = 1, kGiza, kNecropolis, kHeliopolis, kKarnak, kArmana, kEdfu, kLostTemple };

TProfile campaignAt(int slot) {
  TProfile p;
  p.gameType = kGameCampaign;
  p.newLocation(slot);
  return p;
}
}  // namespace

TEST(ProfileRules, CompletingAbydosOpensGizaAndNecropolisOnly) {
  TProfile p = campaignAt(kAbydos);
  p.locStatus = {600000, 1000, 2, 1};  // ten minutes, one map fragment
  EXPECT_EQ(p.locationComplete(), kScreenLocationComplete);

  EXPECT_EQ(p.locs[kAbydos].status, kLocationCompleted);
  EXPECT_EQ(p.locs[kAbydos].time, 600000);
  EXPECT_EQ(p.locs[kGiza].status, kLocationAvailable);
  EXPECT_EQ(p.locs[kNecropolis].status, kLocationAvailable);
  for (int slot : {kHeliopolis, kKarnak, kArmana, kEdfu}) EXPECT_EQ(p.locs[slot].status, kLocationLocked) << slot;
  EXPECT_EQ(p.locs[kLostTemple].status, kLocationHidden);
  EXPECT_EQ(p.locStatus.money, 1000 + (1800000 - 600000) / 22000);
  EXPECT_EQ(p.visitedLocs[kAbydos], 1);
  EXPECT_EQ(p.lastLoc, kAbydos);
  EXPECT_EQ(p.curLoc, 0);
  EXPECT_EQ(p.gameComplete, 0);
}

TEST(ProfileRules, UnlockChainFollowsTheMapAndNeverReopensACompletedLocation) {
  TProfile p = campaignAt(kGiza);
  p.locs[kHeliopolis].status = kLocationCompleted;
  p.locationComplete();
  EXPECT_EQ(p.locs[kHeliopolis].status, kLocationCompleted);  // icon 0 is a real unlock target

  p.newLocation(kNecropolis);
  p.locationComplete();
  EXPECT_EQ(p.locs[kKarnak].status, kLocationAvailable);
  EXPECT_EQ(p.locs[kEdfu].status, kLocationLocked);
}

TEST(ProfileRules, LostTempleAppearsAtExactlyFourMaps) {
  TProfile three = campaignAt(kAbydos);
  three.locStatus.maps = 3;
  three.locationComplete();
  EXPECT_EQ(three.locs[kLostTemple].status, kLocationHidden);

  TProfile four = campaignAt(kAbydos);
  four.locStatus.maps = 4;
  four.locationComplete();
  EXPECT_EQ(four.locs[kLostTemple].status, kLocationAvailable);
  EXPECT_EQ(four.locs[kGiza].status, kLocationAvailable);
}

TEST(ProfileRules, CampaignEndsWhenEveryVisibleLocationIsDone) {
  TProfile p = campaignAt(kEdfu);
  for (int slot = kAbydos; slot <= kArmana; ++slot) p.locs[slot].status = kLocationCompleted;
  p.locStatus = {1800000, 3000, 2, 3};
  EXPECT_EQ(p.locationComplete(), kScreenGameComplete);
  EXPECT_EQ(p.gameComplete, 1);
  EXPECT_EQ(p.locStatus.money, 3000 + 0 + 500 + 2 * 50);

  // Once found, the Lost Temple has to be finished too.
  TProfile q = campaignAt(kEdfu);
  for (int slot = kAbydos; slot <= kArmana; ++slot) q.locs[slot].status = kLocationCompleted;
  q.locs[kLostTemple].status = kLocationAvailable;
  EXPECT_EQ(q.locationComplete(), kScreenLocationComplete);
}

TEST(ProfileRules, CustomGameEndsAfterItsLocationWithBothBonuses) {
  TProfile p;
  p.gameType = kGameCustom;
  p.reset();
  p.newLocation(kCustomSlot);
  p.locs[kCustomSlot].name = "Oasis";
  p.locStatus = {0, 250, 3, 0};
  EXPECT_EQ(p.locationComplete(), kScreenGameComplete);
  EXPECT_EQ(p.locStatus.money, 250 + 81 + 500 + 3 * 50);
  EXPECT_EQ(p.locs[kCustomSlot].status, kLocationCompleted);
  EXPECT_EQ(p.lastLoc, kCustomSlot);
  EXPECT_EQ(p.visitedLocs, TVisitedLocs{});  // only campaign locations open for replay
}

TEST(ProfileRules, TimeBonus) {
  TStatus s;
  EXPECT_EQ(s.getTimeBonus(), 81);
  s.timer = 1800000 - 1;
  EXPECT_EQ(s.getTimeBonus(), 0);
  s.timer = 1800000 - 22000;
  EXPECT_EQ(s.getTimeBonus(), 1);
  // Over the limit or nonsense from a damaged file: no penalty, no overflow.
  for (int t : {1900000, INT_MAX, INT_MIN, -5}) {
    s.timer = t;
    EXPECT_GE(s.getTimeBonus(), 0) << t;
    EXPECT_LE(s.getTimeBonus(), 81) << t;
  }
}

TEST(ProfileRules, AddScoreSaturatesInsteadOfOverflowing) {
  TStatus a{INT_MAX - 1, 10, 1, 1};
  a.addScore({5, -20, 2, 3});
  EXPECT_EQ(a.timer, INT_MAX);
  EXPECT_EQ(a.money, -10);
  EXPECT_EQ(a.lives, 3);
  EXPECT_EQ(a.maps, 4);
}

TEST(ProfileRules, SunTimerCountsPlayTimeOnTheClock) {
  UseVirtualClock(4000000000u);  // close to the wrap of the 32-bit clock
  TProfile p = campaignAt(kAbydos);
  p.resetTimer();
  AdvanceVirtualClock(199999);
  EXPECT_EQ(p.sunTimer(), 0);
  EXPECT_EQ(p.roomStatus.timer, 199999);
  AdvanceVirtualClock(1);
  EXPECT_EQ(p.sunTimer(), 1);
  AdvanceVirtualClock(700000);  // wraps the clock on the way
  EXPECT_EQ(p.sunTimer(), 4);   // 15 minutes
  EXPECT_EQ(p.roomStatus.timer, 900000);

  // A pause: the time until the next resetTimer is not counted.
  AdvanceVirtualClock(5000000);
  p.resetTimer();
  AdvanceVirtualClock(1000);
  EXPECT_EQ(p.sunTimer(), 4);
  EXPECT_EQ(p.roomStatus.timer, 901000);

  // Earlier rooms of the location count too; the sun stops at frame 9.
  p.locStatus.timer = 899000;
  EXPECT_EQ(p.sunTimer(), 9);
  AdvanceVirtualClock(10000000);
  EXPECT_EQ(p.sunTimer(), 9);
  UseRealClock();
}

TEST(ProfileRules, ResetStartsOverButKeepsThePlayer) {
  TProfile p = campaignAt(kKarnak);
  p.name = "P1";
  p.helpItems[4] = 1;
  p.visitedLocs[2] = 1;
  p.roomObjects = 2;
  p.obj[1] = std::make_shared<TObject>();
  p.locs[kGiza].status = kLocationCompleted;
  p.showMapMessage = 0;
  p.reset();
  EXPECT_EQ(p.curLoc, 0);
  EXPECT_EQ(p.roomObjects, 0);
  EXPECT_EQ(p.obj[1], nullptr);
  EXPECT_EQ(p.locs[kGiza].status, kLocationLocked);
  EXPECT_EQ(p.showMapMessage, 1);
  EXPECT_EQ(p.name, "P1");
  EXPECT_EQ(p.gameType, kGameCampaign);
  EXPECT_EQ(p.helpItems[4], 1);
  EXPECT_EQ(p.visitedLocs[2], 1);
  p.resetHelpTips();
  EXPECT_EQ(p.helpItems, THelpItems{});
}

TEST(ProfileRules, SaveScoreAddsTheTimesOfTheGame) {
  TProfile p = campaignAt(kAbydos);
  p.name = "Ann";
  p.locStatus.money = 4321;
  p.locs[0].time = 1000;
  p.locs[kAbydos].time = 20000;
  p.locs[kGiza].time = 300000;
  p.locs[kCustomSlot].time = 7;
  THighScore score = p.saveScore("Oasis");
  EXPECT_EQ(score.player, "Ann");
  EXPECT_EQ(score.money, 4321);
  EXPECT_EQ(score.time, 321000);
  EXPECT_EQ(score.location, "Oasis");

  p.gameType = kGameCustom;
  EXPECT_EQ(p.saveScore("Oasis").time, 1007);
}
