#pragma once
// The high-score tables, shared by every profile: one for the campaign and
// one for each custom location that has been finished, kept in "data3.dat".
#include <array>
#include <string>
#include <vector>

#include "data/high_score.h"
#include "platform/stream.h"

constexpr int kHighScorePlaces = 10;

class THighScoreTable {
 public:
  std::string location;  // "Campaign" or a custom location's name
  std::array<THighScore, kHighScorePlaces + 1> scores{};  // places 1..10, 1 the best

  // The record: the name line, then per place the player line, time and
  // money as longs (each keeps its low 32 bits on reading).
  void load(TStream& stream);
  void save(TStream& stream) const;
};

class THighScores {
 public:
  std::vector<THighScoreTable> tables;
  int curTable = 0;         // table shown on the screen
  std::string location;     // name of the table the current game belongs to
  int newScorePos = 0;      // place just filled in table curTable; 0 = none
  // "data3.dat" exists but could not be read: it is never saved over.
  bool savingOff = false;

  // Reads "data3.dat"; without it (or when it is empty) the default campaign table.
  THighScores();

  // 1 when the file was read. A file that exists but cannot be read is told
  // to the player and switches saving off.
  int load();
  // Replaces the file; a failed save is told to the player once a session.
  void save() const;
  // Enters a finished game's result into its table, creating the table on the
  // location's first result, and saves the file.
  void updateScoreTable(const THighScore& score);
  void prevTable();
  void nextTable();
  // One frame of the high-score screen (drawn by the screens, not stored).
  void update();

  // The file's content, apart from the file itself.
  void readTables(TStream& stream);
  void writeTables(TStream& stream) const;

 private:
  void showTable(int index);
};

// The campaign table a new installation starts with.
THighScoreTable defaultCampaignTable();

extern const char* const kHighScoreFile;
