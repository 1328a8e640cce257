// Files of the player that exist but cannot be read are never written over,
// failed saves are told once, leftovers of interrupted saves are cleared only
// when safe, and names coming in from files are cut to typing length.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "data/high_scores.h"
#include "data/location.h"
#include "data/name_line.h"
#include "data/options.h"
#include "data/player_notice.h"
#include "data/profile.h"
#include "data/profile_folder.h"
#include "notice_folder.h"

namespace {
using Bytes = std::vector<uint8_t>;

using PlayerFilesTest = NoticeFolderTest;

TProfile savedProfile(const std::string& name) {
  TProfile p;
  p.name = name;
  p.gameType = kGameCampaign;
  p.newLocation(2);
  p.locStatus.money = 1234;
  p.helpItems[3] = 1;
  p.visitedLocs[1] = 1;
  p.save();
  return p;
}

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }
}  // namespace

TEST_F(PlayerFilesTest, AnUnreadableGameFileIsToldAndNeverWrittenOver) {
  savedProfile("Ann");
  const Bytes tips = fileBytes("profiles/Ann.dat");
  ASSERT_TRUE(DeleteFile("profiles/Ann.cam"));
  ASSERT_TRUE(CreateDir("profiles/Ann.cam"));  // exists, cannot be read

  TProfile p;
  p.load(kGameCampaign, "Ann");
  EXPECT_TRUE(p.savingOff);
  EXPECT_EQ(p.visitedLocs[1], 1);  // the seen-tips file is still read
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].rfind("Your saved game Ann could not be read: ", 0), 0u) << told[0];
  EXPECT_NE(told[0].find("Saving is switched off"), std::string::npos);

  p.helpItems.fill(0);
  p.save();
  EXPECT_EQ(fileBytes("profiles/Ann.dat"), tips);
  EXPECT_TRUE(IsDirectory("profiles/Ann.cam"));
  // Loading it again says nothing new; another profile saves again.
  p.load(kGameCampaign, "Ann");
  EXPECT_EQ(told.size(), 1u);
  p.load(kGameCampaign, "Bob");
  EXPECT_FALSE(p.savingOff);
  p.save();
  EXPECT_TRUE(FileExists("profiles/Bob.cam"));
}

TEST_F(PlayerFilesTest, AnUnreadableSeenTipsFileSwitchesSavingOffToo) {
  savedProfile("Ann");
  const Bytes game = fileBytes("profiles/Ann.cam");
  ASSERT_TRUE(DeleteFile("profiles/Ann.dat"));
  ASSERT_TRUE(CreateDir("profiles/Ann.dat"));
  TProfile p;
  p.load(kGameCampaign, "Ann");
  EXPECT_EQ(p.locStatus.money, 1234);
  EXPECT_TRUE(p.savingOff);
  p.locStatus.money = 0;
  p.save();
  EXPECT_EQ(fileBytes("profiles/Ann.cam"), game);
}

TEST_F(PlayerFilesTest, SeenTipsAreReadEvenWhenTheGameFileIsMissing) {
  savedProfile("Ann");
  ASSERT_TRUE(DeleteFile("profiles/Ann.cam"));
  TProfile p;
  p.load(kGameCampaign, "Ann");
  EXPECT_EQ(p.helpItems[3], 1);
  EXPECT_EQ(p.visitedLocs[1], 1);
  EXPECT_EQ(p.locStatus.money, 0);
  EXPECT_FALSE(p.savingOff);
}

TEST_F(PlayerFilesTest, AnUnreadableLastProfileFileKeepsThePlayerOfThisSession) {
  savedProfile("Ann");
  ASSERT_TRUE(DeleteFile(kLastProfileFile));
  ASSERT_TRUE(CreateDir(kLastProfileFile));
  TProfile p;
  p.load(kGameCampaign, "");
  EXPECT_EQ(p.name, "");  // a first start: the name is asked for
  p.load(kGameCampaign, "Ann");
  p.save();  // the last-profile file cannot be written: said once
  p.save();
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("name of the last player could not be saved"), std::string::npos);
  p.load(kGameCustom, "");
  EXPECT_EQ(p.name, "Ann");
}

TEST_F(PlayerFilesTest, AFailedSaveIsToldOnceWithTheFolderOfTheFiles) {
  TProfile p = savedProfile("Ann");
  const Bytes game = fileBytes("profiles/Ann.cam");
  ASSERT_TRUE(CreateDir("profiles/Ann.cam.tmp"));
  p.locStatus.money = 5;
  p.save();
  p.save();
  TOptions o;
  ASSERT_TRUE(CreateDir("profiles/Ann.cfg.tmp"));
  EXPECT_FALSE(o.save("Ann"));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].rfind("Your progress could not be saved: ", 0), 0u) << told[0];
  EXPECT_NE(told[0].find("Your files are in " + CurrentDir() + "/profiles."), std::string::npos) << told[0];
  EXPECT_EQ(fileBytes("profiles/Ann.cam"), game);
}

TEST_F(PlayerFilesTest, UnreadableSettingsAndHighScoresAreKeptAsTheyAre) {
  ASSERT_TRUE(CreateDir("profiles/Ann.cfg"));
  TOptions o;
  o.setFileName("Ann");
  o.music = 0;
  o.load();
  EXPECT_TRUE(o.savingOff);
  EXPECT_EQ(o.music, 0);  // the values in memory stay
  EXPECT_FALSE(o.save(""));
  EXPECT_TRUE(IsDirectory("profiles/Ann.cfg"));
  o.setFileName("Bob");
  EXPECT_TRUE(o.save(""));

  ASSERT_TRUE(CreateDir(kHighScoreFile));
  THighScores h;
  EXPECT_TRUE(h.savingOff);
  ASSERT_EQ(h.tables.size(), 1u);  // plays on with the default table
  h.updateScoreTable({"Ann", 1000, 99999, "Campaign"});
  EXPECT_TRUE(IsDirectory(kHighScoreFile));
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0].rfind("Your settings file could not be read", 0), 0u) << told[0];
  EXPECT_EQ(told[1].rfind("The high-score file could not be read", 0), 0u) << told[1];
}

TEST_F(PlayerFilesTest, AWriteBeyondTheFileSizeLimitFailsWithoutEndingTheGame) {
  TProfile p = savedProfile("Ann");
  const Bytes game = fileBytes("profiles/Ann.cam");
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    bool toldInChild = false;
    setPlayerNoticeSink([&](const std::string&) { toldInChild = true; });
    p.locStatus.money = 1;
    p.save();
    _exit(toldInChild ? 0 : 3);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(fileBytes("profiles/Ann.cam"), game);
}

TEST_F(PlayerFilesTest, LeftoversOfInterruptedSavesGoOnlyBesideAWholeFile) {
  savedProfile("Ann");
  writeBytes("profiles/Ann.cam.tmp", {1, 2});
  writeBytes("profiles/Zed.cam.tmp", {3, 4});   // no Zed.cam: maybe the only copy
  writeBytes("profiles/Nil.cam", {});
  writeBytes("profiles/Nil.cam.tmp", {5});      // beside an empty file
  EXPECT_EQ(RemoveStaleReplacements("profiles"), 1);
  EXPECT_FALSE(FileExists("profiles/Ann.cam.tmp"));
  EXPECT_TRUE(FileExists("profiles/Zed.cam.tmp"));
  EXPECT_TRUE(FileExists("profiles/Nil.cam.tmp"));
  EXPECT_EQ(profileNamesInFolder("profiles"), (std::vector<std::string>{"Ann", "Nil"}));
}

TEST_F(PlayerFilesTest, NamesFromFilesAreCutToTypingLength) {
  const std::string huge(1000000, 'x');
  const std::string capped(kLongestName, 'x');

  THighScores h;
  h.tables.clear();
  TMemoryStream scores;
  THighScoreTable t = defaultCampaignTable();
  t.location = huge;
  t.scores[1].player = huge;
  t.save(scores);
  scores.Seek(0);
  h.readTables(scores);
  ASSERT_EQ(h.tables.size(), 1u);
  EXPECT_EQ(h.tables[0].location, capped);
  EXPECT_EQ(h.tables[0].scores[1].player, capped);
  EXPECT_EQ(h.tables[0].scores[2].player, "Norel");  // the fields after stay in step

  TProfile p;
  p.newLocation(3);
  p.locs[3].name = huge;
  p.locStatus.money = 77;
  TMemoryStream game;
  p.writeGame(game);
  game.Seek(0);
  TProfile q;
  q.readGame(game);
  EXPECT_EQ(q.locs[3].name, capped);
  EXPECT_EQ(q.locStatus.money, 77);

  TMemoryStream last(bytesOf(capped + "x\r\n"));
  EXPECT_EQ(readLastProfileName(last), "");  // a longer name is refused, not cut

  TLocation loc;
  loc.addRoom();
  loc.room[1]->name = huge;
  ASSERT_TRUE(CreateDir("locations"));
  loc.name = "Long";
  loc.save();
  TLocation back;
  ASSERT_EQ(back.load("Long"), 1);
  EXPECT_EQ(back.room[1]->name, capped);
}

// A FIFO or a device where a saved game should be: start-up must not wait
// for ever nor read without end. The player is told, the file is kept.
TEST_F(PlayerFilesTest, AFifoOrADeviceInPlaceOfAGameFileIsToldAtOnce) {
  savedProfile("Ann");
  ASSERT_TRUE(DeleteFile("profiles/Ann.cam"));
  ASSERT_EQ(::mkfifo("profiles/Ann.cam", 0644), 0);
  TProfile p;
  p.load(kGameCampaign, "Ann");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("profiles/Ann.cam"), std::string::npos) << told[0];
  EXPECT_NE(told[0].find("not an ordinary file"), std::string::npos) << told[0];
  p.save();
  struct stat info {};
  ASSERT_EQ(::lstat("profiles/Ann.cam", &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));

  told.clear();
  ASSERT_EQ(::symlink("/dev/zero", "data3.dat"), 0);
  THighScores scores;
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("data3.dat"), std::string::npos);
  EXPECT_EQ(scores.tables.size(), 1u);
}

TEST_F(PlayerFilesTest, LocationsThatAreNoOrdinaryFilesOrHaveUnkeepableNamesAreRefused) {
  ASSERT_TRUE(CreateDir("locations"));
  ASSERT_EQ(::mkfifo("locations/Pipe.loc", 0644), 0);
  TLocation into;
  const std::string fifo = loadWholeLocation("Pipe", into);
  EXPECT_NE(fifo.find("locations/Pipe.loc"), std::string::npos) << fifo;
  EXPECT_NE(fifo.find("not an ordinary file"), std::string::npos) << fifo;

  TLocation oasis;
  oasis.addRoom();
  for (const std::string& name : {std::string("AAA\nBBB"), std::string(65, 'L')}) {
    ASSERT_TRUE(oasis.write(TLocation::filePath(name)));
    const std::string refused = loadWholeLocation(name, into);
    EXPECT_NE(refused.find("has a name the game cannot keep"), std::string::npos) << refused;
  }
  ASSERT_TRUE(oasis.write(TLocation::filePath(std::string(64, 'L'))));
  EXPECT_EQ(loadWholeLocation(std::string(64, 'L'), into), "");
}

TEST_F(PlayerFilesTest, CampaignAndCustomGameKeepTheirOwnUndoHistories) {
  TProfile p;
  p.name = "Ann";
  p.gameType = kGameCampaign;
  const std::string campaign = p.undoHistoryPath();
  p.gameType = kGameCustom;
  const std::string custom = p.undoHistoryPath();
  // The campaign's file keeps its old name, so histories already saved stay.
  EXPECT_EQ(campaign, "profiles/Ann.undo");
  EXPECT_NE(custom, campaign);
  // Neither is taken for a profile of its own.
  ASSERT_TRUE(ReplaceFileAtomically(campaign, {'x'}));
  ASSERT_TRUE(ReplaceFileAtomically(custom, {'x'}));
  EXPECT_TRUE(profileNamesInFolder("profiles").empty());
}

TEST_F(PlayerFilesTest, NoticesNameTheFolderMeantForThePlayersFiles) {
  setUnusablePlayerFolder("/home/ann/.local/share/tesmoria", "it cannot be created or written to");
  reportFailedSave("profiles/Ann.cam", "Read-only file system");
  setUnusablePlayerFolder("", "");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("belong in /home/ann/.local/share/tesmoria"), std::string::npos) << told[0];
  EXPECT_EQ(told[0].find("Your files are in " + CurrentDir()), std::string::npos) << told[0];
}
