// The profile's files: their bytes, round trips, and saves that fail or are
// cut short by a crash.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include "data/profile.h"
#include "game_folder.h"

namespace {
using Bytes = std::vector<uint8_t>;

void appendInt(Bytes& b, int64_t v, int size) {
  for (int i = 0; i < size; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// The game file of a profile that has not started a location: every byte
// spelled out.
Bytes freshCampaignFile() {
  Bytes b = {0, 0, 0};                  // curLoc 0 (no name line), curRoom, gameComplete
  b.insert(b.end(), 2 * 18, 0);         // roomStatus, locStatus
  b.push_back(9);                       // highest map slot
  const int status[10] = {0, 0, 3, 3, 3, 3, 3, 3, -1, 0};
  for (int s : status) {
    appendInt(b, s, 4);
    appendInt(b, 0, 8);
  }
  b.insert(b.end(), {0, 0, 0, 0, 1});   // objects, secretLocation, map, lastLoc, showMapMessage
  return b;
}

TObjectPtr sampleObject(int seed) {
  auto o = std::make_shared<TObject>();
  o->name = seed == 2 ? "mirror" : "";
  o->x = 125.5f + seed;
  o->y = 75.25f;
  o->frame = 10 + seed;
  o->movable = 1;
  o->solid = seed & 1;
  o->rr = 255;
  o->sx = -7;
  o->sy = 12;
  o->score = 250 * seed;
  o->itemID = seed;
  o->helpID = 3;
  o->dx = -1;
  o->dy = seed == 1 ? 1 : 0;
  o->tx = 425;
  o->ty = -50;
  o->c = 8;
  o->r = seed;
  o->angle = 90;
  o->alpha = 0.5f;
  o->scale = 1.25f;
  o->targetScale = 0.75f;
  o->sparkleTime = 321.5f;
  o->crumbleDelay = 2.5f;
  o->glowActive = 1;
  o->glow = 0.125f;
  return o;
}

void expectSameObject(const TObject& a, const TObject& b) {
  EXPECT_EQ(a.name, b.name);
  EXPECT_EQ(std::memcmp(&a.x, &b.x, sizeof a.x), 0);
  EXPECT_EQ(a.y, b.y);
  const int ai[] = {a.frame, a.shadows, a.movable, a.solid, a.shadowImage, a.floorTile, a.pr, a.pg, a.pb,
                    a.rr, a.rg, a.rb, a.dr, a.dg, a.db, a.sx, a.sy, a.score, a.itemID, a.helpID,
                    a.dx, a.dy, a.tx, a.ty, a.c, a.r, a.angle, a.glowActive};
  const int bi[] = {b.frame, b.shadows, b.movable, b.solid, b.shadowImage, b.floorTile, b.pr, b.pg, b.pb,
                    b.rr, b.rg, b.rb, b.dr, b.dg, b.db, b.sx, b.sy, b.score, b.itemID, b.helpID,
                    b.dx, b.dy, b.tx, b.ty, b.c, b.r, b.angle, b.glowActive};
  for (size_t i = 0; i < std::size(ai); ++i) EXPECT_EQ(ai[i], bi[i]) << "int field " << i;
  const float af[] = {a.alpha, a.scale, a.targetScale, a.sparkleTime, a.crumbleDelay, a.glow};
  const float bf[] = {b.alpha, b.scale, b.targetScale, b.sparkleTime, b.crumbleDelay, b.glow};
  for (size_t i = 0; i < std::size(af); ++i) EXPECT_EQ(af[i], bf[i]) << "float field " << i;
}

TProfile namedProfile(const std::string& name, int type = kGameCampaign) {
  TProfile p;
  p.name = name;
  p.gameType = type;
  return p;
}
}  // namespace

using ProfileFiles = GameFolderTest;

TEST_F(ProfileFiles, P1WritesItsCampaignFileSeenTipsAndLastProfileName) {
  TProfile p = namedProfile("P1");
  p.helpItems[3] = 1;
  p.visitedLocs[1] = 1;
  p.save();

  EXPECT_EQ(fileBytes("profiles/P1.cam"), freshCampaignFile());
  EXPECT_EQ(fileBytes("profiles/.cfg"), (Bytes{'P', '1', 13, 10}));
  // Digits XORed with the key 30571928464017, the key restarting for the
  // second string: '0' gives 03 00 05 07 ..., the flags '1' at tip 3 and at
  // location 1 give 06 and 02.
  const Bytes tips = {0x03, 0x00, 0x05, 0x06, 0x01, 0x09, 0x02, 0x08, 0x04, 0x06, 0x04, 0x00, 0x01, 0x07,
                      0x03, 0x00, 0x05, 0x07, 0x01, 0x09, 0x02, 0x00, 0x05, 0x07, 0x01, 0x09, 0x02, 0x08};
  EXPECT_EQ(fileBytes("profiles/P1.dat"), tips);
  EXPECT_FALSE(FileExists("profiles/P1.cus"));
  EXPECT_FALSE(FileExists("profiles/P1.cam.tmp"));
}

TEST_F(ProfileFiles, GameFileNamesTheLocationOnlyInsideOne) {
  TProfile p = namedProfile("P1");
  p.curRoom = 7;
  p.save();
  Bytes between = fileBytes("profiles/P1.cam");
  EXPECT_EQ(between[0], 0);
  EXPECT_EQ(between[1], 7);  // curRoom straight after curLoc

  p.newLocation(3);
  p.save();
  Bytes inside = fileBytes("profiles/P1.cam");
  const std::string line = "Necropolis\r\n";
  EXPECT_EQ(inside[0], 3);
  EXPECT_EQ(std::string(inside.begin() + 1, inside.begin() + 1 + line.size()), line);
  EXPECT_EQ(inside[1 + line.size()], 1);
  EXPECT_EQ(inside.size(), between.size() + line.size());
}

TEST_F(ProfileFiles, RoomInProgressRoundTripsExactly) {
  TProfile p = namedProfile("Ann");
  p.reset();
  p.newLocation(4);
  p.newRoom = 0;
  p.curRoom = 5;
  p.roomStatus = {12345, 300, 1, 1};
  p.locStatus = {654321, -20, -1, 3};
  p.locs[0].time = 99;
  p.locs[1].status = kLocationCompleted;
  p.locs[1].time = 1000000;
  p.locs[4].status = kLocationAvailable;
  p.roomObjects = 3;
  for (int i = 1; i <= 3; ++i) p.obj[i] = sampleObject(i);
  p.secretLocation = 1;
  p.map = 2;
  p.lastLoc = 1;
  p.showMapMessage = 0;
  p.helpItems = {1, 0, 1, 1};
  p.visitedLocs[1] = 1;
  p.save();

  TProfile q;
  q.load(kGameCampaign, "");  // the last profile saved
  EXPECT_EQ(q.name, "Ann");
  EXPECT_EQ(q.curLoc, 4);
  EXPECT_EQ(q.locs[4].name, "Heliopolis");
  EXPECT_EQ(q.curRoom, 5);
  EXPECT_EQ(q.roomStatus.timer, 12345);
  EXPECT_EQ(q.roomStatus.money, 300);
  EXPECT_EQ(q.locStatus.money, -20);
  EXPECT_EQ(q.locStatus.lives, 255);  // a byte on disk
  EXPECT_EQ(q.locStatus.maps, 3);
  for (int i = 0; i < kLocationSlots; ++i) {
    EXPECT_EQ(q.locs[i].status, p.locs[i].status) << i;
    EXPECT_EQ(q.locs[i].time, p.locs[i].time) << i;
  }
  ASSERT_EQ(q.roomObjects, 3);
  for (int i = 1; i <= 3; ++i) expectSameObject(*q.obj[i], *p.obj[i]);
  EXPECT_EQ(q.obj[4], nullptr);
  EXPECT_EQ(q.secretLocation, 1);
  EXPECT_EQ(q.map, 2);
  EXPECT_EQ(q.lastLoc, 1);
  EXPECT_EQ(q.showMapMessage, 0);
  EXPECT_EQ(q.helpItems, p.helpItems);
  EXPECT_EQ(q.visitedLocs, p.visitedLocs);

  // Saving what was loaded gives the same bytes.
  Bytes first = fileBytes("profiles/Ann.cam");
  q.save();
  EXPECT_EQ(fileBytes("profiles/Ann.cam"), first);
}

TEST_F(ProfileFiles, LoadingWithoutFilesGivesAFreshGameAndKeepsTips) {
  TProfile p = namedProfile("Old");
  p.helpItems[0] = 1;
  p.newLocation(2);
  p.locStatus.money = 500;
  p.load(kGameCustom, "Nobody");
  EXPECT_EQ(p.name, "Nobody");
  EXPECT_EQ(p.gameType, kGameCustom);
  EXPECT_EQ(p.curLoc, 0);
  EXPECT_EQ(p.locStatus.money, 0);
  EXPECT_EQ(p.helpItems[0], 1);
  EXPECT_FALSE(IsDirectory("profiles"));  // loading writes nothing
}

TEST_F(ProfileFiles, AFinishedGameStartsOverOnLoad) {
  TProfile p = namedProfile("Done", kGameCustom);
  p.newLocation(kCustomSlot);
  p.locs[kCustomSlot].name = "Oasis";
  p.locationComplete();
  p.visitedLocs[3] = 1;
  p.save();
  TProfile q;
  q.load(kGameCustom, "Done");
  EXPECT_EQ(q.gameComplete, 0);
  EXPECT_EQ(q.locStatus.money, 0);
  EXPECT_EQ(q.locs[kCustomSlot].status, kLocationAvailable);
  EXPECT_EQ(q.visitedLocs[3], 1);  // the seen-tips file survives the restart
}

TEST_F(ProfileFiles, ExportListsScoreAndLocations) {
  TProfile p = namedProfile("P1");
  p.locStatus.money = 777;
  p.locs[1].status = kLocationCompleted;
  p.locs[1].time = 3723000;
  p.exportText();
  Bytes b = fileBytes("profiles/P1.txt");
  std::string text(b.begin(), b.end());
  EXPECT_EQ(text.rfind("Score: 777\r\n\r\nLocation: Abydos\r\nStatus: 2\r\nTime: 1:02:03\r\n\r\n"
                       "Location: Giza\r\nStatus: 3\r\nTime: 0:00:00\r\n\r\n",
                       0),
            0u);
  EXPECT_NE(text.find("Location: Lost Temple\r\nStatus: -1\r\n"), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2 + 9 * 4);
}

TEST_F(ProfileFiles, NamesThatAreNotFileNamesWriteNothing) {
  for (const char* bad : {"", "..", "../escape", "a/b", "a\\b", "tab\there"}) {
    TProfile p = namedProfile(bad);
    p.save();
    p.exportText();
  }
  EXPECT_FALSE(IsDirectory("profiles"));
  EXPECT_FALSE(FileExists("escape.cam"));

  writeBytes("profiles/.cfg", {'.', '.', '/', 'x', 13, 10});
  TProfile q;
  q.load(kGameCampaign, "");
  EXPECT_EQ(q.name, "");
}

TEST_F(ProfileFiles, AFailedSaveKeepsTheOldFiles) {
  TProfile p = namedProfile("P1");
  p.locStatus.money = 100;
  p.save();
  Bytes old = fileBytes("profiles/P1.cam");

  // The temporary file cannot be created: a folder stands in its place.
  ASSERT_TRUE(CreateDir("profiles/P1.cam.tmp"));
  p.locStatus.money = 200;
  p.name = "P1";
  p.save();
  EXPECT_EQ(fileBytes("profiles/P1.cam"), old);
}

TEST_F(ProfileFiles, ACrashInTheMiddleOfASaveLeavesTheOldFileWhole) {
  TProfile p = namedProfile("P1");
  p.newLocation(1);
  p.roomObjects = 20;
  for (int i = 1; i <= 20; ++i) p.obj[i] = sampleObject(i % 3 + 1);
  p.save();
  Bytes old = fileBytes("profiles/P1.cam");
  ASSERT_GT(old.size(), 1000u);

  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The system kills the process (SIGXFSZ, which the game itself ignores,
    // so it is set back here to stand for a crash) at the 600th byte it
    // writes, half-way through the new game file.
    signal(SIGXFSZ, SIG_DFL);
    rlimit limit{600, 600};
    setrlimit(RLIMIT_FSIZE, &limit);
    p.newLocation(2);
    p.save();
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);

  EXPECT_EQ(FileSize("profiles/P1.cam.tmp"), 600);  // the save really died half-way
  EXPECT_EQ(fileBytes("profiles/P1.cam"), old);
  TProfile q;
  q.load(kGameCampaign, "P1");
  EXPECT_EQ(q.curLoc, 1);
  EXPECT_EQ(q.roomObjects, 20);

  // The next save goes through and clears the leftover.
  q.save();
  EXPECT_FALSE(FileExists("profiles/P1.cam.tmp"));
}
