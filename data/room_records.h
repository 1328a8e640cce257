#pragma once
// A player's best in each room: the fewest moves and the fewest hints with
// which the room was solved. They are kept in a file of their own beside the
// profile ("profiles/NAME.rec"), one line a room, written whole and swapped
// in atomically, so the saved formats the game already has stay as they are.
//
// A records file that cannot be read is never saved over: it is put aside
// under a new name (".damaged") and the player is told, and the records
// start again.
#include <map>
#include <string>
#include <tuple>

// Which game a room belongs to: a campaign location and a custom location
// may share a name.
enum class TRecordGame { campaign, custom };

struct TRoomRecord {
  int moves = -1;  // fewest moves of a solve; -1 before the first
  int hints = -1;  // fewest hints of a solve
};

struct TRoomRecordKey {
  TRecordGame game = TRecordGame::campaign;
  std::string location;
  int room = 0;
  auto operator<=>(const TRoomRecordKey&) const = default;
};

class TRoomRecords {
 public:
  static constexpr const char* kHeader = "Tesmoria room records 1";
  static constexpr const char* kDamagedSuffix = ".damaged";

  // Reads the file at path. A missing file gives no records; a damaged one
  // is put aside (and the player told) before the records start empty.
  // False only for a damaged file.
  bool load(const std::string& path);
  // Writes every record to the file load read (or was given); false, and
  // the old file untouched, when it cannot be written.
  bool save() const;
  void setPath(const std::string& path) { path_ = path; }

  // The record of a room, or a record of -1s when it was never solved.
  TRoomRecord find(const TRoomRecordKey& key) const;
  // A room solved in moves with hints: keeps the fewest of each. True when
  // the moves are a new best (the first solve is one). Rooms whose location
  // name the file cannot hold (a line break in it) are not kept.
  bool solved(const TRoomRecordKey& key, int moves, int hints);
  size_t size() const { return records_.size(); }
  // Every room of a location solved in at most its par (par of each room
  // by its number); false for a location without rooms.
  bool everyRoomAtPar(TRecordGame game, const std::string& location, const std::map<int, int>& parOfRoom) const;

  // The file's text, and reading it back: parse is false on any line that
  // is not a record.
  std::string text() const;
  bool parse(const std::string& text, std::string& problem);

 private:
  std::string path_;
  std::map<TRoomRecordKey, TRoomRecord> records_;
};
