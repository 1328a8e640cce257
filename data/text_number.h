#pragma once
// Reading whole numbers out of text the way every settings and text file of
// the game expects: leading white space skipped, an optional sign, then
// decimal digits up to the first other character ("$" starts hexadecimal and
// "%" binary digits instead). No digits give 0; nothing ever fails.
#include <string>

int textToInt(const std::string& text);

// The text without white space (space, tab, CR, LF, VT, FF) at either end.
std::string trimWhitespace(const std::string& text);
