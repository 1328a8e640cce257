#include "screens/map_screen.h"

#include <algorithm>
#include <cstdlib>

#include "screens/gfx_set.h"
#include "audio/sfx_set.h"
#include "data/profile.h"
#include "data/room_records.h"
#include "engine/room_move.h"
#include "effects/effects.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "widgets/button.h"
#include "widgets/mouse.h"
#include "widgets/text.h"

namespace {

constexpr int kIconSize = 90;  // the icon strip's cells, drawn around their centre
constexpr int kTipFont = 3;

void drawIcon(const TScreenKit& kit, const TMapLocation& loc, int frameOffset, float nameAlpha) {
  if (kit.gfx && kit.gfx->mapIconsImg)
    DrawImage(kit.gfx->mapIconsImg, static_cast<float>(loc.x), static_cast<float>(loc.y), loc.icon + frameOffset);
  if (kit.text) kit.text->draw(loc.name, static_cast<float>(loc.x), static_cast<float>(loc.y + 30), true, false, nameAlpha);
}

// Under the name of a location whose every room was solved at par.
void drawAtParMark(const TScreenKit& kit, const TMapLocation& loc) {
  if (!kit.text) return;
  const int previous = kit.text->curFont;
  if (!kit.text->setFont(kTipFont)) return;
  kit.text->draw("at par", static_cast<float>(loc.x), static_cast<float>(loc.y + 50), true, true);
  if (previous) kit.text->setFont(previous);
}

bool pointerOnIcon(const TScreenKit& kit, const TMapLocation& loc) {
  return kit.mouse && kit.gfx && kit.mouse->imageCollide(kit.gfx->mapIconsImg, static_cast<float>(loc.x), static_cast<float>(loc.y),
                                              loc.icon);
}

void clickSound(const TScreenKit& kit) {
  if (kit.sfx && kit.sfx->clicks) kit.sfx->clicks->play(0);
}

void sideText(const TScreenKit& kit, const char* const lines[5]) {
  if (!kit.text) return;
  const int ys[5] = {240, 290, 320, 350, 380};
  for (int i = 0; i < 5; ++i) kit.text->draw(lines[i], 460, static_cast<float>(ys[i]));
}

}  // namespace

TMapScreen::TMapScreen(const TScreenKit& kit) : TScreenKit(kit) {
  musicTrack = 1;
  lockedTip = TToolTip::Create(mouse, text, kTipFont);
  findLocationsAtPar();
}

void TMapScreen::findLocationsAtPar() {
  if (!profile) return;
  TRoomRecords records;
  records.load(profile->recordsPath());
  if (records.size() == 0) return;
  for (int slot = kFirstCampaignSlot; slot <= kLastCampaignSlot; ++slot) {
    const TMapLocation& loc = profile->locs[static_cast<size_t>(slot)];
    if (loc.status != kLocationCompleted) continue;
    std::map<int, int> pars;
    for (const auto& [room, moves] : locationSolutions(loc.name)) pars[room] = static_cast<int>(moves.size());
    allAtPar_[static_cast<size_t>(slot)] = records.everyRoomAtPar(TRecordGame::campaign, loc.name, pars);
  }
}

TMapScreen::~TMapScreen() = default;

std::string TMapScreen::lockedHint(int slot) const {
  if (!profile || slot < 1 || slot > 8) return {};
  if (customMapMode) return "Finish this place in the campaign to replay it";
  const TMapLocation& locked = profile->locs[static_cast<size_t>(slot)];
  for (int i = 1; i <= 8; ++i) {
    const TMapLocation& opener = profile->locs[static_cast<size_t>(i)];
    if (locked.icon >= 0 && (opener.unlock[1] == locked.icon || opener.unlock[2] == locked.icon))
      return "Finish " + opener.name + " to open this place";
  }
  return "This place is not open yet";
}

void TMapScreen::explainLocked(const std::vector<int>& lockedSlots) {
  const int previous = text ? text->curFont : 0;
  for (size_t k = 0; k < lockedSlots.size(); ++k) {
    const int slot = lockedSlots[k];
    const TMapLocation& loc = profile->locs[static_cast<size_t>(slot)];
    const std::string hint = lockedHint(slot);
    const int position = k + 1 == lockedSlots.size() && k > 0 ? TToolTip::pos_last
                         : k == 0                             ? TToolTip::pos_first
                                                              : TToolTip::pos_inbetween;
    if (lockedTip) lockedTip->update(hint, loc.x - kIconSize / 2, loc.y - kIconSize / 2, kIconSize, kIconSize, position);
    if (mouse && mouse->clicked[1] && pointerOnIcon(*this, loc)) {
      // Clicking again while the hint still shows adds no second one.
      const auto& floats = TTextFloat::all();
      const bool showing = std::any_of(floats.begin(), floats.end(),
                                       [&hint](const TTextFloat& t) { return t.txt == hint && t.alphaDelay > 0; });
      if (!showing) TTextFloat::create(hint, static_cast<float>(loc.x), static_cast<float>(loc.y - kIconSize / 2 - 20));
    }
  }
  if (text && previous) text->setFont(previous);
}

bool TMapScreen::chosen(const TMapLocation& loc, int& frame) {
  if (!mouse) return false;
  const TKeyFocus::TOffer focus = mouse->keyFocus.offer(loc.x - kIconSize / 2, loc.y - kIconSize / 2, kIconSize, kIconSize);
  const bool hovered = pointerOnIcon(*this, loc) != 0;
  if (hovered || focus.focused) frame = 1;
  return (hovered && mouse->clicked[1]) || focus.activated;
}

void TMapScreen::update() {
  if (gfx && gfx->mapBg) DrawImage(gfx->mapBg, 0, 0, 0);
  if (text) {
    text->setFont(7);
    text->draw("Map Of Egypt", 420, 50, true, true);
    text->setFont(6);
  }
  const int menuTarget = customMapMode ? kScreenCustomMenu : kScreenMainMenu;
  if (profile) {
    if (customMapMode)
      replayMode();
    else
      campaignMode();
  }
  if (buttons && buttons->draw("MENU", 620, 470, 2) == kButtonActivated) gameState = menuTarget;
  if (lockedTip) lockedTip->drawShown();  // over everything the frame drew
}

void TMapScreen::replayMode() {
  static const char* const lines[5] = {"CUSTOM GAME", "From here you can replay locations you",
                                       "have completed in the campaign game.",
                                       "Playing these locations will not affect", "your current campaign game."};
  sideText(*this, lines);
  std::vector<int> locked;
  for (int i = 1; i <= 8; ++i) {
    const TMapLocation& loc = profile->locs[static_cast<size_t>(i)];
    const bool completed = profile->visitedLocs[static_cast<size_t>(i)] == 1;
    if (i == 8 && !completed) continue;  // the hidden location stays secret until found
    int f = 3;
    if (completed) {
      f = 0;
      if (chosen(loc, f)) {
        clickSound(*this);
        profile->reset();
        profile->newLocation(kCustomSlot);
        profile->locs[kCustomSlot].name = loc.name;
        gameState = kScreenGame;
      }
    }
    drawIcon(*this, loc, f, f == 3 ? 0.65f : 1.0f);
    if (f == 3) locked.push_back(i);
  }
  explainLocked(locked);
}

void TMapScreen::campaignMode() {
  static const char* const lines[5] = {"CAMPAIGN GAME", "Please select your destination.",
                                       "Locations will be unlocked as you", "progress through the map, and your",
                                       "game will be automatically saved."};
  sideText(*this, lines);
  std::vector<int> locked;
  for (int i = 1; i <= 8; ++i) {
    const TMapLocation& loc = profile->locs[static_cast<size_t>(i)];
    if (loc.status == kLocationHidden) continue;
    int f = loc.status;
    if (tempStatus == 0 && loc.status == kLocationAvailable && chosen(loc, f)) {
      clickSound(*this);
      const int from = profile->lastLoc;
      profile->newLocation(i);
      selectedLoc = i;
      if (from != 0) {
        tempStatus = kScreenGame;
        buildPath(from, i);
      } else {
        gameState = kScreenGame;
      }
    }
    if (i == selectedLoc) f = 1;
    drawIcon(*this, loc, f, loc.status == kLocationLocked ? 0.65f : 1.0f);
    if (allAtPar_[static_cast<size_t>(i)]) drawAtParMark(*this, loc);
    if (loc.status == kLocationLocked) locked.push_back(i);
  }
  SetAlpha(1);
  SetColor(255, 255, 255);
  if (tempStatus == 0) explainLocked(locked);
  drawDots();
}

void TMapScreen::drawDots() {
  if (dotList.empty()) return;
  bool allVisible = true, shownThisFrame = false;
  const int now = static_cast<int>(MilliSecs());
  for (TMapDot& dot : dotList) {
    if (dot.visible) {
      if (gfx && gfx->mapDotImg) DrawImage(gfx->mapDotImg, static_cast<float>(dot.x), static_cast<float>(dot.y), 0);
      continue;
    }
    allVisible = false;
    if (!shownThisFrame && now - dotTimer > 500) {
      dotTimer = now;
      dot.visible = 1;
      shownThisFrame = true;
    }
  }
  if (allVisible) gameState = tempStatus;
}

void TMapScreen::buildPath(int from, int to) {
  dotList.clear();
  dotTimer = static_cast<int>(MilliSecs());
  if (!profile || from < 1 || from > 8 || to < 1 || to > 8) return;
  const TMapLocation& start = profile->locs[static_cast<size_t>(from)];
  const TMapLocation& target = profile->locs[static_cast<size_t>(to)];
  int x = start.x, y = start.y;
  const int dx = target.x - x, dy = target.y - y;
  int n = std::max(std::abs(dx), std::abs(dy));
  // Two locations on one spot: no path, the game starts once the map sees
  // the (empty) path done.
  if (n == 0) {
    dotList.push_back({x, y, 1});
    return;
  }
  const int stepX = static_cast<int>(static_cast<double>(dx) / n * dotSize);
  const int stepY = static_cast<int>(static_cast<double>(dy) / n * dotSize);
  while (n >= 1) {
    dotList.push_back({x, y, 0});
    x += stepX;
    y += stepY;
    n -= dotSize;
  }
}
