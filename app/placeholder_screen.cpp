#include "app/placeholder_screen.h"

#include "app/globals.h"
#include "platform/graphics.h"
#include "widgets/text.h"

TPlaceholderScreen::TPlaceholderScreen(std::string title, TImagePtr background, int music)
    : title_(std::move(title)), background_(std::move(background)) {
  if (music != musicUnchanged) musicTrack = music;
}

void TPlaceholderScreen::update() {
  SetColor(255, 255, 255);
  SetAlpha(1);
  if (background_) DrawImage(background_, 0, 0);
  if (text && text->setFont(7)) {
    text->draw(title_, kViewWidth / 2, 20, true, true);
  } else {
    SetImageFont(nullptr);
    DrawText(title_, static_cast<float>(kViewWidth / 2 - TextWidth(title_) / 2), 20);
  }
}
