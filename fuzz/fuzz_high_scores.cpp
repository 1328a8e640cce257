// Fuzzes the reader of the high-score file "data3.dat", then enters a result
// into what it read (without saving) and checks the tables stay whole.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "data/high_scores.h"
#include "fuzz/fuzz_support.h"

namespace {
std::vector<uint8_t> written(const THighScores& x) {
  return bytesWrittenBy([&](TStream& s) { x.writeTables(s); });
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const THighScores blank = [] {
    THighScores h;  // reads data3.dat of the current folder, if any
    h.tables.clear();
    return h;
  }();
  THighScores h = blank;
  TMemoryStream in = inputStream(data, size);
  h.readTables(in);
  if (size > 0 && h.tables.empty()) std::abort();

  std::vector<uint8_t> once = written(h);
  THighScores again = blank;
  TMemoryStream back(once);
  again.readTables(back);
  if (written(again) != once) std::abort();

  for (int i = 0; i < 3; ++i) h.nextTable();
  h.prevTable();
  if (!h.tables.empty() && (h.curTable < 0 || h.curTable >= static_cast<int>(h.tables.size()))) std::abort();
  return 0;
}
