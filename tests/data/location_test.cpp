// Location files: byte layout, round trips, limits on damaged files, and the
// room list operations of the level editor.
#include "data/location.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/pack.h"
#include "data/pack_tool.h"
#include "platform/file_system.h"

namespace {

// Runs each test inside a fresh folder with an empty "locations/".
class LocationFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = std::filesystem::current_path();
    dir_ = std::filesystem::temp_directory_path() / ("tesmoria_loc_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_ / "locations");
    std::filesystem::current_path(dir_);
  }
  void TearDown() override {
    std::filesystem::current_path(old_);
    std::filesystem::remove_all(dir_);
  }
  static std::vector<uint8_t> bytesOf(const TLocation& l) {
    TMemoryStream s;
    l.write(s);
    return s.Bytes();
  }
  static void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(ReplaceFileAtomically(path, bytes));
  }
  std::filesystem::path old_, dir_;
};

TEST_F(LocationFiles, OneEmptyRoomIs139Bytes) {
  TLocation l;
  l.reset();
  l.setInfo("Tiny", 0, 0, 0, "");
  l.addRoom();
  const auto bytes = bytesOf(l);
  ASSERT_EQ(bytes.size(), 139u);
  EXPECT_EQ(bytes[0], 13);
  EXPECT_EQ(bytes[1], 10);
  EXPECT_EQ(bytes[5], 10);  // rows
  EXPECT_EQ(bytes[6], 12);  // columns
  EXPECT_EQ(bytes[7], 1);   // rooms
  EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 14), "Room 1");
  EXPECT_EQ(bytes[138], 0);  // object count
}

TEST_F(LocationFiles, SaveAndLoadKeepRoomsCellsAndObjects) {
  TLocation l;
  l.reset();
  l.setInfo("Karnak", 3, 40, 50, "ignored on save");
  l.addRoom();
  l.addRoom();
  l.room[1]->blk[1][1] = 7;
  l.room[1]->blk[12][10] = 11;
  l.room[2]->roomObjects = 2;
  l.room[2]->obj[1] = {4, 5, 16};
  l.room[2]->obj[2] = {12, 10, 19};
  l.room[2]->description = "two objects";
  EXPECT_EQ(l.save(), 0);
  ASSERT_TRUE(FileExists("locations/Karnak.loc"));

  TLocation back;
  ASSERT_EQ(back.load("Karnak"), 1);
  EXPECT_EQ(back.loadProblem, "");
  EXPECT_EQ(back.name, "Karnak");
  EXPECT_EQ(back.description, "");
  EXPECT_EQ(back.icon, 3);
  EXPECT_EQ(back.x, 40);
  EXPECT_EQ(back.y, 50);
  ASSERT_EQ(back.roomCount, 2);
  EXPECT_EQ(back.room[1]->name, "Room 1");
  EXPECT_EQ(back.room[2]->name, "Room 2");
  EXPECT_EQ(back.room[2]->description, "two objects");
  EXPECT_EQ(back.room[1]->blk[1][1], 7);
  EXPECT_EQ(back.room[1]->blk[12][10], 11);
  EXPECT_EQ(back.room[1]->roomObjects, 0);
  ASSERT_EQ(back.room[2]->roomObjects, 2);
  EXPECT_EQ(back.room[2]->obj[2], (std::array<int, 3>{12, 10, 19}));
}

TEST_F(LocationFiles, MissingLocationLeavesTheObjectUnchanged) {
  TLocation l;
  l.setInfo("Kept", 1, 2, 3, "text");
  l.addRoom();
  EXPECT_EQ(l.load("Nowhere"), 0);
  EXPECT_EQ(l.name, "Kept");
  EXPECT_EQ(l.roomCount, 1);
}

TEST_F(LocationFiles, LooseFileComesBeforeThePackedOne) {
  // The campaign pack holds Giza and Abydos.
  for (const char* name : {"Giza", "Abydos"}) {
    TLocation packed;
    packed.setInfo(name, 0, 0, 0, "");
    packed.addRoom();
    packed.room[1]->name = "Packed";
    ASSERT_TRUE(packed.write(std::string(name) + ".loc"));
  }
  std::string error;
  // Their written solutions travel with them, for the par and the hints.
  {
    TStreamPtr solution = WriteStream("Giza.solution");
    ASSERT_TRUE(solution);
    solution->WriteLine("room 1: turn 7 3");
    CloseStream(solution);
  }
  ASSERT_TRUE(buildPack("data2.dat", {"Giza.loc", "Abydos.loc", "Giza.solution"}, packKey, true, error)) << error;
  std::filesystem::remove("Giza.solution");

  TLocation l;
  ASSERT_EQ(l.load("Giza"), 1);
  EXPECT_EQ(l.room[1]->name, "Packed");
  TStreamPtr packedSolution = openLocationSolutions("Giza");
  ASSERT_TRUE(packedSolution);
  EXPECT_EQ(packedSolution->ReadLine(), "room 1: turn 7 3");
  EXPECT_FALSE(openLocationSolutions("Abydos")) << "none was packed";

  TLocation giza;
  giza.setInfo("Giza", 0, 0, 0, "");
  giza.addRoom();
  giza.room[1]->name = "Loose";
  giza.save();
  ASSERT_EQ(l.load("Giza"), 1);
  EXPECT_EQ(l.room[1]->name, "Loose");
  EXPECT_FALSE(openLocationSolutions("Giza")) << "the packed solution is not the loose room's";
  ASSERT_EQ(l.load("Abydos"), 1);
  EXPECT_EQ(l.room[1]->name, "Packed");
  EXPECT_EQ(l.name, "Abydos");
}

TEST_F(LocationFiles, OversizedCountsAreClampedNeverStoredOutOfRange) {
  // 14 rooms of 11 rows x 13 columns, the first with 60 objects.
  TMemoryStream s;
  s.WriteLine("desc");
  s.WriteByte(1), s.WriteByte(2), s.WriteByte(3);
  s.WriteByte(11), s.WriteByte(13), s.WriteByte(14);
  for (int i = 1; i <= 14; ++i) {
    s.WriteLine("R" + std::to_string(i));
    s.WriteLine("");
    for (int r = 1; r <= 11; ++r)
      for (int c = 1; c <= 13; ++c) s.WriteByte(r * 16 + c);
    const int count = i == 1 ? 60 : 1;
    s.WriteByte(count);
    for (int j = 1; j <= count; ++j) s.WriteByte(j % 12 + 1), s.WriteByte(2), s.WriteByte(j % 20);
  }
  writeFile("locations/Big.loc", s.Bytes());
  TLocation l;
  ASSERT_EQ(l.load("Big"), 1);
  EXPECT_NE(l.loadProblem, "");
  ASSERT_EQ(l.roomCount, 12);
  EXPECT_EQ(l.room[1]->roomObjects, 50);
  // Cells stay aligned with their rows although each stored row is longer.
  EXPECT_EQ(l.room[1]->blk[12][10], 10 * 16 + 12);
  EXPECT_EQ(l.room[1]->blk[13][10], 0);  // border ring untouched
  EXPECT_EQ(l.room[2]->name, "R2");      // the surplus objects were read past
  EXPECT_EQ(l.room[12]->name, "R12");
}

TEST_F(LocationFiles, TruncatedFileReadsAsZerosAndSaysSo) {
  TLocation full;
  full.addRoom();
  full.addRoom();
  full.room[1]->blk[3][3] = 9;
  auto bytes = bytesOf(full);
  bytes.resize(60);
  writeFile("locations/Cut.loc", bytes);
  TLocation l;
  ASSERT_EQ(l.load("Cut"), 1);
  EXPECT_EQ(l.loadProblem, "file ends early");
  EXPECT_EQ(l.roomCount, 2);
  EXPECT_EQ(l.room[1]->blk[3][3], 9);
  EXPECT_EQ(l.room[2]->name, "");
  EXPECT_EQ(l.room[2]->roomObjects, 0);
}

TEST(LocationRooms, CloneCopyMoveDelete) {
  TLocation l;
  l.reset();
  for (int i = 0; i < 3; ++i) l.addRoom();
  l.curRoom = 2;
  l.moveRoom(+1);
  EXPECT_EQ(l.curRoom, 3);
  EXPECT_EQ(l.room[3]->name, "Room 2");
  EXPECT_EQ(l.room[2]->name, "Room 3");
  l.moveRoom(+1);  // already last
  EXPECT_EQ(l.curRoom, 3);
  l.curRoom = 1;
  l.moveRoom(-1);
  EXPECT_EQ(l.curRoom, 1);
  EXPECT_EQ(l.room[1]->name, "Room 1");

  l.deleteRoom(2);
  EXPECT_EQ(l.roomCount, 2);
  EXPECT_EQ(l.room[2]->name, "Room 2");  // the old room 3's record
  EXPECT_EQ(l.room[3], nullptr);

  l.curRoom = 1;
  l.room[1]->blk[5][5] = 8;
  l.cloneRoom();
  ASSERT_EQ(l.roomCount, 3);
  EXPECT_EQ(l.curRoom, 3);
  EXPECT_EQ(l.room[3]->blk[5][5], 8);
  l.room[3]->blk[5][5] = 1;  // a deep copy
  EXPECT_EQ(l.room[1]->blk[5][5], 8);

  l.copyRoom(nullptr);
  EXPECT_EQ(l.roomCount, 3);
  while (l.roomCount < 12) l.addRoom();
  l.cloneRoom();
  l.copyRoom(l.room[1]);
  EXPECT_EQ(l.roomCount, 12);
  EXPECT_EQ(l.addRoom(), 12);
}

}  // namespace
