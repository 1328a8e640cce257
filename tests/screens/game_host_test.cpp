// The engine inside the game: effects reached through the screens' kit.
#include <gtest/gtest.h>

#include "effects/effects.h"
#include "screens/game_host.h"
#include "tests/engine/test_host.h"
#include "tests/screens/screen_test_kit.h"

namespace {

struct TKitEffects : TScreenTestSlots {
  TEffects manager;
  TKitEffects() { effects = &manager; }
  ~TKitEffects() { manager.destroyAll(); }
};

TEST(GameHost, ExplosionsCrumblesAndCollectedSparklesReachTheEffects) {
  TKitEffects global;
  TRoomBuilder b;
  b.object(6, 5, kObjWhiteDecayedWall).object(3, 3, kObjCoins).object(2, 3, kObjCrate);
  auto e = b.live(std::make_shared<TTestHost>());
  e->host = gameHost(global.kit);
  ASSERT_EQ(TBrick::count(), 0);
  TObject& wall = *e->obj[1];
  wall.glow = 0.2f;
  wall.glowActive = 1;
  e->updateObjects();
  EXPECT_EQ(wall.frame, 0);
  EXPECT_EQ(TBrick::count(), 100);

  // The coins' sparkle goes when the crate collects them.
  TObject& coins = *e->obj[2];
  global.effects->createSparkle(static_cast<int>(coins.x) + coins.sx, static_cast<int>(coins.y) + coins.sy);
  ASSERT_EQ(TSparkle::all().size(), 1u);
  e->obj[3]->dx = 1;
  e->setObjTarget(3);
  while (e->obj[3]->dx != 0) e->updateObjects();
  EXPECT_EQ(coins.frame, 0);
  EXPECT_TRUE(TSparkle::all().empty());

  // Building a room ends every running effect.
  e->createRoom(1, 0);
  EXPECT_EQ(TBrick::count(), 0);
}

}  // namespace
