// Engines made for the screens.
#include "screens/room_engine.h"

#include "screens/gfx_set.h"
#include "screens/game_host.h"

TRoomPictures roomPicturesFromGfx(const TGfx* gfx) {
  TRoomPictures p;
  if (!gfx) return p;
  p.blockImg = gfx->blockImg;
  p.objectImg = gfx->objectImg;
  p.objectShadowImg = gfx->objectShadowImg;
  p.shadowImg = gfx->shadowImg;
  p.arrowImg = gfx->arrowImg;
  p.sparkBigImg = gfx->sparkBigImg;
  p.sparkMedImg = gfx->sparkMedImg;
  return p;
}

TEnginePtr createScreenEngine(const TScreenKit& kit, const std::string& locationName) {
  TEnginePtr engine = TEngine::create(locationName);
  engine->host = gameHost(kit);
  engine->pictures = roomPicturesFromGfx(kit.gfx);
  return engine;
}

void queueHelpTips(TEngine& engine, TTutorial& tutorial) {
  engine.setHelpTips();
  tutorial.messageQ.clear();
  for (const THelpRequest& h : engine.helpRequests) tutorial.addMessage(h.helpID, h.x, h.y, h.arrowX, h.arrowY, 0);
  tutorial.refreshHelpTips = 0;
}

void acknowledgeTip(TTutorial& tutorial) {
  if (!tutorial.messageQ.empty()) tutorial.firstTipOK();
}

void attachTutorial(TEngine& engine, TTutorial& tutorial) {
  tutorial.markSeen = [host = engine.host](int helpID) {
    if (host) host->markHelpSeen(helpID);
  };
  engine.onMoveStart = [&tutorial](const TRoomMove&) { acknowledgeTip(tutorial); };
}
