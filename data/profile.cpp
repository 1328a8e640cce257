// The campaign rules and the sun timer of the profile.
#include <algorithm>

#include "data/screen_codes.h"
#include "data/high_scores.h"
#include "data/profile.h"
#include "platform/clock.h"

namespace {
// Each frame of the sun lasts 200 seconds; frame 9 is sunset.
constexpr int kSunFrameMs = 200000;
constexpr int kLastSunFrame = 9;
constexpr int kCompletionBonus = 500;
constexpr int kBonusPerLife = 50;
constexpr int kMapsForLostTemple = 4;

bool isSlot(int index) { return index >= 0 && index < kLocationSlots; }
}  // namespace

TProfile::TProfile() { reset(); }

void TProfile::resetLocations() {
  locs = campaignLocations();
  lastLoc = 0;
}

void TProfile::clearGame() {
  curLoc = curRoom = gameComplete = roomObjects = 0;
  roomStatus = TStatus();
  locStatus = TStatus();
  obj.fill(nullptr);
  showMapMessage = 1;
  map = secretLocation = 0;
}

void TProfile::reset() {
  clearGame();
  newRoom = 0;
  resetLocations();
  startTime = 0;
  newTime = oldTime = 0;
}

void TProfile::resetHelpTips() { helpItems.fill(0); }

void TProfile::newLocation(int index) {
  newRoom = 1;
  curLoc = isSlot(index) ? index : 0;
  curRoom = 1;
  locStatus.timer = 0;
}

int TProfile::locationComplete() {
  if (!isSlot(curLoc)) curLoc = 0;
  locStatus.money = clampToInt(int64_t{locStatus.money} + locStatus.getTimeBonus());
  TMapLocation& done = locs[curLoc];
  done.status = kLocationCompleted;
  done.time = locStatus.timer;

  for (int i = kFirstCampaignSlot; i <= kLastCampaignSlot; ++i) {
    TMapLocation& loc = locs[i];
    for (int k = 1; k <= 2; ++k)
      if (loc.icon >= 0 && loc.icon == done.unlock[k] && loc.status != kLocationCompleted)
        loc.status = kLocationAvailable;
    // The last map fragment reveals the Lost Temple.
    if (locStatus.maps == kMapsForLostTemple && loc.status == kLocationHidden) loc.status = kLocationAvailable;
  }

  if (curLoc >= kFirstCampaignSlot && curLoc <= kLastCampaignSlot) visitedLocs[curLoc] = 1;
  lastLoc = curLoc;
  curLoc = 0;

  // A custom game is one location; the campaign ends when every location on
  // the map is done (the Lost Temple need not be found).
  gameComplete = 1;
  if (gameType == kGameCampaign)
    for (int i = kFirstCampaignSlot; i <= kLastCampaignSlot; ++i)
      if (locs[i].status != kLocationCompleted && locs[i].status != kLocationHidden) gameComplete = 0;

  if (!gameComplete) return kScreenLocationComplete;
  locStatus.money =
      clampToInt(int64_t{locStatus.money} + kCompletionBonus + int64_t{kBonusPerLife} * locStatus.lives);
  return kScreenGameComplete;
}

void TProfile::roomComplete() { ++curRoom; }

void TProfile::resetTimer() {
  oldTime = 0;
  startTime = MilliSecs();
}

int TProfile::sunTimer() {
  // Unsigned differences stay right when the millisecond clock wraps.
  uint32_t now = MilliSecs() - startTime;
  roomStatus.timer = clampToInt(int64_t{roomStatus.timer} + (now - oldTime));
  oldTime = now;
  int64_t inLocation = int64_t{roomStatus.timer} + locStatus.timer;
  return static_cast<int>(std::clamp<int64_t>(inLocation / kSunFrameMs, 0, kLastSunFrame));
}

THighScore TProfile::saveScore(const std::string& tableLocation) const {
  THighScore score;
  score.player = name;
  score.location = tableLocation;
  score.money = locStatus.money;
  int64_t time = locs[0].time;
  if (gameType == kGameCampaign)
    for (int i = kFirstCampaignSlot; i <= kLastCampaignSlot; ++i) time += locs[i].time;
  else
    time += locs[kCustomSlot].time;
  score.time = clampToInt(time);
  return score;
}
