// Location sources and solution texts: what they accept, what they refuse
// and the bytes a source becomes.
#include <gtest/gtest.h>

#include "data/location.h"
#include "platform/stream.h"
#include "tools/locmake/location_source.h"
#include "engine/room_move.h"

namespace {

std::string rows(const std::string& row, int count = 10) {
  std::string text;
  for (int i = 0; i < count; ++i) text += row + "\n";
  return text;
}

std::string sourceError(const std::string& text) {
  TLocation location;
  std::string error;
  EXPECT_FALSE(parseLocationSource(text, location, error));
  return error;
}

TEST(LocationSource, AnEmptyRoomBecomesTheSmallestLocationFile) {
  TLocation location;
  std::string error;
  ASSERT_TRUE(parseLocationSource("location Tiny\nroom Room 1\n" + rows("|------------|"), location, error)) << error;
  TMemoryStream bytes;
  location.write(bytes);
  EXPECT_EQ(bytes.Bytes().size(), 139u);
}

TEST(LocationSource, CellsAndObjectsLandWhereDrawnThenListed) {
  const std::string text =
      "// a comment\nlocation Place\n\nroom First room\nabout Its words.\n"
      "|*..........W|  |  \\       C |\n" +
      rows("|#.,:O%&xX[|]|  |            |", 8) + "|R?G-B......#|  |     ~m  sb |\n" +
      "crumbling-floor 2 1\nruby 9 10\n";
  TLocation location;
  std::string error;
  ASSERT_TRUE(parseLocationSource(text, location, error)) << error;
  EXPECT_EQ(location.name, "Place");
  ASSERT_EQ(location.roomCount, 1);
  const TRoom& room = *location.room[1];
  EXPECT_EQ(room.name, "First room");
  EXPECT_EQ(room.description, "Its words.");
  EXPECT_EQ(room.blk[1][1], 10);   // emitter
  EXPECT_EQ(room.blk[12][1], 11);  // white glyph
  const int row2[12] = {7, 1, 2, 3, 4, 8, 9, 5, 6, 15, 16, 17};
  for (int c = 1; c <= 12; ++c) EXPECT_EQ(room.blk[c][2], row2[c - 1]) << c;
  EXPECT_EQ(room.blk[2][10], 18);
  EXPECT_EQ(room.blk[4][10], 0);
  // Drawn objects row by row, then the listed ones in their order.
  const std::array<int, 3> expected[] = {{3, 1, 16},  {11, 1, 19},  {6, 10, 17}, {7, 10, 18},
                                         {10, 10, 4}, {11, 10, 14}, {2, 1, 17},  {9, 10, 2}};
  ASSERT_EQ(room.roomObjects, 8);
  for (int j = 0; j < 8; ++j) EXPECT_EQ(room.obj[j + 1], expected[j]) << j;
}

TEST(LocationSource, MistakesAreNamedWithTheirLine) {
  const std::string head = "location L\nroom R\n";
  EXPECT_EQ(sourceError(head + "|...........|\n"),
            "line 3: a row of cells is 12 characters between two bars: |............|");
  EXPECT_EQ(sourceError(head + "|....Q.......|\n"), "line 3: 'Q' is not a cell character");
  EXPECT_EQ(sourceError(head + rows("|............|") + "lamp 3 4\n"),
            "line 13: \"lamp\" is neither a keyword nor an object name");
  EXPECT_EQ(sourceError(head + rows("|............|") + "mirror 13 4\n"),
            "line 13: cell 13 4 is outside the room (1..12, 1..10)");
  EXPECT_NE(sourceError(head + rows("|............|", 9)).find("has 9 rows of cells, not 10"), std::string::npos);
  EXPECT_NE(sourceError(head + rows("|#...........|") + "crate 1 1\n").find("stands on a cell that holds no objects"),
            std::string::npos);
  EXPECT_EQ(sourceError("room R\n"), "line 1: \"room\" before the \"location\" line");
  std::string many = "location L\n";
  for (int i = 0; i < 13; ++i) many += "room R\n" + rows("|............|");
  EXPECT_NE(sourceError(many).find("more than 12 rooms"), std::string::npos);
  std::string crowded = head + rows("|............|");
  for (int i = 0; i < 51; ++i) crowded += "coins 1 1\n";
  EXPECT_NE(sourceError(crowded).find("more than 50 objects"), std::string::npos);
}

TEST(SolutionText, MovesReadBackAsWritten) {
  TSolutions s;
  std::string error;
  ASSERT_TRUE(
      parseSolutions("// c\nroom 2: click 4 8, move up; turn 6 6 ;click 12 10,move left\n\nroom 1:\n", s, error))
      << error;
  ASSERT_EQ(s.size(), 2u);
  EXPECT_TRUE(s[1].empty());
  const TMoveList expected = {{4, 8, 0, -1, false}, {6, 6, 0, 0, true}, {12, 10, -1, 0, false}};
  EXPECT_EQ(s[2], expected);
  EXPECT_EQ(describeMoves(s[2]), "click 4 8, move up; turn 6 6; click 12 10, move left");
}

TEST(SolutionText, RefusesWhatIsNotAMove) {
  TSolutions s;
  std::string error;
  EXPECT_FALSE(parseSolutions("room 1: click 4 8, move sideways\n", s, error));
  EXPECT_NE(error.find("line 1: \"click 4 8, move sideways\" is not a move"), std::string::npos) << error;
  EXPECT_FALSE(parseSolutions("room 1: turn 13 2\n", s, error));
  EXPECT_FALSE(parseSolutions("room 1: click 4 8\n", s, error));
  EXPECT_FALSE(parseSolutions("room 1: turn 1 1\nroom 1: turn 1 1\n", s, error));
  EXPECT_NE(error.find("solved twice"), std::string::npos);
  EXPECT_FALSE(parseSolutions("click 4 8, move up\n", s, error));
  EXPECT_FALSE(parseSolutions("room 13: turn 1 1\n", s, error));
}

}  // namespace
