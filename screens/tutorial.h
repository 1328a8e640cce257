#pragma once
// The tutorial: the twenty help texts and the queue of tips waiting to be
// shown. The engine refills the queue for each room (TEngine::setHelpTips);
// the in-game screen calls update once a frame, which shows the first tip in
// a box with an "OK" button and, for a tip about a cell or an object, a
// bobbing arrow pointing at it. "OK" marks the tip seen and asks the engine
// for a fresh queue.
#include <array>
#include <functional>
#include <list>
#include <memory>
#include <string>

#include "screens/screen_kit.h"

class TDialogue;

constexpr int kHelpItems = 20;

struct THelpItem {
  std::string message;
  int helpType = 0;  // 0 general, 1 about a block, 2 about an object
};

struct TTutorialMessage {
  int helpID = 0;
  std::string message;
  int diagX = 0, diagY = 0;  // dialogue box position
  int arrX = 0, arrY = 0;    // arrow position; both 0 = no arrow
};

class TTutorial {
 public:
  static constexpr float inc = 0.5f;       // arrow bobbing speed per frame
  static constexpr float maxOffset = 5.0f;  // arrow bobbing range, either way

  std::array<THelpItem, kHelpItems> helpInfo;
  std::list<TTutorialMessage> messageQ;
  std::unique_ptr<TDialogue> dialogue;  // the box of the tip being shown
  int arrX = 0, arrY = 0;
  float arrOffset = 0;
  float arrInc = inc;
  int refreshHelpTips = 0;  // a tip was dismissed; the engine should refill the queue
  int mouseCollide = 0;     // the pointer is over the tip box
  // Marks a tip as seen in the player's profile; set by whoever owns the
  // profile (nothing is remembered while it is empty).
  std::function<void(int helpID)> markSeen;

  TTutorial();
  ~TTutorial();
  TTutorial(const TTutorial&) = delete;
  TTutorial& operator=(const TTutorial&) = delete;

  // Queues a tip unless one with this id is already waiting. The box goes to
  // (x + 50, y + 50); an arrow position other than (0, 0) becomes an arrow
  // at (arrowX + 40, arrowY - 40). The last argument has no effect.
  void addMessage(int helpID, int x, int y, int arrowX, int arrowY, int extra);
  // One frame: 0 while nothing is queued or on the frame a box opens, else
  // the box's result (1 once "OK" was clicked, which also dismisses the tip).
  int update(const TScreenKit& kit);
  // The first tip was acknowledged: mark it seen, close its box and drop it.
  void firstTipOK();
};
