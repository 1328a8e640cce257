#pragma once
// Scripted runs: a small language that drives the game frame by frame for
// end-to-end tests. One command a line; "#" starts a comment.
//
//   move X Y                 pointer to (X, Y) in view pixels
//   press|release [BUTTON]   mouse button left (default), right or middle
//   click [BUTTON]           press and release, both before the next frame
//   doubleclick [BUTTON]     two clicks before the next frame
//   fade CLICK               the mouse command CLICK (press, release, click
//                            or doubleclick, with its button) is made in the
//                            middle of the next cross-fade
//   key NAME                 press and release a key (Escape, Enter, F, F12, ...)
//   keydown NAME / keyup NAME
//   type TEXT                types the rest of the line, one character a frame
//   wait N                   lets N frames run
//   waitscreen C LIMIT       runs frames until the screen code is C; fails
//                            after LIMIT frames
//   waitdrawn LIMIT TEXT     runs frames until the last drawn frame shows a
//                            line holding TEXT; fails after LIMIT frames
//   screenshot FILE          saves the next presented frame as a PNG
//   close                    asks the game to close, as the window's close box
//   mark                     starts counting presented frames
//   pace MS                  each following frame lasts MS ms of game time
//                            (25 by default); longer frames play faster
//   checkdrawing on|off      each frame drawn only where it changed is drawn
//                            whole as well and the two compared
//   assert screen C          the running screen code is C
//   assert drawing           since checkdrawing on, frames were drawn where
//                            they changed and all matched the whole frames
//   assert showfps on|off    the frame-rate display is shown or not
//   assert presented N       N frames were presented since the last mark
//   assert file PATTERN      a file matching PATTERN (* and ?) is in the
//                            game folder
//   assert contains PATH TEXT  the file holds TEXT ("\t" for a TAB)
//   assert lacks PATH TEXT   the file does not hold TEXT
//   assert drawn TEXT        the last drawn frame shows a line holding TEXT
//   assert notdrawn TEXT     ... and no line holding TEXT
//   assert event TEXT        an event noted so far holds TEXT (the move a
//                            hint showed: "Hint 1: click 8 7, move up")
//   assert textfits          every text of the last drawn frame lies inside
//                            its box (button face, dialogue, tooltip) or
//                            inside the picture
//   monkey N [SEED]          N frames of random mouse and key input on
//                            whatever screen runs (soak runs)
//
// Commands run between frames: input given before a frame is seen by it. When
// the script ends, the game quits as if its window had been closed.
#include <memory>
#include <string>
#include <vector>

#include "platform/text_log.h"

class TMainLoop;
class TMonkeyInput;

struct TScriptCommand {
  int line = 0;
  std::string op;
  std::vector<std::string> args;
  std::string rest;  // everything after the command word (type)
};

// Parses a script; on error returns false with a message naming the line.
bool parseScript(const std::string& text, std::vector<TScriptCommand>& commands, std::string& error);
// Key code of a key name ("Escape", "F12", "A", "LShift", "27"); 0 if unknown.
int scriptKeyCode(const std::string& name);

class TScriptRunner {
 public:
  TScriptRunner(std::string name, std::vector<TScriptCommand> commands);
  ~TScriptRunner();

  // Before each frame: runs commands up to the next wait. False when a
  // command failed (see error()).
  bool beforeFrame(const TMainLoop& loop);
  // After the game has ended: the remaining commands are checked against the
  // final state (waits end at once, input is ignored).
  bool afterEnd(const TMainLoop& loop);
  // Called just before each frame is presented.
  void beforePresent();

  bool finished() const { return next_ >= commands_.size(); }
  const std::string& error() const { return error_; }

 private:
  std::string name_;
  std::vector<TScriptCommand> commands_;
  size_t next_ = 0;
  int waited_ = 0;  // frames spent in the current wait
  int pointerX_ = 0, pointerY_ = 0;
  bool quitRequested_ = false;
  int64_t markedFrames_ = 0;
  // Frames drawn where they changed, and those unlike the whole frame, when checking began.
  int64_t partsMarked_ = 0, mismatchesMarked_ = 0;
  std::string pendingShot_;
  std::vector<TDrawnText> lastTexts_;  // the texts of the last frame that drew any
  int presentsThisFrame_ = 0;          // more than one: a cross-fade is running
  std::vector<std::string> fadeInput_;  // a mouse command waiting for the next fade
  std::string error_;
  std::unique_ptr<TMonkeyInput> monkey_;

  // Runs the command at next_; returns false to let a frame run first.
  bool step(const TScriptCommand& c, const TMainLoop& loop, bool ended);
  bool check(const TScriptCommand& c, const TMainLoop& loop);
  bool fail(const TScriptCommand& c, const std::string& what);
  bool checkTexts(const TScriptCommand& c);
  // The command's arguments from first on, joined by spaces.
  static std::string wordsFrom(const TScriptCommand& c, size_t first);
  // A line of the last drawn frame holds the text.
  bool drawnHolds(const std::string& wanted) const;
  void mouseInput(const std::string& op, const std::vector<std::string>& args);
};
