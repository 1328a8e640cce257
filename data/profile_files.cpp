// The profile's files in the "profiles" folder: the game in progress, the
// name of the last profile, the seen-tips file and the text export.
#include <algorithm>
#include <cmath>

#include "data/name_line.h"
#include "data/player_notice.h"
#include "data/duration_text.h"
#include "data/profile.h"
#include "data/safe_file.h"

const char* const kLastProfileFile = "profiles/.cfg";
const std::array<std::string, 3> savedGameExt = {"", ".cam", ".cus"};

namespace {
constexpr const char* kProfileFolder = "profiles/";

bool isSlot(int index) { return index >= 0 && index < kLocationSlots; }

// A saved object the room can take back: on the grid (the room and its
// border ring, columns 0..13 and rows 0..11) and with real numbers for its
// position and animation.
bool fitsRoom(const TObject& o) {
  for (float v : {o.x, o.y, o.alpha, o.scale, o.targetScale, o.sparkleTime, o.crumbleDelay, o.glow})
    if (!std::isfinite(v)) return false;
  return o.c >= 0 && o.c <= 13 && o.r >= 0 && o.r <= 11;
}

std::string profilePath(const std::string& name, const std::string& extension) {
  if (!isSafeProfileName(name)) return {};
  return kProfileFolder + name + extension;
}
}  // namespace

bool isSafeProfileName(const std::string& name) {
  if (name.empty() || name.size() > kLongestName || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char ch) {
    auto code = static_cast<unsigned char>(ch);
    return ch == '/' || ch == '\\' || code < 32 || code == 127;
  });
}

std::string readLastProfileName(TStream& stream) {
  std::string line = stream.ReadLine();
  return isSafeProfileName(line) ? line : std::string();
}

std::string TProfile::gameFilePath() const {
  if (gameType < 0 || gameType >= static_cast<int>(savedGameExt.size())) return {};
  return profilePath(name, savedGameExt[gameType]);
}
std::string TProfile::seenTipsPath() const { return profilePath(name, ".dat"); }
std::string TProfile::exportPath() const { return profilePath(name, ".txt"); }
// The campaign and a custom game each keep their own history, so playing one
// never wipes the moves of the other.
std::string TProfile::undoHistoryPath() const {
  return profilePath(name, gameType == kGameCustom ? ".cus.undo" : ".undo");
}
std::string TProfile::recordsPath() const { return profilePath(name, ".rec"); }

void TProfile::writeGame(TStream& s) const {
  int loc = isSlot(curLoc) ? curLoc : 0;
  s.WriteByte(loc);
  if (loc != 0) s.WriteLine(locs[loc].name);
  s.WriteByte(curRoom);
  s.WriteByte(gameComplete);
  roomStatus.save(s);
  locStatus.save(s);
  s.WriteByte(kLocationSlots - 1);
  for (const TMapLocation& l : locs) l.saveProgress(s);
  int count = std::clamp(roomObjects, 0, kMaxRoomObjects);
  s.WriteByte(count);
  static const TObject blank = [] {
    TObject o;
    o.clear();
    return o;
  }();
  for (int i = 1; i <= count; ++i) (obj[i] ? *obj[i] : blank).save(s);
  s.WriteByte(secretLocation);
  s.WriteByte(map);
  s.WriteByte(lastLoc);
  s.WriteByte(showMapMessage);
}

void TProfile::readGame(TStream& s) {
  int loc = s.ReadByte();
  std::string locName = loc != 0 ? readNameLine(s) : std::string();
  // A location index beyond the map cannot be played: the player is put
  // between locations instead.
  curLoc = isSlot(loc) ? loc : 0;
  if (curLoc != 0) locs[curLoc].name = locName;
  curRoom = s.ReadByte();
  gameComplete = s.ReadByte();
  roomStatus.load(s);
  locStatus.load(s);
  int highest = s.ReadByte();
  for (int i = 0; i <= std::min(highest, kLocationSlots - 1); ++i) locs[i].loadProgress(s);

  // The objects are read even when there are too many, so that the fields
  // after them stay in step; a room that does not fit starts afresh.
  int count = s.ReadByte();
  std::vector<TObjectPtr> saved;
  bool fits = count <= kMaxRoomObjects;
  for (int i = 0; i < count; ++i) {
    auto o = std::make_shared<TObject>();
    o->load(s);
    fits = fits && fitsRoom(*o);
    saved.push_back(o);
  }
  obj.fill(nullptr);
  if (fits) {
    roomObjects = count;
    std::copy(saved.begin(), saved.end(), obj.begin() + 1);
  } else {
    roomObjects = 0;
    newRoom = 1;
  }

  secretLocation = s.ReadByte();
  map = s.ReadByte();
  int last = s.ReadByte();
  lastLoc = isSlot(last) ? last : 0;
  if (!s.Eof()) showMapMessage = s.ReadByte();
}

namespace {
// The name in the last-profile file; empty when it is missing, unreadable or
// holds a name that is refused.
std::string lastProfileName() {
  std::vector<uint8_t> bytes;
  if (!readWholeFile(kLastProfileFile, bytes, file_limits::kSmallText)) return {};
  TMemoryStream cfg(std::move(bytes));
  return readLastProfileName(cfg);
}
}  // namespace

void TProfile::load(int type, const std::string& profileName) {
  if (!profileName.empty()) {
    name = profileName;
  } else {
    // A last-profile file that cannot be read must not make the player of
    // this session nameless.
    std::string last = lastProfileName();
    if (!last.empty()) name = last;
  }
  resetLocations();
  gameType = type;
  savingOff = false;

  std::vector<uint8_t> bytes;
  auto read = [&](const std::string& path) {
    if (path.empty()) return TFileRead::missing;
    const TFileRead result = readPlayerFileOrTell(path, bytes, "Your saved game " + name,
                                                  "Saving is switched off for this profile, so the file stays as it is.");
    if (result == TFileRead::unreadable) savingOff = true;
    return result;
  };
  const TFileRead game = read(gameFilePath());
  if (game == TFileRead::read) {
    TMemoryStream stream(std::move(bytes));
    readGame(stream);
  } else {
    clearGame();
  }

  // Read even without a game file: a profile whose game file went missing
  // keeps its seen tips and completed locations instead of losing them at
  // the next save.
  if (read(seenTipsPath()) == TFileRead::read) {
    TMemoryStream stream(std::move(bytes));
    readSeenTips(stream, helpItems, visitedLocs);
  }
  // A finished or lost game starts over.
  if (game == TFileRead::read && gameComplete) reset();
}

void TProfile::save() {
  const std::string path = gameFilePath();
  if (path.empty() || savingOff) return;
  std::string reason;
  if (!writeWholeFile(path, [this](TStream& s) { writeGame(s); }, &reason)) {
    reportFailedSave(path, reason);
    return;
  }
  if (!writeWholeFile(kLastProfileFile, [this](TStream& s) { s.WriteLine(name); }, &reason))
    reportLastProfileNotSaved(kLastProfileFile, reason);
  const std::string tipsPath = seenTipsPath();
  if (!writeWholeFile(tipsPath, [this](TStream& s) { writeSeenTips(s, helpItems, visitedLocs); }, &reason))
    reportFailedSave(tipsPath, reason);
}

void TProfile::exportText() const {
  std::string path = exportPath();
  if (path.empty()) return;
  writeWholeFile(path, [this](TStream& s) {
    s.WriteLine("Score: " + std::to_string(locStatus.money));
    s.WriteLine("");
    for (int i = 1; i < kLocationSlots; ++i) {
      s.WriteLine("Location: " + locs[i].name);
      s.WriteLine("Status: " + std::to_string(locs[i].status));
      s.WriteLine("Time: " + durationText(locs[i].time));
      s.WriteLine("");
    }
  });
}
