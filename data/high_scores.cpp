#include "data/high_scores.h"

#include "data/name_line.h"
#include "data/player_notice.h"
#include "data/safe_file.h"

const char* const kHighScoreFile = "data3.dat";

namespace {
THighScoreTable emptyTable(const std::string& location, const std::string& player) {
  THighScoreTable table;
  table.location = location;
  for (int place = 1; place <= kHighScorePlaces; ++place) table.scores[place].player = player;
  return table;
}
}  // namespace

void THighScoreTable::load(TStream& s) {
  location = readNameLine(s);
  for (int place = 1; place <= kHighScorePlaces; ++place) {
    THighScore& e = scores[place];
    e.player = readNameLine(s);
    e.time = static_cast<int32_t>(s.ReadLong());
    e.money = static_cast<int32_t>(s.ReadLong());
  }
}

void THighScoreTable::save(TStream& s) const {
  s.WriteLine(location);
  for (int place = 1; place <= kHighScorePlaces; ++place) {
    const THighScore& e = scores[place];
    s.WriteLine(e.player);
    s.WriteLong(e.time);
    s.WriteLong(e.money);
  }
}

THighScoreTable defaultCampaignTable() {
  // Four hours each, 5500 at the top down to 1000 in steps of 500.
  THighScoreTable table = emptyTable("Campaign", "Norel");
  for (int place = 1; place <= kHighScorePlaces; ++place) {
    table.scores[place].time = 14400000;
    table.scores[place].money = (11 - place) * 500 + 500;
  }
  return table;
}

THighScores::THighScores() {
  if (!load() || tables.empty()) tables.push_back(defaultCampaignTable());
}

int THighScores::load() {
  std::vector<uint8_t> bytes;
  const TFileRead result =
      readPlayerFileOrTell(kHighScoreFile, bytes, "The high-score file",
                           "New high scores are not saved in this session, so the file stays as it is.");
  savingOff = result == TFileRead::unreadable;
  if (result != TFileRead::read) return 0;
  TMemoryStream stream(std::move(bytes));
  readTables(stream);
  return 1;
}

void THighScores::readTables(TStream& s) {
  // An empty file holds no table (a game that saved its tables never leaves
  // one); otherwise records follow each other up to the end.
  if (s.Eof()) return;
  do {
    THighScoreTable table;
    table.load(s);
    tables.push_back(std::move(table));
  } while (!s.Eof());
}

void THighScores::writeTables(TStream& s) const {
  for (const THighScoreTable& table : tables) table.save(s);
}

void THighScores::save() const {
  if (savingOff) return;
  std::string reason;
  if (!writeWholeFile(kHighScoreFile, [this](TStream& s) { writeTables(s); }, &reason))
    reportFailedSave(kHighScoreFile, reason);
}

void THighScores::updateScoreTable(const THighScore& score) {
  int found = -1;
  for (size_t i = 0; i < tables.size() && found < 0; ++i)
    if (tables[i].location == score.location) found = static_cast<int>(i);

  newScorePos = 0;
  if (found >= 0) {
    curTable = found;
    // A result equal to an entry goes below it.
    for (int place = kHighScorePlaces; place >= 1; --place)
      if (score.money > tables[found].scores[place].money) newScorePos = place;
  } else {
    tables.push_back(emptyTable(score.location, "None"));
    curTable = static_cast<int>(tables.size()) - 1;
    newScorePos = 1;
  }

  if (newScorePos != 0 && score.money != 0) {
    auto& scores = tables[curTable].scores;
    for (int place = kHighScorePlaces; place > newScorePos; --place) scores[place] = scores[place - 1];
    scores[newScorePos] = score;
  } else {
    // Nothing was entered, so nothing is highlighted.
    newScorePos = 0;
  }
  save();
}

void THighScores::prevTable() { showTable(curTable - 1); }
void THighScores::nextTable() { showTable(curTable + 1); }

void THighScores::showTable(int index) {
  // Paging wraps around at both ends.
  int count = static_cast<int>(tables.size());
  curTable = count == 0 ? 0 : ((index % count) + count) % count;
  newScorePos = 0;
}
