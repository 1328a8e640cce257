#pragma once
// Runs each test inside a fresh empty folder standing in for the program's
// folder, so the relative paths "profiles/..." and "data3.dat" land there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "data/safe_file.h"
#include "platform/file_system.h"

class GameFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "tesmoria-data-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    previous_ = CurrentDir();
    ASSERT_TRUE(ChangeDir(folder_));
  }
  void TearDown() override {
    ChangeDir(previous_);
    std::filesystem::remove_all(folder_);
  }

  static std::vector<uint8_t> fileBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(readWholeFile(path, bytes)) << path;
    return bytes;
  }
  static void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(ReplaceFileAtomically(path, bytes));
  }

 private:
  std::string folder_, previous_;
};
