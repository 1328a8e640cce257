#include "app/high_scores_screen.h"

#include "app/gfx_set.h"
#include "app/globals.h"
#include "data/high_scores.h"

THighScoresScreen::THighScoresScreen()
    : TPlaceholderScreen("HIGH SCORES", gfx ? gfx->mainBg : nullptr, musicUnchanged) {}

void THighScoresScreen::leave() {
  if (highScores) highScores->save();
}
