#pragma once
// The tutorial's help texts and the queue of tips waiting to be shown. The
// engine refills the queue for each room (TEngine::setHelpTips); the in-game
// screen shows the first tip and dismisses it with firstTipOK.
#include <array>
#include <functional>
#include <list>
#include <string>

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
  std::array<THelpItem, kHelpItems> helpInfo;
  std::list<TTutorialMessage> messageQ;
  int arrX = 0, arrY = 0;
  float arrOffset = 0;
  float arrInc = 0.5f;
  int refreshHelpTips = 0;  // a tip was dismissed; the engine should refill the queue
  int mouseCollide = 0;     // the pointer is over the tip box
  // Marks a tip as seen in the player's profile; set by whoever owns the
  // profile (nothing is remembered while it is empty).
  std::function<void(int helpID)> markSeen;

  TTutorial();
  // Queues a tip unless one with this id is already waiting.
  void addMessage(int helpID, int x, int y, int arrowX, int arrowY, int extra);
  // The first tip was acknowledged: mark it seen and drop it.
  void firstTipOK();
};
