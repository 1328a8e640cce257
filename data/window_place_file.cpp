#include "data/window_place_file.h"

#include <vector>

#include "data/options.h"
#include "data/safe_file.h"
#include "data/text_number.h"

const char* const kWindowPlaceFile = "profiles/.window";

namespace {

constexpr int kLargestSide = 16384;

bool usableSide(int side) { return side > 0 && side <= kLargestSide; }

}  // namespace

bool loadWindowPlace(const std::string& path, TWindowPlace& place) {
  std::vector<uint8_t> bytes;
  if (!readWholeFile(path, bytes, file_limits::kSmallText)) return false;
  TWindowPlace read;
  TFileOption option;
  std::string text(bytes.begin(), bytes.end());
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    option.getFileOption(text.substr(start, end - start));
    start = end + 1;
    const int value = textToInt(option.value);
    if (option.identifier == "x") read.x = value;
    else if (option.identifier == "y") read.y = value;
    else if (option.identifier == "width") read.width = value;
    else if (option.identifier == "height") read.height = value;
  }
  if (!usableSide(read.width) || !usableSide(read.height)) return false;
  place = read;
  return true;
}

bool saveWindowPlace(const std::string& path, const TWindowPlace& place) {
  return writeWholeFile(path, [&place](TStream& out) {
    out.WriteLine("x:\t" + std::to_string(place.x));
    out.WriteLine("y:\t" + std::to_string(place.y));
    out.WriteLine("width:\t" + std::to_string(place.width));
    out.WriteLine("height:\t" + std::to_string(place.height));
  });
}
