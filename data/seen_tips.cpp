#include "data/seen_tips.h"

#include "data/pack.h"
#include "data/text_number.h"

namespace {
char flagDigit(int value) {
  // One character per flag: anything outside 0..9 is stored as "seen".
  return static_cast<char>('0' + (value >= 0 && value <= 9 ? value : 1));
}

// The game's string-to-int rule on one character: a non-digit gives 0.
int digitValue(char ch) { return textToInt(std::string(1, ch)); }

// Reads up to length characters and unscrambles them. Characters missing at
// the end of a short file are left out rather than unscrambled: the padding
// would otherwise turn into key digits and mark tips seen and locations done.
std::string readScrambled(TStream& s, int length) {
  std::string text(static_cast<size_t>(length), '\0');
  text.resize(static_cast<size_t>(s.ReadBytes(text.data(), length)));
  return scrambleText(text);
}
}  // namespace

void writeSeenTips(TStream& s, const THelpItems& helpItems, const TVisitedLocs& visitedLocs) {
  std::string tips, locs;
  for (int v : helpItems) tips += flagDigit(v);
  for (size_t i = 1; i < visitedLocs.size(); ++i) locs += flagDigit(visitedLocs[i]);
  s.WriteString(scrambleText(tips));
  s.WriteString(scrambleText(locs));
}

void readSeenTips(TStream& s, THelpItems& helpItems, TVisitedLocs& visitedLocs) {
  std::string tips = readScrambled(s, kHelpTips);
  std::string locs = readScrambled(s, static_cast<int>(visitedLocs.size()) - 1);
  for (size_t i = 0; i < helpItems.size(); ++i) helpItems[i] = i < tips.size() ? digitValue(tips[i]) : 0;
  for (size_t i = 1; i < visitedLocs.size(); ++i) visitedLocs[i] = i - 1 < locs.size() ? digitValue(locs[i - 1]) : 0;
}
