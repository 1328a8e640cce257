#include "data/room_records.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

#include "data/player_notice.h"
#include "data/safe_file.h"

namespace {

constexpr const char* kCampaignWord = "campaign";
constexpr const char* kCustomWord = "custom";
constexpr int kMostMoves = 1000000;  // far beyond any room; keeps a damaged line from passing

bool holdableName(const std::string& name) {
  return !name.empty() && std::none_of(name.begin(), name.end(), [](char ch) {
    return static_cast<unsigned char>(ch) < 32 || ch == 127;
  });
}

}  // namespace

TRoomRecord TRoomRecords::find(const TRoomRecordKey& key) const {
  const auto it = records_.find(key);
  return it == records_.end() ? TRoomRecord{} : it->second;
}

bool TRoomRecords::solved(const TRoomRecordKey& key, int moves, int hints) {
  if (!holdableName(key.location) || key.room <= 0 || moves < 0 || hints < 0) return false;
  TRoomRecord& record = records_[key];
  const bool newBest = record.moves < 0 || moves < record.moves;
  if (newBest) record.moves = moves;
  if (record.hints < 0 || hints < record.hints) record.hints = hints;
  return newBest;
}

bool TRoomRecords::everyRoomAtPar(TRecordGame game, const std::string& location,
                                  const std::map<int, int>& parOfRoom) const {
  if (parOfRoom.empty()) return false;
  for (const auto& [room, par] : parOfRoom) {
    const TRoomRecord record = find({game, location, room});
    if (record.moves < 0 || record.moves > par) return false;
  }
  return true;
}

// One line a room: "campaign 3 12 0 Abydos" is room 3 of the campaign's
// Abydos, solved in 12 moves at best and with 0 hints at best. The name is
// the rest of the line.
std::string TRoomRecords::text() const {
  std::string out = std::string(kHeader) + "\n";
  for (const auto& [key, record] : records_)
    out += std::string(key.game == TRecordGame::campaign ? kCampaignWord : kCustomWord) + " " +
           std::to_string(key.room) + " " + std::to_string(record.moves) + " " + std::to_string(record.hints) + " " +
           key.location + "\n";
  return out;
}

bool TRoomRecords::parse(const std::string& text, std::string& problem) {
  records_.clear();
  std::istringstream lines(text);
  std::string line;
  if (!std::getline(lines, line) || line != kHeader) {
    problem = "it does not start with \"" + std::string(kHeader) + "\"";
    return false;
  }
  int number = 1;
  while (std::getline(lines, line)) {
    ++number;
    std::istringstream fields(line);
    std::string game;
    TRoomRecordKey key;
    TRoomRecord record;
    fields >> game >> key.room >> record.moves >> record.hints;
    if (fields.get() != ' ' || !std::getline(fields, key.location)) key.location.clear();
    const bool known = game == kCampaignWord || game == kCustomWord;
    if (!fields.eof() || !known || !holdableName(key.location) || key.room <= 0 || record.moves < 0 ||
        record.moves > kMostMoves || record.hints < 0 || record.hints > kMostMoves || records_.count(key) != 0) {
      problem = "line " + std::to_string(number) + " is not a room's record";
      records_.clear();
      return false;
    }
    key.game = game == kCampaignWord ? TRecordGame::campaign : TRecordGame::custom;
    records_[key] = record;
  }
  return true;
}

bool TRoomRecords::load(const std::string& path) {
  path_ = path;
  records_.clear();
  if (path.empty()) return true;  // a player without a name keeps no records
  std::vector<uint8_t> bytes;
  std::string reason;
  const TFileRead read = ReadFileContents(path, bytes, &reason);
  if (read == TFileRead::missing) return true;
  std::string problem = reason;
  if (read == TFileRead::read && parse(std::string(bytes.begin(), bytes.end()), problem)) return true;
  // Kept for the player to look at, never saved over.
  const std::string aside = path + kDamagedSuffix;
  std::remove(aside.c_str());
  const bool kept = std::rename(path.c_str(), aside.c_str()) == 0;
  reportUnreadableFile(path, "Your room records", problem,
                       kept ? "It was kept as " + aside + " and your records start again."
                            : "It stays as it is, and records are not saved this time.");
  if (!kept) path_.clear();
  return false;
}

bool TRoomRecords::save() const {
  if (path_.empty()) return false;
  const std::string content = text();
  std::string reason;
  if (ReplaceFileAtomically(path_, std::vector<uint8_t>(content.begin(), content.end()), &reason)) return true;
  reportFailedSave(path_, reason);
  return false;
}
