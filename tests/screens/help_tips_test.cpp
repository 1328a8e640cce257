// Which tutorial tips a room queues, in which order and where.
#include <gtest/gtest.h>

#include "screens/room_engine.h"
#include "tests/engine/test_host.h"
#include "tests/engine/test_pictures.h"

namespace {

// The tips of an engine's room in a tutorial, as the in-game screen has them.
struct TTips {
  TTutorial tutorial;
  explicit TTips(TEngine& e) { attachTutorial(e, tutorial); }
};

std::vector<int> queuedIds(const TTutorial& t) {
  std::vector<int> ids;
  for (const TTutorialMessage& m : t.messageQ) ids.push_back(m.helpID);
  return ids;
}

const TTutorialMessage& tip(const TTutorial& t, int id) {
  for (const TTutorialMessage& m : t.messageQ)
    if (m.helpID == id) return m;
  static const TTutorialMessage none;
  return none;
}

TEST(HelpTips, FreshProfileOrderAndPlacement) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  b.block(1, 5, kBlockEmitter).block(12, 4, 11).block(12, 8, 11).block(8, 1, kBlockEmitter).object(10, 5, kObjMirror)
      .object(3, 3, kObjRuby);
  auto e = b.live(host);
  TTips tips(*e);
  queueHelpTips(*e, tips.tutorial);
  const TTutorial& t = tips.tutorial;
  EXPECT_EQ(queuedIds(t), (std::vector<int>{0, 1, 2, 4, 9, 19, 17}));
  EXPECT_EQ(tip(t, 0).diagX, 10);
  EXPECT_EQ(tip(t, 0).diagY, 100);
  EXPECT_EQ(tip(t, 0).arrX, 0);
  EXPECT_EQ(tip(t, 1).arrX, 770);
  EXPECT_EQ(tip(t, 1).arrY, 135);
  // The glyph tip points at the top glyph, from the screen's left half.
  EXPECT_EQ(tip(t, 2).arrX, static_cast<int>(e->centreX(12)) + 40);
  EXPECT_EQ(tip(t, 2).arrY, static_cast<int>(e->centreY(4)) - 40);
  EXPECT_EQ(tip(t, 2).diagX, 10);
  // An object in the left half gets its box on the right.
  EXPECT_EQ(tip(t, 9).diagX, 450);
  EXPECT_EQ(t.refreshHelpTips, 0);
}

TEST(HelpTips, SeenTipsAreSkippedAndDismissingMarksThem) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  b.block(5, 5, kBlockEmitter);
  auto e = b.live(host, 1.0f);
  host->seenTips = {0, 1};
  TTips tips(*e);
  TTutorial& t = tips.tutorial;
  queueHelpTips(*e, t);
  // An emitter open on all four sides is a multi-emitter; nothing is fogged.
  EXPECT_EQ(queuedIds(t), (std::vector<int>{18}));
  EXPECT_EQ(tip(t, 18).arrX, static_cast<int>(e->centreX(5)) + 40);
  t.firstTipOK();
  EXPECT_TRUE(host->seenTips.count(18));
  EXPECT_TRUE(t.messageQ.empty());
  EXPECT_EQ(t.refreshHelpTips, 1);
  queueHelpTips(*e, t);
  EXPECT_TRUE(t.messageQ.empty());
}

TEST(HelpTips, HiddenAreaPointsAtTheFirstFoggedCell) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  for (int r = 2; r <= 9; ++r) b.block(6, r, 7);
  b.block(2, 5, kBlockEmitter).block(2, 4, 7).block(2, 6, 7).block(3, 5, 7);
  auto e = b.live(host, 1.0f);
  host->seenTips = {0, 1};
  TTips tips(*e);
  queueHelpTips(*e, tips.tutorial);
  EXPECT_EQ(queuedIds(tips.tutorial), (std::vector<int>{12}));
  EXPECT_EQ(tip(tips.tutorial, 12).arrX, static_cast<int>(e->centreX(2)) + 40);  // (2, 2) is the first fogged cell
  EXPECT_EQ(e->getHelpPosX(401), -40);
  EXPECT_EQ(e->getHelpPosY(300), 300);
}

TEST(HelpTips, ArrowClickDismissesTheFirstTip) {
  test_pictures::TTestGfx pictures;
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  b.object(5, 5, kObjMirror);
  auto e = b.live(host);
  TTips tips(*e);
  queueHelpTips(*e, tips.tutorial);
  ASSERT_FALSE(tips.tutorial.messageQ.empty());
  const int first = tips.tutorial.messageQ.front().helpID;
  e->clickedC = 5, e->clickedR = 5, e->clickedO = 1;
  e->mouseC = 5, e->mouseR = 6;
  host->leftReleases = 1;
  e->drawArrows();
  EXPECT_EQ(e->obj[1]->dy, 1);
  EXPECT_TRUE(host->seenTips.count(first));
  EXPECT_EQ(tips.tutorial.refreshHelpTips, 1);
}

}  // namespace
