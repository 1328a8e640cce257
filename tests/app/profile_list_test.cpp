#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/option_menu.h"

namespace {

TEST(ProfileList, OneEntryPerProfileWhateverItsFiles) {
  const auto dir = std::filesystem::temp_directory_path() / "tesmoria_profile_list";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  for (const char* name : {"P1.cam", "P1.cfg", "P1.txt", "P2.cfg", ".cfg", ".window"}) std::ofstream(dir / name) << "x";
  EXPECT_EQ(profileNamesInFolder(dir.string()), (std::vector<std::string>{"P1", "P2"}));
  EXPECT_TRUE(profileNamesInFolder((dir / "none").string()).empty());
  std::filesystem::remove_all(dir);
}

}  // namespace
