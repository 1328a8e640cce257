#include "widgets/box_message.h"

#include "platform/graphics.h"
#include "widgets/dialogue.h"
#include "widgets/text.h"

void drawBoxMessage(TText* text, int fontID, const std::string& message, int x, int y, int width) {
  if (!text || message.empty()) return;
  const int previousFont = text->curFont;
  if (!text->setFont(fontID)) return;
  int r, g, b;
  GetColor(r, g, b);
  SetColor(150, 0, 0);
  const int lineHeight = text->getHeight(0);
  int line = 0;
  for (const std::string& part : wrapText(message, width))
    DrawText(part, static_cast<float>(x), static_cast<float>(y + lineHeight * line++));
  SetColor(r, g, b);
  text->setFont(previousFont);
}
