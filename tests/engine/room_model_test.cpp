// Building a live room from a stored one and storing it back; catalogues and
// the object record.
#include <gtest/gtest.h>

#include "test_host.h"

namespace {

TEST(Catalogue, EntriesCarryTheirIdsAndFlags) {
  TEngine e;
  EXPECT_EQ(e.blkMaster[kBlockEmitter]->name, "Light Emitter");
  EXPECT_EQ(e.blkMaster[kBlockPit]->pit, 1);
  EXPECT_EQ(e.blkMaster[5]->light, 1);  // skeletons let light through ...
  EXPECT_EQ(e.blkMaster[5]->obj, 0);    // ... but hold nothing
  EXPECT_EQ(e.blkMaster[12]->gr, 255);
  EXPECT_EQ(e.blkMaster[12]->gg, 0);
  EXPECT_EQ(e.blkMaster[18]->name, "");
  EXPECT_EQ(e.blkMaster[18]->frame, 18);
  EXPECT_EQ(e.blkMaster[20]->frame, 0);
  EXPECT_EQ(e.objMaster[kObjScarab]->solid, 1);
  EXPECT_EQ(e.objMaster[kObjScarab]->score, 125);
  EXPECT_EQ(e.objMaster[kObjCrate]->itemID, kItemCrate);
  EXPECT_EQ(e.objMaster[kObjMap]->sx, 0);
  EXPECT_EQ(e.objMaster[14]->sx, -14);
  EXPECT_EQ(e.objDestructable(7), 255);
  EXPECT_EQ(e.objDestructable(8), 255);
  EXPECT_EQ(e.objDestructable(kObjMirror), 0);
  EXPECT_EQ(e.objDestructable(99), 0);
}

TEST(ObjectRecord, RoundTripWithSignedStepsAndSparkleOffsets) {
  TObject o;
  o.name = "slot";
  o.x = 131.5f;
  o.frame = kObjCrate;
  o.sx = -14;
  o.sy = -18;
  o.score = 70000;
  o.dx = -1;
  o.dy = 1;
  o.tx = -5;
  o.c = 12;
  o.angle = 90;
  o.alpha = 0.5f;
  o.glowActive = 1;
  o.glow = 0.25f;
  o.crumbleDelay = 13;
  TMemoryStream s;
  o.save(s);
  // name + CR LF, 2 floats, 15 bytes, 2 bytes, int, 4 bytes, 2 ints, 2 bytes,
  // int, 7 floats.
  EXPECT_EQ(s.Bytes().size(), 6u + 8 + 15 + 2 + 4 + 4 + 8 + 2 + 4 + 28);
  EXPECT_EQ(s.Bytes()[6 + 8 + 15], 11);  // sx + 25
  EXPECT_EQ(s.Bytes()[6 + 8 + 15 + 2 + 4 + 2], 255);  // dx -1 as a byte
  s.Seek(0);
  TObject back;
  back.load(s);
  EXPECT_EQ(back.name, "slot");
  EXPECT_EQ(back.x, 131.5f);
  EXPECT_EQ(back.sx, -14);
  EXPECT_EQ(back.sy, -18);
  EXPECT_EQ(back.score, 70000);
  EXPECT_EQ(back.dx, -1);
  EXPECT_EQ(back.dy, 1);
  EXPECT_EQ(back.tx, -5);
  EXPECT_EQ(back.c, 12);
  EXPECT_EQ(back.angle, 90);
  EXPECT_EQ(back.alpha, 0.5f);
  EXPECT_EQ(back.glowActive, 1);
  EXPECT_EQ(back.glow, 0.25f);
  EXPECT_EQ(back.crumbleDelay, 13);
}

TEST(ObjectRecord, ClearLeavesAnEmptyPiece) {
  TObject o;
  o.frame = 5;
  o.solid = 1;
  o.name = "x";
  o.c = 3;
  o.clear();
  EXPECT_EQ(o.frame, 0);
  EXPECT_EQ(o.solid, 0);
  EXPECT_EQ(o.name, "");
  EXPECT_EQ(o.c, 0);
  EXPECT_EQ(o.alpha, 0);
  EXPECT_EQ(o.scale, 0);
  TObject fresh;
  EXPECT_EQ(fresh.alpha, 1);
  EXPECT_GE(fresh.sparkleTime, 100);
  EXPECT_LE(fresh.sparkleTime, 1000);
}

TEST(CreateRoom, EmptyRoomHasNoObjectsOrGlyphs) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  auto e = b.live(host);
  EXPECT_EQ(e->roomObjects, 0);
  EXPECT_EQ(e->glyphCount, 0);
  EXPECT_EQ(e->glyphCh.size(), 1u);
  EXPECT_EQ(host->destroyAllCalls, 1);
  EXPECT_EQ(e->deselectArrows, 1);
  EXPECT_EQ(e->roomName, "Room 1");
  // Positions are cell centres at the in-game offset.
  EXPECT_EQ(e->blk[1][1]->x, 31);
  EXPECT_EQ(e->blk[1][1]->y, 120);
  EXPECT_EQ(e->blk[0][0]->frame, 0);
  EXPECT_EQ(e->blk[0][0]->empty, 1);
  EXPECT_EQ(e->blk[1][1]->empty, 0);
}

TEST(CreateRoom, CratesComeAfterEveryOtherObject) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  b.object(2, 2, kObjCrate).object(3, 2, kObjCoins).object(4, 2, kObjCrate).object(5, 2, kObjMirror);
  auto e = b.live(host);
  ASSERT_EQ(e->roomObjects, 4);
  EXPECT_EQ(e->obj[1]->frame, kObjCoins);
  EXPECT_EQ(e->obj[2]->frame, kObjMirror);
  EXPECT_EQ(e->obj[3]->frame, kObjCrate);
  EXPECT_EQ(e->obj[3]->c, 2);
  EXPECT_EQ(e->obj[4]->c, 4);
  EXPECT_EQ(e->obj[2]->tx, static_cast<int>(e->centreX(5)));
}

TEST(CreateRoom, GlyphsGetOneSoundChannelEach) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  b.block(1, 3, 11).block(12, 5, 13).block(1, 6, kBlockEmitter);
  auto e = b.live(host);
  EXPECT_EQ(e->glyphCount, 2);
  ASSERT_EQ(e->glyphCh.size(), 3u);
  EXPECT_EQ(host->numberOf(e->glyphCh[1]), 1);
  EXPECT_EQ(host->numberOf(e->glyphCh[2]), 2);
  EXPECT_EQ(e->sparkList.size(), 1u);
  EXPECT_EQ(e->sparkList.front().x, static_cast<int>(e->centreX(1)));
}

TEST(CreateRoom, RoomZeroFallsBackToTheLastRoom) {
  auto host = std::make_shared<TTestHost>();
  TEngine e;
  e.host = host;
  for (int i = 0; i < 3; ++i) e.location.addRoom();
  e.location.room[3]->name = "Third";
  e.location.curRoom = 5;
  e.createRoom(0, 0);
  EXPECT_EQ(e.roomName, "Third");
  EXPECT_EQ(e.location.curRoom, 3);
  // A location without rooms gets one.
  TEngine empty;
  empty.host = host;
  empty.createRoom(0, 1);
  EXPECT_EQ(empty.location.roomCount, 1);
  EXPECT_EQ(empty.roomName, "Room 1");
  // A slot far beyond the rooms plays the last one instead.
  e.createRoom(9, 0);
  EXPECT_EQ(e.location.curRoom, 4);
}

TEST(CreateRoom, IdsOutsideTheCataloguesAreBlank) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  b.block(3, 3, 200).block(4, 4, 19).object(5, 5, 20).object(6, 6, 255).object(0, 3, kObjMirror)
      .object(13, 3, kObjMirror).object(7, 7, kObjMirror);
  auto e = b.live(host);
  EXPECT_EQ(e->blk[3][3]->frame, 0);
  EXPECT_EQ(e->blk[3][3]->empty, 1);
  EXPECT_EQ(e->blk[4][4]->frame, 0);
  ASSERT_EQ(e->roomObjects, 1);
  EXPECT_EQ(e->obj[1]->c, 7);
}

TEST(StoreRoom, WritesCellsAndDropsClearedObjects) {
  auto host = std::make_shared<TTestHost>();
  TRoomBuilder b;
  b.object(2, 2, kObjCoins).object(3, 2, kObjAnkh).object(4, 2, kObjMap).object(5, 2, kObjMirror);
  auto e = b.live(host);
  e->obj[2]->clear();
  e->obj[3]->clear();
  e->setBlockFromMaster(6, 6, kBlockPit);
  e->roomName = "Renamed";
  e->storeRoom();
  const TRoom& r = *e->location.room[1];
  EXPECT_EQ(r.name, "Renamed");
  EXPECT_EQ(r.blk[6][6], kBlockPit);
  ASSERT_EQ(r.roomObjects, 2);
  EXPECT_EQ(r.obj[1], (std::array<int, 3>{2, 2, kObjCoins}));
  EXPECT_EQ(r.obj[2], (std::array<int, 3>{5, 2, kObjMirror}));
  EXPECT_EQ(e->roomObjects, 2);
}

TEST(EditorOps, AddAndDeleteObjects) {
  auto host = std::make_shared<TTestHost>();
  auto e = TRoomBuilder().live(host);
  EXPECT_EQ(e->addObject(3, 4, kObjRuby), 1);
  EXPECT_EQ(e->addObject(5, 4, kObjCrumblingFloor), 2);
  EXPECT_EQ(e->addObject(5, 4, kObjSarcophagus), 3);
  EXPECT_EQ(e->obj[1]->pr, 255);
  EXPECT_EQ(e->obj[1]->x, e->centreX(3));
  EXPECT_EQ(e->isFloorTileObj(5, 4), 2);
  EXPECT_EQ(e->isFloorTileObj(3, 4), 0);
  e->deleteObject(1);
  EXPECT_EQ(e->roomObjects, 2);
  EXPECT_EQ(e->obj[1]->frame, kObjCrumblingFloor);
  EXPECT_EQ(e->isFloorTileObj(5, 4), 1);
  e->deleteObject(7);  // out of range: nothing
  EXPECT_EQ(e->roomObjects, 2);
}

}  // namespace
