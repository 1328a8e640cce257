#pragma once
// Every screen of the game is a controller: made when its screen is entered,
// run once per frame by the main loop, dropped after the cross-fade that
// leaves it. update reads the input, draws one whole frame into the back
// buffer and writes the wanted screen code into gameState; the loop, not the
// screen, carries out the switch.
#include <memory>

class TScreenController {
 public:
  virtual ~TScreenController() = default;
  // One frame.
  virtual void update() = 0;
  // The loop is about to leave this screen for another (the game stores the
  // room's objects into the profile, the high-score screen saves its tables).
  virtual void leave() {}
  // The screen wants to go to `requested`; a screen may hold the player back
  // (the editor asks about unsaved changes first). True keeps the screen.
  virtual bool holdLeave(int /*requested*/) { return false; }
  // True while all that moves on the screen is slow and endless, like a
  // resting room's turning sparks and pulsing beams: once the player has
  // been still a while, the loop may show such a screen at a lower rate.
  virtual bool onlyAmbientMotion() const { return false; }
};

using TScreenControllerPtr = std::unique_ptr<TScreenController>;
