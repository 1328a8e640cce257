#pragma once
// A short message inside a dialogue box (why a typed name was refused, why a
// file could not be read): wrapped to the width given, in dark red, so it
// stands apart from the box's own text.
#include <string>

class TText;

void drawBoxMessage(TText* text, int fontID, const std::string& message, int x, int y, int width);
