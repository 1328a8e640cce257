#pragma once
// A fresh game folder that collects what the player would be told instead
// of showing message boxes.
#include <string>
#include <vector>

#include "data/player_notice.h"
#include "game_folder.h"

class NoticeFolderTest : public GameFolderTest {
 protected:
  void SetUp() override {
    GameFolderTest::SetUp();
    resetPlayerNotices();
    setPlayerNoticeSink([this](const std::string& text) { told.push_back(text); });
  }
  void TearDown() override {
    setPlayerNoticeSink(nullptr);
    resetPlayerNotices();
    GameFolderTest::TearDown();
  }
  std::vector<std::string> told;
};
