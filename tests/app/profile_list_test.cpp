#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/profile_folder.h"

namespace {

TEST(ProfileList, OneEntryPerProfileWhateverItsFiles) {
  const auto dir = std::filesystem::temp_directory_path() / "tesmoria_profile_list";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  // A save cut short leaves "P2.cam.tmp"; it is no profile of its own.
  for (const char* name : {"P1.cam", "P1.cfg", "P1.txt", "P2.cfg", ".cfg", "P2.cam.tmp", ".cfg.tmp", "notes.md"})
    std::ofstream(dir / name) << "x";
  EXPECT_EQ(profileNamesInFolder(dir.string()), (std::vector<std::string>{"P1", "P2"}));
  EXPECT_TRUE(profileNamesInFolder((dir / "none").string()).empty());
  std::filesystem::remove_all(dir);
}

}  // namespace
