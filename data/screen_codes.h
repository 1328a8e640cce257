#pragma once
// Screen codes: the values of gameState, which screen the game shows. The
// profile answers with one when a location ends (more to play, or the game
// complete), so they live with the data the screens share.
enum : int {
  kScreenQuit = -1,
  kScreenMainMenu = 1,
  kScreenOptions = 2,
  kScreenHighScores = 4,
  kScreenCredits = 5,
  kScreenMap = 10,
  kScreenGame = 11,
  kScreenCustomMenu = 15,
  kScreenEditor = 16,
  kScreenOutOfTime = 20,
  kScreenRoomComplete = 21,
  kScreenLocationComplete = 22,
  kScreenGameComplete = 23,
  kScreenRoomRestart = 24,
  kScreenIntro = 100,
};
