#include "app/high_score_screen.h"

#include "screens/gfx_set.h"
#include "app/globals.h"
#include "app/menu_layout.h"
#include "app/timer.h"
#include "data/high_scores.h"
#include "data/profile.h"
#include "platform/graphics.h"
#include "widgets/button.h"
#include "widgets/text.h"

namespace {

struct TRowColour {
  int r, g, b;
  float alpha;
};
constexpr TRowColour kOwnRowColour{230, 175, 40, 0.45f};
constexpr TRowColour kNewRowColour{255, 255, 255, 0.35f};
constexpr int kLegendY = 462;

void markRow(float y, int height, const TRowColour& colour) {
  const float alpha = GetAlpha();
  int r, g, b;
  GetColor(r, g, b);
  SetAlpha(colour.alpha);
  SetColor(colour.r, colour.g, colour.b);
  DrawRect(115, y - 2, 550, static_cast<float>(height));
  SetColor(r, g, b);
  SetAlpha(alpha);
}

}  // namespace

bool isOwnRow(const THighScore& entry, const std::string& player) {
  return !player.empty() && entry.player == player;
}

void THighScores::update() {
  const bool singleTable = tables.size() <= 1;
  menu::drawBackground(gfx ? gfx->mainBg : nullptr, false);
  const THighScoreTable* table =
      curTable >= 0 && curTable < static_cast<int>(tables.size()) ? &tables[static_cast<size_t>(curTable)] : nullptr;
  menu::drawTitle("HIGH SCORES: " + (table ? table->location : std::string()), 58);

  if (buttons) {
    if (buttons->draw("PREVIOUS", 270, 525, menu::smallButton, singleTable) == kButtonActivated) prevTable();
    if (buttons->draw("MENU", 400, 525, menu::smallButton) == kButtonActivated) gameState = kScreenMainMenu;
    if (buttons->draw("NEXT", 530, 525, menu::smallButton, singleTable) == kButtonActivated) nextTable();
  }
  if (!text || !table) return;
  text->setFont(5);
  text->draw("Player", 120, 120, false, true);
  text->draw("Time", 400, 120, true, true);
  text->draw("Score", 630, 120, true, true);
  text->setFont(1);
  table = &tables[static_cast<size_t>(curTable)];  // paging above may have moved it
  const std::string player = profile ? profile->name : std::string();
  bool anyOwn = false;
  for (int place = 1; place <= kHighScorePlaces; ++place) {
    const float y = static_cast<float>(155 + 30 * (place - 1));
    const THighScore& entry = table->scores[static_cast<size_t>(place)];
    // The player's own rows stand on a gold band; the score just entered
    // on a light one over it.
    if (isOwnRow(entry, player)) {
      anyOwn = true;
      markRow(y, text->getHeight(0), kOwnRowColour);
    }
    if (place == newScorePos) markRow(y, text->getHeight(0), kNewRowColour);
    text->draw(entry.player, 120, y, false, true);
    text->draw(TTimer::getTime2(entry.time), 400, y, true, true);
    text->draw(std::to_string(entry.money), 630, y, true, true);
  }
  if (anyOwn && text->setFont(6)) text->draw("Your scores are on gold", 400, kLegendY, true, true);
}

// The music of the screen before keeps playing.
THighScoreScreen::THighScoreScreen() = default;

void THighScoreScreen::update() {
  if (highScores) highScores->update();
}

void THighScoreScreen::leave() {
  if (highScores) highScores->save();
}
