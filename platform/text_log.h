#pragma once
// A record of the texts drawn, for checking that every text the game draws
// is readable: inside the box it belongs to (a button face, a dialogue's text
// area, a tooltip) or, without one, inside the clipping area of the view.
// Recording is off unless a scripted run or a test switches it on, so a
// normal run pays nothing for it.
#include <string>
#include <vector>

struct TTextRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool contains(const TTextRect& r) const {
    return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
  }
};

struct TDrawnText {
  std::string text;
  TTextRect ink;  // the pixels the glyphs cover, in view pixels
  TTextRect box;  // where they have to stay
};

void RecordDrawnTexts(bool on);
bool RecordingDrawnTexts();
// The texts drawn since the last clear.
const std::vector<TDrawnText>& DrawnTexts();
void ClearDrawnTexts();

// Texts drawn until ResetTextBox have to stay inside this box (the clipping
// area still applies). Widgets that draw text into a frame of their own set it.
void SetTextBox(int x, int y, int w, int h);
void ResetTextBox();

// Called by the text drawing with the top-left corner of the line's pen.
void NoteDrawnText(const std::string& text, float penX, float penY);

// The texts of a list that leave their box, one "text: why" line each.
std::vector<std::string> TextsOutsideTheirBox(const std::vector<TDrawnText>& texts);

// What a scripted run may check that the player reads as a picture rather
// than as text (the move a hint shows): noted only while texts are
// recorded, never printed.
void NoteEvent(const std::string& line);
const std::vector<std::string>& NotedEvents();
