#pragma once
// A stand-in for the running game: fixed frame step, recorded sounds and
// effects, a scripted mouse and remembered help tips.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/engine/test_pictures.h"

class TTestHost : public TEngineHost {
 public:
  float step = 1.0f;
  std::vector<int> soundsPlayed;
  std::set<int> soundsLooping;
  std::vector<int> soundsFaded;
  // Glyph channels are numbered 1, 2, ... in the order they are made.
  std::vector<TChannelPtr> channels{nullptr};
  std::set<int> channelsPlaying;
  std::vector<int> glyphPlays, glyphPauses;
  int numberOf(const TChannelPtr& channel) const {
    for (size_t i = 1; i < channels.size(); ++i)
      if (channels[i] == channel) return static_cast<int>(i);
    return 0;
  }
  int destroyAllCalls = 0;
  struct TExplosion {
    int x, y, r, g, b, implode;
  };
  std::vector<TExplosion> explosions;
  std::vector<std::pair<int, int>> crumbles, sparkles, sparklesRemoved;
  std::vector<std::string> texts;
  // Mouse: the pointer is over the cell shape centred on (overX, overY).
  int overX = -1000, overY = -1000;
  int leftClicks = 0, rightClicks = 0, leftReleases = 0;
  int pointerImage = 0;
  std::set<int> seenTips;

  float delta() override { return step; }
  void playSound(int index) override {
    soundsPlayed.push_back(index);
    if (index == 0) soundsLooping.insert(0);
  }
  bool soundPlaying(int index) override { return soundsLooping.count(index) != 0; }
  void fadeOutSound(int index, float) override {
    soundsFaded.push_back(index);
    soundsLooping.erase(index);
  }
  TChannelPtr newGlyphChannel() override {
    channels.push_back(std::make_shared<TChannel>());  // never handed to the mixer
    return channels.back();
  }
  bool glyphChannelPlaying(const TChannelPtr& channel) override { return channelsPlaying.count(numberOf(channel)) != 0; }
  void playGlyphSound(const TChannelPtr& channel) override {
    glyphPlays.push_back(numberOf(channel));
    channelsPlaying.insert(numberOf(channel));
  }
  void pauseGlyphChannel(const TChannelPtr& channel) override {
    glyphPauses.push_back(numberOf(channel));
    channelsPlaying.erase(numberOf(channel));
  }
  void destroyAllEffects() override { ++destroyAllCalls; }
  void explodeWall(int x, int y, int r, int g, int b, int implode) override {
    explosions.push_back({x, y, r, g, b, implode});
  }
  void crumbleFloor(int x, int y) override { crumbles.emplace_back(x, y); }
  void updateFloorCrumbles() override {}
  void textFloat(const std::string& text, int, int) override { texts.push_back(text); }
  void createSparkle(int x, int y) override { sparkles.emplace_back(x, y); }
  void removeSparkleAt(int x, int y) override { sparklesRemoved.emplace_back(x, y); }
  bool pointerOver(const TImagePtr&, int x, int y, int) override {
    return x - 25 <= overX && overX < x + 25 && y - 25 <= overY && overY < y + 25;
  }
  void setPointerImage(int frame) override { pointerImage = frame; }
  int clicked(int button) override { return button == 1 ? leftClicks : rightClicks; }
  int released(int button) override { return button == 1 ? leftReleases : 0; }
  bool helpSeen(int id) override { return seenTips.count(id) != 0; }
  void markHelpSeen(int id) override { seenTips.insert(id); }

  // Points the mouse at a cell of the engine.
  void pointAt(const TEngine& e, int c, int r) {
    overX = static_cast<int>(e.centreX(c));
    overY = static_cast<int>(e.centreY(r));
  }
  void endFrame() { leftClicks = rightClicks = leftReleases = 0; }
};

// Builds rooms in code: a floor room of 12 x 10 cells inside a wall ring, to
// which cells and objects are added before it is made live.
struct TRoomBuilder {
  TRoomPtr room = std::make_shared<TRoom>();

  explicit TRoomBuilder(int floor = 1, int wall = 7) {
    room->name = "Room 1";
    for (int c = 1; c <= 12; ++c)
      for (int r = 1; r <= 10; ++r)
        room->blk[c][r] = (c == 1 || c == 12 || r == 1 || r == 10) ? wall : floor;
  }
  TRoomBuilder& block(int c, int r, int id) {
    room->blk[c][r] = id;
    return *this;
  }
  TRoomBuilder& object(int c, int r, int id) {
    ++room->roomObjects;
    room->obj[room->roomObjects] = {c, r, id};
    return *this;
  }
  // An engine at the in-game offset playing this room.
  std::shared_ptr<TEngine> live(const std::shared_ptr<TTestHost>& host, float fog = 0) const {
    auto e = std::make_shared<TEngine>();
    e->host = host;
    e->pictures = test_pictures::currentPictures();
    e->setOffset(6, 95);
    e->location.roomCount = 1;
    e->location.room[1] = room->copy();
    e->createRoom(1, fog);
    return e;
  }
};
