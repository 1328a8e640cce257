// tesmoria-savecheck: tells whether the player's files are whole, that is
// exactly as the game writes them: each one read and written again by the
// game's own code must give back its bytes. A file torn by a crash in the
// middle of a save fails that. Used by scripts/kill_test.sh.
//
//   tesmoria-savecheck FILE...     (profiles/NAME.cam|.cus|.dat|.cfg,
//                                   NAME.undo, profiles/.cfg, data3.dat,
//                                   locations/NAME.loc)
//
// Each file gets one line: "whole", "torn", "unreadable: why" or "not a file
// the game writes". The exit status is 0 only when every file is whole.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "data/high_scores.h"
#include "data/location.h"
#include "data/options.h"
#include "data/profile.h"
#include "data/seen_tips.h"
#include "platform/file_system.h"
#include "screens/game_history.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr const char* kUsage =
    "Usage: tesmoria-savecheck FILE...\n"
    "Tells whether each of the player's files is whole: read and written again by\n"
    "the game, it gives back its own bytes. Files: profiles/NAME.cam, NAME.cus,\n"
    "NAME.dat, NAME.cfg, NAME.undo, profiles/.cfg, data3.dat and locations/NAME.loc.\n"
    "Exit status: 0 all whole; 1 some torn, unreadable or of another kind; 2 bad usage.\n";

template <typename Write>
Bytes written(Write write) {
  TMemoryStream s;
  write(s);
  return s.Bytes();
}

// The bytes the game would write for what it reads out of these; nothing
// when the file is of no kind the game writes.
std::optional<Bytes> rewritten(const std::string& path, const Bytes& bytes) {
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
  if (ext == "loc") {
    TLocation location;
    location.read(in);
    // A location that had to be cut or padded is not what the editor wrote.
    if (!location.loadProblem.empty()) return Bytes{};
    return written([&](TStream& s) { location.write(s); });
  }
  if (ext == "undo") {
    TGameHistory history;
    std::string error;
    if (!history.readFrom(in, error)) return Bytes{};
    return written([&](TStream& s) { history.writeTo(s); });
  }
  return std::nullopt;
}

// One file's verdict, as printed after its name.
std::string check(const std::string& path) {
  Bytes bytes;
  std::string reason;
  const int64_t limit = ExtractExt(path) == "undo" ? file_limits::kHistory : file_limits::kPlayerFile;
  switch (ReadFileContents(path, bytes, &reason, limit)) {
    case TFileRead::missing: return "unreadable: there is no such file";
    case TFileRead::unreadable: return "unreadable: " + reason;
    case TFileRead::read: break;
  }
  const std::optional<Bytes> again = rewritten(path, bytes);
  if (!again) return "not a file the game writes";
  return !bytes.empty() && *again == bytes ? "whole" : "torn";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--help" || word == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (word.size() > 1 && word[0] == '-' && word != "--") {
      std::fprintf(stderr, "tesmoria-savecheck: unknown option %s\n%s", word.c_str(), kUsage);
      return 2;
    }
    if (word != "--") files.push_back(word);
  }
  if (files.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  int notWhole = 0;
  for (const std::string& path : files) {
    const std::string verdict = check(path);
    std::printf("%s: %s\n", path.c_str(), verdict.c_str());
    if (verdict != "whole") ++notWhole;
  }
  return notWhole == 0 ? 0 : 1;
}
