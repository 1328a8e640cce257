#pragma once
// The result between rooms and at the end of a game: out of time, room
// complete, location complete, or the whole game complete with fireworks.
#include <array>
#include <memory>

#include "screens/solution_replay.h"
#include "screens/screen_controller.h"
#include "screens/screen_kit.h"
#include "platform/audio.h"

class TFireworks;

class TScoreScreen : public TScreenController, protected TScreenKit {
 public:
  static constexpr int x1 = 215, x2 = 570;
  static constexpr int yTitle = 70, y0 = 100, y1 = 160, y2 = 190, y3 = 220, y4 = 250, y5 = 390, yButton = 525;
  // Below the fixed lines: the hints bought (or the moves, where the maps
  // take y4), and "New best!".
  static constexpr int yHints = 280, yNewBest = 325;

  int scoreType = 0;
  int musicPlayed = 0;
  std::unique_ptr<TFireworks> fireworks;
  int sparkCount = 0;
  std::array<TSoundPtr, 4> fireworkSnd{};  // 1..3
  int showMapText = 0;
  int nextStatus = 0;

  static std::unique_ptr<TScoreScreen> create(const TScreenKit& kit, int scoreType);
  TScoreScreen(const TScreenKit& kit, int scoreType);
  ~TScoreScreen() override;
  void update() override;
  void outOfTime();
  void endRoom();
  void endLocation();
  void endGame();
  // The room-complete screen's WATCH: the room's way through, played out.
  void watchReplay();
  std::unique_ptr<TSolutionReplay> replay;

 private:
  void playTuneOnce(int tune);
  void label(const char* text, int y, const std::string& value, bool outlined = false);
  // A large button at y 525; true on the frame it is activated.
  bool button(const char* label, int x);
  // The last room's moves against its par: "12 (par 9)"; no line when the
  // room was not solved (skipped).
  std::string withPar(int moves) const;
  void movesLine(int y, bool outlined = false);
  // "2 (cost 100)", or "None".
  std::string hintsBought() const;
};
