// Damaged and hostile files: the readers never crash, never store outside
// their tables, and read missing bytes as zeros.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "data/high_scores.h"
#include "data/pack.h"
#include "data/profile.h"
#include "game_folder.h"

namespace {
using Bytes = std::vector<uint8_t>;

Bytes gameBytes(const TProfile& p) {
  TMemoryStream s;
  p.writeGame(s);
  return s.Bytes();
}

TProfile readGameBytes(const Bytes& bytes) {
  TProfile p;
  TMemoryStream s(bytes);
  p.readGame(s);
  return p;
}

void expectInRange(const TProfile& p) {
  EXPECT_GE(p.curLoc, 0);
  EXPECT_LT(p.curLoc, kLocationSlots);
  EXPECT_GE(p.lastLoc, 0);
  EXPECT_LT(p.lastLoc, kLocationSlots);
  EXPECT_GE(p.roomObjects, 0);
  EXPECT_LE(p.roomObjects, kMaxRoomObjects);
  for (int i = 1; i <= p.roomObjects; ++i) EXPECT_NE(p.obj[i], nullptr);
  for (const TMapLocation& l : p.locs) EXPECT_TRUE(isKnownLocationStatus(l.status)) << l.status;
}

// A game file in a location with two saved objects and a short name.
TProfile sampleGame() {
  TProfile p;
  p.newLocation(2);
  p.roomObjects = 2;
  p.obj[1] = std::make_shared<TObject>();
  p.obj[2] = std::make_shared<TObject>();
  p.obj[2]->frame = 12;
  p.locStatus = {5000, 1234, 3, 2};
  p.secretLocation = 1;
  p.map = 3;
  p.lastLoc = 1;
  p.showMapMessage = 0;
  return p;
}
}  // namespace

TEST(HostileFiles, EveryTruncationOfAGameFileReadsSafely) {
  Bytes full = gameBytes(sampleGame());
  for (size_t n = 0; n <= full.size(); ++n) {
    TProfile p = readGameBytes(Bytes(full.begin(), full.begin() + n));
    expectInRange(p);
  }
  // The last byte missing: showMapMessage keeps its value, the rest is read.
  TProfile p = readGameBytes(Bytes(full.begin(), full.end() - 1));
  EXPECT_EQ(p.showMapMessage, 1);
  EXPECT_EQ(p.lastLoc, 1);
  EXPECT_EQ(p.obj[2]->frame, 12);
  // Cut inside the first status record: zeros from there on.
  p = readGameBytes(Bytes(full.begin(), full.begin() + 20));
  EXPECT_EQ(p.curLoc, 2);
  EXPECT_EQ(p.locStatus.money, 0);
  EXPECT_EQ(p.roomObjects, 0);
}

TEST(HostileFiles, LocationIndexBeyondTheMapIsRefused) {
  Bytes b = gameBytes(sampleGame());
  b[0] = 12;  // slots end at 9
  TProfile p = readGameBytes(b);
  EXPECT_EQ(p.curLoc, 0);
  EXPECT_EQ(p.locs[2].name, "Giza");
  EXPECT_EQ(p.locStatus.money, 1234);  // the rest of the file still in step
  EXPECT_EQ(p.map, 3);

  b[0] = 255;
  expectInRange(readGameBytes(b));
}

TEST(HostileFiles, TooManyObjectsStartTheRoomAfresh) {
  TProfile src = sampleGame();
  src.secretLocation = 0;
  Bytes b = gameBytes(src);
  // Replace the two object records by 60 of them.
  TMemoryStream objects;
  for (int i = 0; i < 60; ++i) TObject().save(objects);
  TMemoryStream head;
  src.roomObjects = 0;
  src.writeGame(head);
  Bytes hostile(head.Bytes().begin(), head.Bytes().end() - 5);
  hostile.push_back(60);
  hostile.insert(hostile.end(), objects.Bytes().begin(), objects.Bytes().end());
  hostile.insert(hostile.end(), {1, 3, 1, 0});

  TProfile p = readGameBytes(hostile);
  expectInRange(p);
  EXPECT_EQ(p.roomObjects, 0);
  EXPECT_EQ(p.newRoom, 1);
  EXPECT_EQ(p.secretLocation, 1);  // the fields after the objects are still read
  EXPECT_EQ(p.map, 3);
  EXPECT_EQ(p.showMapMessage, 0);
}

TEST(HostileFiles, UnknownValuesKeepSafeOnes) {
  TProfile src = sampleGame();
  src.locs[3].status = 7;  // not a map state
  src.locs[5].status = 1;
  src.lastLoc = 200;
  TProfile p = readGameBytes(gameBytes(src));
  EXPECT_EQ(p.locs[3].status, kLocationLocked);
  EXPECT_EQ(p.locs[5].status, kLocationLocked);
  EXPECT_EQ(p.lastLoc, 0);
  expectInRange(p);

  // More map records than the map has: the extra ones are not read.
  Bytes b = gameBytes(sampleGame());
  size_t countAt = 1 + 6 + 2 + 36;  // curLoc, "Giza\r\n", curRoom, gameComplete, statuses
  ASSERT_EQ(b[countAt], 9);
  b[countAt] = 200;
  expectInRange(readGameBytes(b));
}

TEST(HostileFiles, SeenTipsScramblingAndShortFiles) {
  EXPECT_EQ(scrambleText(scrambleText("01101")), "01101");
  EXPECT_EQ(scrambleText("3"), std::string(1, '\0'));  // the key starts with 3

  THelpItems tips{};
  TVisitedLocs visited{};
  tips[19] = 1;
  visited[8] = 1;
  TMemoryStream out;
  writeSeenTips(out, tips, visited);
  ASSERT_EQ(out.Size(), 28);

  THelpItems readTips{};
  TVisitedLocs readVisited{};
  TMemoryStream in(out.Bytes());
  readSeenTips(in, readTips, readVisited);
  EXPECT_EQ(readTips, tips);
  EXPECT_EQ(readVisited, visited);

  // Ten bytes of tips only: the rest are unseen, not key digits.
  readTips.fill(1);
  readVisited.fill(1);
  TMemoryStream shortFile(Bytes(out.Bytes().begin(), out.Bytes().begin() + 10));
  readSeenTips(shortFile, readTips, readVisited);
  EXPECT_EQ(readTips, THelpItems{});
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(readVisited[i], 0);

  // Characters that are not digits read as 0.
  Bytes garbage(28, 0xFF);
  TMemoryStream g(garbage);
  readSeenTips(g, readTips, readVisited);
  EXPECT_EQ(readTips, THelpItems{});
}

TEST(HostileFiles, LastProfileNameMustBeAFileName) {
  auto nameOf = [](const std::string& text) {
    TMemoryStream s(Bytes(text.begin(), text.end()));
    return readLastProfileName(s);
  };
  EXPECT_EQ(nameOf("Norel\r\nextra"), "Norel");
  EXPECT_EQ(nameOf("sub/dir\r\n"), "");
  EXPECT_EQ(nameOf(".."), "");
  EXPECT_EQ(nameOf(std::string(300, 'a')), "");
  EXPECT_EQ(nameOf(""), "");
}

using HostileScoreFiles = GameFolderTest;

TEST_F(HostileScoreFiles, TruncatedAndEmptyScoreFiles) {
  THighScores first;
  first.updateScoreTable({"Ann", 100, 3000, "Oasis"});
  Bytes full = fileBytes(kHighScoreFile);

  // Cut inside the second table: its missing entries read as empty and zero.
  writeBytes(kHighScoreFile, Bytes(full.begin(), full.begin() + full.size() - 40));
  THighScores cut;
  ASSERT_EQ(cut.tables.size(), 2u);
  EXPECT_EQ(cut.tables[1].location, "Oasis");
  EXPECT_EQ(cut.tables[1].scores[1].player, "Ann");
  EXPECT_EQ(cut.tables[1].scores[10].player, "");
  EXPECT_EQ(cut.tables[1].scores[10].money, 0);

  // An empty file holds no table: the default one stands in.
  writeBytes(kHighScoreFile, {});
  THighScores empty;
  ASSERT_EQ(empty.tables.size(), 1u);
  EXPECT_EQ(empty.tables[0].location, "Campaign");
}

TEST(HostileFiles, ObjectsOffTheGridOrWithBrokenNumbersStartTheRoomAfresh) {
  TProfile src = sampleGame();
  src.obj[2]->c = 200;  // no such column
  TProfile p = readGameBytes(gameBytes(src));
  EXPECT_EQ(p.roomObjects, 0);
  EXPECT_EQ(p.newRoom, 1);
  EXPECT_EQ(p.map, 3);

  src.obj[2]->c = 13;
  src.obj[1]->glow = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(readGameBytes(gameBytes(src)).roomObjects, 0);

  // The glow flag is stored as a float: any value reads as 0 or 1.
  src.obj[1]->glow = 0;
  Bytes b = gameBytes(src);
  size_t flagAt = b.size() - 4 - 8;  // before the last glow float and the four trailing bytes
  const float inf = -std::numeric_limits<float>::infinity();
  std::memcpy(&b[flagAt], &inf, 4);
  p = readGameBytes(b);
  ASSERT_EQ(p.roomObjects, 2);
  EXPECT_EQ(p.obj[2]->glowActive, 1);
}
