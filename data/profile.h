#pragma once
// The current player: name, the game in progress, the campaign map and its
// rules (unlocking, the hidden location, bonuses, the end of the game), the
// sun timer, and the player's files in the "profiles" folder.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "data/campaign.h"
#include "data/high_score.h"
#include "data/seen_tips.h"
#include "data/status.h"
#include "data/room_pieces.h"

// Values of TProfile::gameType.
enum : int {
  kGameNone = 0,
  kGameCampaign = 1,
  kGameCustom = 2,
};

// The game file's extension for each game type ("" for none).
extern const std::array<std::string, 3> savedGameExt;

constexpr int kMaxRoomObjects = 50;

class TProfile {
 public:
  // The name dialogue's state between frames (the box itself belongs to the
  // widgets: inputName).
  std::string newName;
  int diagX = 140, diagY = 280;
  std::shared_ptr<struct TNameEntry> nameEntry;  // the open name dialogue, if any

  std::string name;          // profile name; empty = no profile yet
  int gameType = kGameNone;  // campaign or custom location
  int curLoc = 0;            // slot of the location being played; 0 = between locations
  int curRoom = 0;           // 1-based room within the location
  int gameComplete = 0;      // the game has ended (finished or lost)
  int roomObjects = 0;       // saved objects of the room in progress
  int newRoom = 0;           // next game screen starts room curRoom afresh
  TStatus roomStatus;        // gained in the current room
  TStatus locStatus;         // game totals; timer = time in the current location
  std::array<TObjectPtr, kMaxRoomObjects + 1> obj{};  // objects 1..roomObjects
  int roomCount = 0;         // rooms of the current location
  int lastLoc = 0;           // location completed last (start of the map path)
  TMapLocations locs;
  TVisitedLocs visitedLocs{};
  uint32_t startTime = 0;    // clock at the last timer restart
  int newTime = 0;           // kept at 0
  uint32_t oldTime = 0;      // ms since the last restart already counted
  int showMapMessage = 1;    // "all maps found" not yet announced
  int map = 0, secretLocation = 0;
  // The room finished last, for the room-complete screen (not saved):
  // the moves it took and its par, -1 when unknown.
  int lastRoomMoves = -1, lastRoomPar = -1;
  // The hints bought in it and what they cost.
  int lastRoomHints = 0, lastRoomHintCoins = 0;
  // The player's best in the room just solved (-1 when none), and whether
  // this solve set it.
  int lastRoomBest = -1, lastRoomNewBest = 0;
  // The room just solved, for watching its way through (0 when none).
  std::string lastRoomLocation;
  int lastRoom = 0;
  THelpItems helpItems{};
  // A file of this profile exists but could not be read: nothing of the
  // profile is saved until another profile (or this one, readable again) is
  // loaded, so the file is never written over.
  bool savingOff = false;

  TProfile();

  void resetLocations();
  // Starts the game over; keeps the name, game type, seen tips and visited locations.
  void reset();
  void resetHelpTips();
  void newLocation(int index);
  // Ends the current location: time bonus, unlocks, the hidden location, and
  // possibly the end of the game. Returns the result screen code, 22 or 23.
  int locationComplete();
  void roomComplete();

  // Reads the game of the given type; an empty name means the profile saved
  // last (or, when that cannot be read, the profile already in memory). The
  // seen-tips file is read whenever it exists. A file that exists but cannot
  // be read is reported to the player and switches saving off.
  void load(int type, const std::string& profileName);
  // Writes the game file, the last-profile file and the seen-tips file; each
  // replaces its old file whole. A failed save is told to the player once a
  // session; the game plays on.
  void save();
  void resetTimer();
  // Counts play time since the last call into roomStatus and returns the sun
  // frame 0..9; 9 means the half hour in the location is up.
  int sunTimer();
  // The high-score row of this game, for the table named tableLocation.
  THighScore saveScore(const std::string& tableLocation) const;
  // The text summary of the profile (Shift+F1).
  void exportText() const;

  // The game file's content, apart from the file itself (also used by tests
  // and the fuzzers).
  void writeGame(TStream& stream) const;
  void readGame(TStream& stream);

  // Paths of the profile's files; empty when the name cannot be a file name.
  std::string gameFilePath() const;
  std::string seenTipsPath() const;
  std::string exportPath() const;
  // The undo history of the room in progress (written by the in-game screen);
  // the campaign and a custom game keep one each.
  std::string undoHistoryPath() const;
  // The player's best in each room (see room_records.h).
  std::string recordsPath() const;

 private:
  void clearGame();
};

// What the name dialogue (inputName) returns when the player cancels.
extern const char* const kNameCancelled;

// The file holding the name of the profile saved last.
extern const char* const kLastProfileFile;
// A profile name is safe as part of a path: not empty, no folder separators,
// no control characters, not "." or "..".
bool isSafeProfileName(const std::string& name);
// First line of the last-profile file content; empty when it is not a safe name.
std::string readLastProfileName(TStream& stream);
