// tesmoria-savecheck: tells whether the player's files are whole, that is
// exactly as the game writes them: each one read and written again by the
// game's own code must give back its bytes. A file torn by a crash in the
// middle of a save fails that. Used by scripts/kill_test.sh.
//
//   tesmoria-savecheck FILE...     (profiles/NAME.cam|.cus|.dat|.cfg,
//                                   profiles/.cfg, data3.dat)
#include <cstdio>
#include <string>
#include <vector>

#include "data/high_scores.h"
#include "data/options.h"
#include "data/profile.h"
#include "data/safe_file.h"
#include "data/seen_tips.h"
#include "platform/file_system.h"

namespace {

using Bytes = std::vector<uint8_t>;

template <typename Write>
Bytes written(Write write) {
  TMemoryStream s;
  write(s);
  return s.Bytes();
}

// The bytes the game would write for what it reads out of these.
Bytes rewritten(const std::string& path, const Bytes& bytes) {
  TMemoryStream in(bytes);
  const std::string name = StripDir(path);
  const std::string ext = ExtractExt(name);
  if (name == ".cfg") {
    const std::string last = readLastProfileName(in);
    return written([&](TStream& s) { s.WriteLine(last); });
  }
  if (name == "data3.dat") {
    THighScores h;
    h.tables.clear();
    h.readTables(in);
    return written([&](TStream& s) { h.writeTables(s); });
  }
  if (ext == "cam" || ext == "cus") {
    TProfile p;
    p.readGame(in);
    return written([&](TStream& s) { p.writeGame(s); });
  }
  if (ext == "dat") {
    THelpItems tips{};
    TVisitedLocs visited{};
    readSeenTips(in, tips, visited);
    return written([&](TStream& s) { writeSeenTips(s, tips, visited); });
  }
  if (ext == "cfg") {
    TOptions o;
    o.readSettings(in);
    const std::string text = o.fileText();
    return Bytes(text.begin(), text.end());
  }
  return bytes;  // not a file of the player's: nothing to check
}

}  // namespace

int main(int argc, char** argv) {
  int torn = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string path = argv[i];
    Bytes bytes;
    if (!readWholeFile(path, bytes)) {
      std::printf("%s: unreadable\n", path.c_str());
      ++torn;
      continue;
    }
    const bool whole = !bytes.empty() && rewritten(path, bytes) == bytes;
    std::printf("%s: %s\n", path.c_str(), whole ? "whole" : "torn");
    if (!whole) ++torn;
  }
  return torn == 0 ? 0 : 1;
}
