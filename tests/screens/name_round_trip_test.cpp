// Names the player can give (profiles, locations, rooms) end up as lines in
// several files. Every name the game accepts must come back from each of
// them exactly as written; every name that could not is refused by the
// naming rules, and left out of the file lists.
#include <gtest/gtest.h>

#include <random>

#include "data/file_names.h"
#include "data/high_scores.h"
#include "data/location.h"
#include "data/profile.h"
#include "screens/game_history.h"

namespace {

// Random names over every byte value, mostly short, some beyond the limit,
// with line breaks and other control characters now and then.
std::string randomName(std::mt19937& rng) {
  std::uniform_int_distribution<int> lengthPick(0, 100);
  std::uniform_int_distribution<int> kindPick(0, 19);
  std::uniform_int_distribution<int> printable(32, 126), latin(160, 255), any(0, 255);
  const int length = lengthPick(rng) < 80 ? lengthPick(rng) % 20 : lengthPick(rng);
  std::string name;
  for (int i = 0; i < length; ++i) {
    const int kind = kindPick(rng);
    name.push_back(static_cast<char>(kind == 0 ? any(rng) : kind < 4 ? latin(rng) : printable(rng)));
  }
  return name;
}

std::string throughCustomGame(const std::string& location) {
  TProfile p;
  p.name = "Ann";
  p.gameType = kGameCustom;
  p.newLocation(kCustomSlot);
  p.locs[kCustomSlot].name = location;
  TMemoryStream s;
  p.writeGame(s);
  TProfile back;
  TMemoryStream in(s.Bytes());
  back.readGame(in);
  // What follows the name must still be read in step.
  EXPECT_EQ(back.curRoom, 1);
  return back.locs[kCustomSlot].name;
}

std::pair<std::string, std::string> throughHighScores(const std::string& location, const std::string& player) {
  THighScores scores;
  scores.tables.clear();
  THighScore result;
  result.location = location;
  result.player = player;
  result.money = 1234;
  result.time = 5678;
  THighScoreTable table;
  table.location = location;
  table.scores[1] = result;
  scores.tables.push_back(table);
  TMemoryStream s;
  scores.writeTables(s);
  THighScores back;
  back.tables.clear();
  TMemoryStream in(s.Bytes());
  back.readTables(in);
  if (back.tables.size() != 1) return {"<" + std::to_string(back.tables.size()) + " tables>", ""};
  EXPECT_EQ(back.tables[0].scores[1].money, 1234);
  EXPECT_EQ(back.tables[0].scores[1].time, 5678);
  return {back.tables[0].location, back.tables[0].scores[1].player};
}

std::string throughRoomName(const std::string& room) {
  TLocation l;
  l.addRoom();
  l.room[1]->name = room;
  TMemoryStream s;
  l.write(s);
  TLocation back;
  TMemoryStream in(s.Bytes());
  back.read(in);
  EXPECT_EQ(back.roomCount, 1);
  return back.roomCount == 1 ? back.room[1]->name : std::string();
}

std::string throughUndoHistory(const std::string& location) {
  TGameHistory history;
  history.room = {location, 3};
  history.moves = 7;
  TMemoryStream s;
  history.writeTo(s);
  TGameHistory back;
  std::string error;
  TMemoryStream in(s.Bytes());
  EXPECT_TRUE(back.readFrom(in, error)) << error;
  EXPECT_EQ(back.room.room, 3);
  EXPECT_EQ(back.moves, 7);
  return back.room.location;
}

std::string throughLastProfileFile(const std::string& name) {
  TMemoryStream s;
  s.WriteLine(name);
  TMemoryStream in(s.Bytes());
  return readLastProfileName(in);
}

}  // namespace

TEST(NameRoundTrip, EveryAcceptedNameComesBackFromEveryFile) {
  std::mt19937 rng(20261207);
  int accepted = 0, refused = 0;
  for (int i = 0; i < 5000; ++i) {
    const std::string name = randomName(rng);
    if (!fileNameProblem(name).empty()) {
      ++refused;
      EXPECT_FALSE(isListableName(name));
      continue;
    }
    ++accepted;
    ASSERT_TRUE(isListableName(name));
    EXPECT_TRUE(typedNameProblem(name).empty());
    EXPECT_EQ(throughCustomGame(name), name);
    EXPECT_EQ(throughHighScores(name, name), std::make_pair(name, name));
    EXPECT_EQ(throughRoomName(name), name);
    EXPECT_EQ(throughLastProfileFile(name), name);
    EXPECT_EQ(throughUndoHistory(name), name);
  }
  // The generator must exercise both sides of the rules.
  EXPECT_GT(accepted, 1000);
  EXPECT_GT(refused, 500);
}

TEST(NameRoundTrip, NamesThatCannotSurviveAreRefused) {
  // The reported cases: a line break splits the name in two, 65 characters
  // are cut to 64 by every reader.
  for (const std::string& bad : {std::string("AAA\nBBB"), std::string("AAA\rBBB"), std::string(65, 'x'),
                                 std::string("tab\there"), std::string("   "), std::string(" "), std::string()}) {
    EXPECT_FALSE(isListableName(bad)) << bad;
    EXPECT_FALSE(typedNameProblem(bad).empty()) << bad;
  }
  EXPECT_TRUE(isListableName(std::string(kLongestName, 'x')));
  EXPECT_EQ(throughCustomGame(std::string(kLongestName, 'x')), std::string(kLongestName, 'x'));
  EXPECT_EQ(typedNameProblem("   "), "A name cannot be only spaces.");
  // Spaces inside or around a name are fine.
  EXPECT_TRUE(typedNameProblem(" Ann Lee ").empty());
}

TEST(NameRoundTrip, CampaignNamesAreRefusedForLocations) {
  for (const char* campaign : {"Abydos", "abydos", "GIZA", "Lost Temple", "Edfu"})
    EXPECT_NE(locationNameProblem(campaign).find("is a campaign location"), std::string::npos) << campaign;
  EXPECT_EQ(locationNameProblem("Abydos"), "Abydos is a campaign location: please choose another name.");
  EXPECT_TRUE(locationNameProblem("Abydos 2").empty());
  EXPECT_TRUE(locationNameProblem("My Oasis").empty());
  EXPECT_EQ(locationNameProblem("  "), "A name cannot be only spaces.");
}
