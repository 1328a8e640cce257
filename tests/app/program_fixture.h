#pragma once
// The in-game screen's fixture for the program's own screens, which reach
// the program's objects rather than a kit: the fixture's slots are put into
// the program's for each test and taken out again after it.
#include "app/globals.h"
#include "tests/screens/game_fixture.h"

class ProgramScreenTest : public GameScreenTest {
 protected:
  void SetUp() override {
    GameScreenTest::SetUp();
    ::gfx = pictures.get();
    ::mouse = mouseObj.get();
    ::text = textObj.get();
    ::buttons = buttonSet.get();
    ::profile = player.get();
    ::options = settings.get();
    ::highScores = scores.get();
    ::gameState = gameState;
  }
  void TearDown() override {
    ::gfx = nullptr;
    ::mouse = nullptr;
    ::text = nullptr;
    ::buttons = nullptr;
    ::profile = nullptr;
    ::options = nullptr;
    ::highScores = nullptr;
    ::gameState = 0;
    GameScreenTest::TearDown();
  }
};
