// Fuzzes the reader of the scrambled seen-tips file (".dat").
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "data/seen_tips.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream in = inputStream(data, size);
  THelpItems tips;
  TVisitedLocs visited;
  tips.fill(-1);
  visited.fill(-1);
  readSeenTips(in, tips, visited);
  for (int v : tips)
    if (v < 0 || v > 9) std::abort();
  for (size_t i = 1; i < visited.size(); ++i)
    if (visited[i] < 0 || visited[i] > 9) std::abort();

  // Written back it is 28 bytes and reads the same.
  TMemoryStream out;
  writeSeenTips(out, tips, visited);
  if (out.Size() != 28) std::abort();
  THelpItems tips2;
  TVisitedLocs visited2;
  visited2[0] = visited[0];
  TMemoryStream back(out.Bytes());
  readSeenTips(back, tips2, visited2);
  if (tips2 != tips || visited2 != visited) std::abort();
  return 0;
}
