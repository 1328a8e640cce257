// The player's best in each room: kept fewest moves and hints, read back as
// written for any name the file can hold, and a damaged file put aside with
// a word to the player instead of being saved over.
#include <gtest/gtest.h>

#include <random>

#include "data/player_notice.h"
#include "data/profile.h"
#include "data/room_records.h"
#include "notice_folder.h"

namespace {

using RoomRecordsTest = NoticeFolderTest;

const TRoomRecordKey kAbydos3{TRecordGame::campaign, "Abydos", 3};

TEST_F(RoomRecordsTest, KeepsTheFewestMovesAndHintsAndSaysWhenTheMovesAreANewBest) {
  TRoomRecords r;
  EXPECT_EQ(r.find(kAbydos3).moves, -1);
  EXPECT_TRUE(r.solved(kAbydos3, 9, 2)) << "the first solve is a best";
  EXPECT_FALSE(r.solved(kAbydos3, 9, 0)) << "as many moves is no new best";
  EXPECT_EQ(r.find(kAbydos3).hints, 0) << "but fewer hints are kept";
  EXPECT_FALSE(r.solved(kAbydos3, 12, 5));
  EXPECT_TRUE(r.solved(kAbydos3, 7, 1));
  EXPECT_EQ(r.find(kAbydos3).moves, 7);
  EXPECT_EQ(r.find(kAbydos3).hints, 0);
  // A custom location may share a campaign name; each keeps its own.
  EXPECT_EQ(r.find({TRecordGame::custom, "Abydos", 3}).moves, -1);
  EXPECT_FALSE(r.solved({TRecordGame::custom, "Bad\nName", 1}, 3, 0)) << "a name the file cannot hold";
  EXPECT_EQ(r.size(), 1u);
}

TEST_F(RoomRecordsTest, EveryRoomAtParNeedsEveryRoomSolvedWithinItsPar) {
  TRoomRecords r;
  const std::map<int, int> pars{{1, 3}, {2, 5}};
  r.solved({TRecordGame::campaign, "Giza", 1}, 3, 0);
  EXPECT_FALSE(r.everyRoomAtPar(TRecordGame::campaign, "Giza", pars)) << "room 2 never solved";
  r.solved({TRecordGame::campaign, "Giza", 2}, 6, 0);
  EXPECT_FALSE(r.everyRoomAtPar(TRecordGame::campaign, "Giza", pars)) << "room 2 above its par";
  r.solved({TRecordGame::campaign, "Giza", 2}, 5, 1);
  EXPECT_TRUE(r.everyRoomAtPar(TRecordGame::campaign, "Giza", pars));
  EXPECT_FALSE(r.everyRoomAtPar(TRecordGame::custom, "Giza", pars));
  EXPECT_FALSE(r.everyRoomAtPar(TRecordGame::campaign, "Giza", {}));
}

// Random names of every byte the file can hold (no control characters),
// spaces at either end included, read back exactly.
TEST_F(RoomRecordsTest, WhatIsSavedReadsBackAsItWasForRandomNames) {
  std::mt19937 random(7);
  TRoomRecords written;
  written.setPath("profiles/Ann.rec");
  for (int i = 0; i < 300; ++i) {
    std::string name;
    const int length = 1 + static_cast<int>(random() % 70);
    for (int k = 0; k < length; ++k) name += static_cast<char>(32 + random() % 224);
    if (name[0] == 127) name[0] = ' ';
    for (char& ch : name)
      if (ch == 127) ch = '~';
    const TRecordGame game = random() % 2 ? TRecordGame::campaign : TRecordGame::custom;
    written.solved({game, name, 1 + static_cast<int>(random() % 12)}, static_cast<int>(random() % 40),
                   static_cast<int>(random() % 5));
  }
  ASSERT_TRUE(written.save());
  TRoomRecords read;
  ASSERT_TRUE(read.load("profiles/Ann.rec"));
  EXPECT_EQ(read.text(), written.text());
  EXPECT_EQ(read.size(), written.size());
  EXPECT_TRUE(told.empty());
}

TEST_F(RoomRecordsTest, ADamagedFileIsPutAsideWithAWordAndNeverSavedOver) {
  const std::string damaged = std::string(TRoomRecords::kHeader) + "\ncampaign 3 x 0 Abydos\n";
  writeBytes("profiles/Ann.rec", std::vector<uint8_t>(damaged.begin(), damaged.end()));
  TRoomRecords r;
  EXPECT_FALSE(r.load("profiles/Ann.rec"));
  EXPECT_EQ(r.size(), 0u);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("profiles/Ann.rec.damaged"), std::string::npos) << told[0];
  const std::vector<uint8_t> aside = fileBytes("profiles/Ann.rec.damaged");
  EXPECT_EQ(std::string(aside.begin(), aside.end()), damaged);
  // The new records go to a new file; the damaged one stays aside.
  r.solved(kAbydos3, 4, 0);
  ASSERT_TRUE(r.save());
  TRoomRecords again;
  ASSERT_TRUE(again.load("profiles/Ann.rec"));
  EXPECT_EQ(again.find(kAbydos3).moves, 4);
  EXPECT_EQ(fileBytes("profiles/Ann.rec.damaged").size(), damaged.size());

  for (const std::string bad : {std::string("no header\n"), std::string(TRoomRecords::kHeader) + "\ncampaign 0 1 1 A\n",
                                std::string(TRoomRecords::kHeader) + "\ncampaign 1 1 1\n",
                                std::string(TRoomRecords::kHeader) + "\nmaze 1 1 1 A\n",
                                std::string(TRoomRecords::kHeader) + "\ncampaign 1 1 1 A\ncampaign 1 2 2 A\n"}) {
    TRoomRecords parsed;
    std::string problem;
    EXPECT_FALSE(parsed.parse(bad, problem)) << bad;
    EXPECT_FALSE(problem.empty());
  }
}

TEST_F(RoomRecordsTest, AMissingFileIsNoRecordsAndNoWord) {
  TRoomRecords r;
  EXPECT_TRUE(r.load("profiles/Nobody.rec"));
  EXPECT_EQ(r.size(), 0u);
  EXPECT_TRUE(told.empty());
  TProfile p;
  p.name = "Ann";
  EXPECT_EQ(p.recordsPath(), "profiles/Ann.rec");
  // Without a name there is no file: nothing is read, said or written.
  TRoomRecords nameless;
  EXPECT_TRUE(nameless.load(TProfile().recordsPath()));
  nameless.solved(kAbydos3, 3, 0);
  EXPECT_FALSE(nameless.save());
  EXPECT_TRUE(told.empty());
}

}  // namespace
