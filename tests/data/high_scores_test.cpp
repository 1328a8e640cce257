// High-score tables: the default table, inserting results, the file, paging.
#include <gtest/gtest.h>

#include "data/high_scores.h"
#include "game_folder.h"

namespace {
THighScore result(const std::string& player, int money, const std::string& location = "Campaign") {
  return {player, 60000, money, location};
}
}  // namespace

using HighScores = GameFolderTest;

TEST_F(HighScores, WithoutAFileTheCampaignTableHoldsNorel) {
  THighScores h;
  ASSERT_EQ(h.tables.size(), 1u);
  const THighScoreTable& t = h.tables[0];
  EXPECT_EQ(t.location, "Campaign");
  for (int place = 1; place <= 10; ++place) {
    EXPECT_EQ(t.scores[place].player, "Norel");
    EXPECT_EQ(t.scores[place].time, 14400000);
    EXPECT_EQ(t.scores[place].money, 6000 - 500 * place);
  }
  EXPECT_EQ(t.scores[0].player, "");
  EXPECT_FALSE(FileExists(kHighScoreFile));  // written only after a result
}

TEST_F(HighScores, AResultFindsItsPlace) {
  THighScores h;
  h.updateScoreTable(result("Ann", 5200));
  const auto& s = h.tables[0].scores;
  EXPECT_EQ(h.curTable, 0);
  EXPECT_EQ(h.newScorePos, 2);
  EXPECT_EQ(s[1].money, 5500);
  EXPECT_EQ(s[2].player, "Ann");
  EXPECT_EQ(s[2].time, 60000);
  EXPECT_EQ(s[3].money, 5000);
  EXPECT_EQ(s[10].money, 1500);  // the old 1000 dropped out

  // Equal to place 4 (now 4500): goes below it.
  h.updateScoreTable(result("Bob", 4500));
  EXPECT_EQ(h.newScorePos, 5);
  EXPECT_EQ(s[4].player, "Norel");
  EXPECT_EQ(s[5].player, "Bob");

  // Below the whole table.
  h.updateScoreTable(result("Cy", 900));
  EXPECT_EQ(h.newScorePos, 0);
  EXPECT_EQ(s[10].money, 2000);
}

TEST_F(HighScores, FirstCustomResultMakesItsTable) {
  THighScores h;
  h.updateScoreTable(result("Ann", 750, "Oasis"));
  ASSERT_EQ(h.tables.size(), 2u);
  EXPECT_EQ(h.curTable, 1);
  EXPECT_EQ(h.newScorePos, 1);
  const THighScoreTable& t = h.tables[1];
  EXPECT_EQ(t.location, "Oasis");
  EXPECT_EQ(t.scores[1].player, "Ann");
  EXPECT_EQ(t.scores[1].money, 750);
  for (int place = 2; place <= 10; ++place) {
    EXPECT_EQ(t.scores[place].player, "None");
    EXPECT_EQ(t.scores[place].time, 0);
    EXPECT_EQ(t.scores[place].money, 0);
  }
  // Table names are compared exactly.
  h.updateScoreTable(result("Bob", 10, "oasis"));
  EXPECT_EQ(h.tables.size(), 3u);
}

TEST_F(HighScores, ZeroIsNeverEntered) {
  THighScores h;
  h.updateScoreTable(result("Ann", 0, "Oasis"));
  ASSERT_EQ(h.tables.size(), 2u);
  EXPECT_EQ(h.tables[1].scores[1].player, "None");
  EXPECT_EQ(h.newScorePos, 0);  // nothing of the player's to highlight
  h.updateScoreTable(result("Bob", 0));
  EXPECT_EQ(h.tables[0].scores[10].player, "Norel");
}

TEST_F(HighScores, TablesSurviveTheFileAndPageAround) {
  {
    THighScores h;
    h.updateScoreTable(result("Ann", 6000));
    h.updateScoreTable(result("Bob", 3, "Oasis"));
  }
  THighScores h;
  ASSERT_EQ(h.tables.size(), 2u);
  EXPECT_EQ(h.tables[0].scores[1].player, "Ann");
  EXPECT_EQ(h.tables[0].scores[1].location, "");  // not stored
  EXPECT_EQ(h.tables[1].location, "Oasis");
  EXPECT_EQ(h.tables[1].scores[1].money, 3);
  EXPECT_EQ(h.tables[1].scores[1].time, 60000);

  h.newScorePos = 3;
  h.nextTable();
  EXPECT_EQ(h.curTable, 1);
  EXPECT_EQ(h.newScorePos, 0);
  h.nextTable();
  EXPECT_EQ(h.curTable, 0);
  h.prevTable();
  EXPECT_EQ(h.curTable, 1);

  h.tables.resize(1);
  h.nextTable();
  EXPECT_EQ(h.curTable, 0);
}
