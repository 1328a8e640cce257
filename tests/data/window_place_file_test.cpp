#include "data/window_place_file.h"

#include <gtest/gtest.h>

#include "tests/data/game_folder.h"

namespace {

class WindowPlaceFileTest : public GameFolderTest {};

TEST_F(WindowPlaceFileTest, APlaceIsFoundAgainAfterSaving) {
  const TWindowPlace saved{-40, 75, 1024, 768};
  ASSERT_TRUE(saveWindowPlace(kWindowPlaceFile, saved));
  const std::vector<uint8_t> bytes = fileBytes(kWindowPlaceFile);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "x:\t-40\r\ny:\t75\r\nwidth:\t1024\r\nheight:\t768\r\n");
  TWindowPlace read;
  ASSERT_TRUE(loadWindowPlace(kWindowPlaceFile, read));
  EXPECT_EQ(read.x, -40);
  EXPECT_EQ(read.y, 75);
  EXPECT_EQ(read.width, 1024);
  EXPECT_EQ(read.height, 768);
}

TEST_F(WindowPlaceFileTest, MissingOrUnusableFilesLeaveThePlaceAlone) {
  TWindowPlace place{1, 2, 3, 4};
  EXPECT_FALSE(loadWindowPlace(kWindowPlaceFile, place));
  for (const char* text : {"", "garbage\n", "x:\t5\r\ny:\t5\r\n", "width:\t0\r\nheight:\t600\r\n",
                           "width:\t800\r\nheight:\t-600\r\n", "width:\t99999999\r\nheight:\t600\r\n"}) {
    const std::string s = text;
    writeBytes(kWindowPlaceFile, std::vector<uint8_t>(s.begin(), s.end()));
    EXPECT_FALSE(loadWindowPlace(kWindowPlaceFile, place)) << text;
    EXPECT_EQ(place.width, 3) << text;
  }
  // Order, comments and other keys do not matter, as in the settings file.
  const std::string s = "; the window\nheight:\t600 ; tall\nzoom:\t2\nwidth:\t900\n";
  writeBytes(kWindowPlaceFile, std::vector<uint8_t>(s.begin(), s.end()));
  ASSERT_TRUE(loadWindowPlace(kWindowPlaceFile, place));
  EXPECT_EQ(place.width, 900);
  EXPECT_EQ(place.height, 600);
  EXPECT_EQ(place.x, 0);
}

}  // namespace
