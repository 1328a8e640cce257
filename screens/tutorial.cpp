// Help texts, the tip queue and the tip box with its arrow.
#include "screens/tutorial.h"

#include "screens/gfx_set.h"
#include "platform/graphics.h"
#include "widgets/button.h"
#include "widgets/dialogue.h"

namespace {

const THelpItem kHelpTable[kHelpItems] = {
    {"How to Play\\n\\nThe objective of this game is to solve the puzzles and collect treasures.", 0},
    {"Sun Timer\\n\\nEach location (consisting of several rooms) must be completed before the sun goes down or "
     "you will lose a life.",
     0},
    {"Exit Glyph\\n\\nTo complete each room, the exit glyph must be activated by directing the light ray to it for "
     "a short amount of time. ",
     1},
    {"Sarcophagus\\n\\nThese objects block the sunlight. Like most objects, they can be moved by clicking on them. "
     "Move them out of the way to complete this room.",
     2},
    {"Mirror\\n\\nMirrors reflect the light and can be moved like other objects. They can also be rotated by right "
     "clicking on them.",
     2},
    {"Crate\\n\\nMove a crate over treasure to collect it - both the crate & treasure will be removed.", 2},
    {"Treasure\\n\\nCollect treasure to increase your money (score). Treasure can not be moved.", 2},
    {"Ankh\\n\\nAnkh's give you an extra life when collected. A life is used up when you run out of time or if you "
     "click the skip room button above.",
     2},
    {"Coloured Glyph\\n\\nExit glyphs come in a variety of colours. Only the correct coloured light will activate "
     "the glyph.",
     1},
    {"Gem\\n\\nGems can be used to change the colour of the sunlight. White light passing through a gem will be "
     "changed to the colour of the gem.",
     2},
    {"Map\\n\\nCollect the four map fragments to reveal the hidden location.", 2},
    {"Decaying Walls\\n\\nDirect light of the same colour onto these walls for a short time and the wall will "
     "explode.",
     2},
    {"Hidden Area\\n\\nDestroy the decaying walls to gain access to hidden areas.", 0},
    {"Crumbling Floor\\n\\nOnce an object moves over it, the floor will crumble away revealing a pit.", 2},
    {"Pit\\n\\nThe first object to move over a pit will fall in. Once filled, objects can move over it as normal.",
     1},
    {"Skeleton\\n\\nSkeletons can not be moved. Objects can not move over them but light rays can.", 1},
    {"Scarab\\n\\nThis is similar to other collectable treasures, except the scarab blocks light.", 2},
    {"Multiple Glyphs\\n\\nSome rooms have more than one glyph. All glyphs must be activated to complete the room.",
     0},
    {"Multi-emitter\\n\\nThese can emit up to four separate light rays.", 0},
    {"Multiple Emitters\\n\\nSome rooms have more than one light emitter.", 0},
};

}  // namespace

TTutorial::TTutorial() {
  for (int i = 0; i < kHelpItems; ++i) helpInfo[i] = kHelpTable[i];
}

TTutorial::~TTutorial() = default;

void TTutorial::addMessage(int helpID, int x, int y, int arrowX, int arrowY, int /*extra*/) {
  if (helpID < 0 || helpID >= kHelpItems) return;
  for (const TTutorialMessage& m : messageQ)
    if (m.helpID == helpID) return;
  TTutorialMessage m;
  m.helpID = helpID;
  m.message = helpInfo[helpID].message;
  m.diagX = x + 50;
  m.diagY = y + 50;
  if (arrowX != 0 || arrowY != 0) {
    m.arrX = arrowX + 40;
    m.arrY = arrowY - 40;
  }
  messageQ.push_back(m);
}

int TTutorial::update(const TScreenKit& kit) {
  const TGfx* gfx = kit.gfx;
  if (messageQ.empty()) return 0;
  const TTutorialMessage& tip = messageQ.front();
  if (!dialogue) {
    dialogue = TDialogue::Create(tip.diagX, tip.diagY, 25, gfx ? gfx->gui_dialogueMedImg : nullptr, tip.message,
                                 kit.mouse, kit.text, 2);
    dialogue->setButtons(kit.buttons, 2, 25, "OK", "");
    arrX = tip.arrX;
    arrY = tip.arrY;
    arrInc = inc;
    return 0;
  }
  if (arrX != 0) {
    if (gfx && gfx->arrImg) DrawImage(gfx->arrImg, static_cast<float>(arrX) + arrOffset, arrY - arrOffset, 0);
    arrOffset += arrInc * kit.frameDelta();
    if (arrOffset > maxOffset) {
      arrOffset = maxOffset;
      arrInc = -inc;
    } else if (arrOffset < -maxOffset) {
      arrOffset = -maxOffset;
      arrInc = inc;
    }
  }
  const int result = dialogue->update();
  mouseCollide = dialogue->mouseCollide;
  if (result == 1) firstTipOK();
  return result;
}

void TTutorial::firstTipOK() {
  if (!messageQ.empty()) {
    if (markSeen) markSeen(messageQ.front().helpID);
    messageQ.pop_front();
  }
  dialogue.reset();
  refreshHelpTips = 1;
  mouseCollide = 0;
}
