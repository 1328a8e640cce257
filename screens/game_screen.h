#pragma once
// The in-game screen: one room of the current location played through the
// puzzle engine, with the heads-up display (location, room, money, lives and
// the sun), the four buttons RESET, SKIP, ABANDON and MENU, the help tips,
// and the pause, a short modal loop of its own that freezes the picture.
// It ends the room (solved, skipped or out of time), hands the scores to the
// profile and chooses the result screen. The work is split by concern:
//   game_screen.cpp   building the room, the frame, ending the room
//   game_hud.cpp      the panels, texts and buttons
//   game_pause.cpp    the pause loop and the confirmations it runs
//   game_objects.cpp  storing and restoring a room in progress
//   game_undo.cpp     the undo and redo keys and the history file
//   game_aids.cpp     hints, moves against the par, the slide preview and
//                     the tooltips that teach the keys
#include <memory>
#include <string>

#include "screens/screen_controller.h"
#include "screens/screen_kit.h"
#include "data/map_location.h"
#include "engine/background_solver.h"
#include "engine/engine.h"
#include "platform/image.h"
#include "screens/game_history.h"
#include "screens/play_aids.h"
#include "screens/room_about.h"
#include "screens/room_hints.h"
#include "screens/room_session.h"
#include "screens/tutorial.h"
#include "widgets/dialogue.h"
#include "widgets/tooltip.h"

class TGame : public TScreenController, protected TScreenKit {
 public:
  static constexpr int butX = 755;  // x of the four buttons

  TEnginePtr engine;
  TTutorial tutorial;       // the help tips of this room
  std::string levelName;    // second title line: "Room 2 of 5: Tomb"
  TImagePtr pauseImg;       // the frame the pause froze
  int suspendApp = 0;       // the pause began because the window lost focus
  int pendingStatus = 0;    // what the open confirmation does when accepted (see below)
  std::string dialogueText;
  std::unique_ptr<TDialogue> dialogue;
  int continueGame = 0;     // the pause loop is to end
  int diagX = 0, diagY = 0; // top-left corner of the confirmation boxes
  int skipRoom = 0;         // a confirmed skip: the next frame ends the room
  TRoomSession session;     // the room's undo, hints and slide preview
  TGameHistory& history = session.history;  // undo and redo of this room
  TRoomHints& hints = session.hints;        // the next move, on asking
  int par = -1;             // moves of a shortest solution; -1 while unknown

  static constexpr int kHintCost = TGameHistory::kHintCost;

  // Values of pendingStatus besides the screen codes it leads to.
  static constexpr int kPendingNone = 0;
  static constexpr int kPendingNotice = 11;  // a box with "OK" that changes nothing
  static constexpr int kPendingSkip = 27;

  explicit TGame(const TScreenKit& kit);
  ~TGame() override;

  // Copies the engine's objects into the profile, so the room can be resumed.
  void getEngineObjects();
  // Puts the profile's saved objects back into the freshly built room; false,
  // and the room left as built, when they do not belong to it (the location
  // was changed since the game was saved).
  bool setEngineObjects();
  void update() override;
  // The room at rest with no effect under way: only its sparks turn and its
  // beams pulse.
  bool onlyAmbientMotion() const override;
  // The modal pause: fades the frozen frame to alpha and runs until P is hit,
  // the window comes back, or the open confirmation is answered.
  void pause(float alpha);
  void drawPause(float alpha);

  // The line under the room about hints: a search under way, no way out, or
  // for a few seconds after one was bought, what it cost. Empty when none.
  const std::string& hintNotice() const;

  // The room's about line, shown on entering and over the name panel.
  const TRoomAbout& about() const { return about_; }

  // The tips of the buttons and of the mirrors.
  const TToolTip* tips() const { return tips_.get(); }

  // Leaving the screen stores the room in progress into the profile.
  void leave() override {
    getEngineObjects();
    saveHistory();
  }

 private:
  // The profile's current map location (needs the profile).
  const TMapLocation& currentLocation() const;

  int scoreOffered_ = 0;  // this game's end was entered in the high scores

  void drawRoomAndHud(int sunFrame);
  void endRoomIfDone(int sunFrame);
  void offerHighScore(int gameCompleteBefore);
  // A solved room's moves and hints go into the player's room records.
  void keepRecord(bool solved);
  void updateButtons();
  void askConfirmation(int status, const std::string& message);
  void runTips();
  void collectItems();
  void applyPendingStatus();
  void silenceGlyphs();
  // game_undo.cpp
  void loadHistory(bool freshRoom);
  void saveHistory();
  void undoRedoKeys();
  // game_aids.cpp
  void setUpAids();
  void updateAids();
  void drawAids();
  void drawMovesAndHintButton();
  void takeHint();
  void chargeHint();

  std::string startKey_;         // the room's position at its start
  TBackgroundSolver parSearch_;  // a room without a written solution finds its par
  std::unique_ptr<TToolTip> tips_;
  TRoomAbout about_;
  std::string receipt_;        // what the last hint cost, in words
  uint32_t receiptUntil_ = 0;  // ... shown until this clock reading
};
