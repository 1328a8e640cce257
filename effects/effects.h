#pragma once
// Short-lived decorations over a room: floating score texts, sparkles on
// treasures, walls bursting into fragments, floors crumbling into pits, and
// the fireworks of the game's end. Each kind keeps one list of live
// instances; TEffects is the front the engine and the screens use.
#include <functional>
#include <list>
#include <memory>
#include <string>

#include "platform/image.h"

// What the effects draw with, sound through and move by. The program fills
// it in; a part left empty is skipped (texts then use the plain font, and
// time runs at one frame per update).
struct TEffectsKit {
  // Handles of the pictures, looked at when drawn: the program loads the
  // pictures after it makes the effects.
  const TImagePtr* sparkle = nullptr;
  const TImagePtr* wallBricks = nullptr;
  const TImagePtr* floorBricks = nullptr;
  // A floating text centred on x, in the floating texts' font.
  std::function<void(const std::string& text, float x, float y, float alpha)> drawText;
  std::function<void()> playBurst;  // one wall fragment's share of the burst sound
  std::function<float()> delta;     // the frame's time step
  float frameDelta() const { return delta ? delta() : 1.0f; }
  static TImagePtr picture(const TImagePtr* handle) { return handle ? *handle : nullptr; }
};

class TTextFloat {
 public:
  static constexpr float moveInc = 0.2f;
  static constexpr float alphaInc = 0.05f;
  std::string txt;
  float x = 0, y = 0;
  float alpha = 1;
  float alphaDelay = 75;

  static void create(const std::string& text, float x, float y);
  static void updateAll(const TEffectsKit& kit);
  bool update(const TEffectsKit& kit, float dt);  // false once faded out
  static void destroyAll();
  static std::list<TTextFloat>& all();
  // True when updateAll ran since the last call (which clears it): the main
  // loop moves the texts itself on screens that draw no effects.
  static bool takeUpdated();
};

class TSparkle {
 public:
  int x = 0, y = 0;
  float life = 75;
  float rotation = 0;
  int rotInc = 4;
  float scale = 0.1f;
  float scaleInc = 0.015f;
  float alpha = 0.005f;
  float alphaInc = 0.015f;

  static void create(int x, int y);
  static void updateAll(const TEffectsKit& kit);
  bool update(const TEffectsKit& kit, float dt);  // false once it has faded after its peak
  static void destroyAll();
  static std::list<TSparkle>& all();
};

class TBrick {
 public:
  static constexpr float alphaInc = 0.02f;
  float x = 0, y = 0;
  int r = 255, g = 255, b = 255;
  int frame = 0;
  float life = 0;
  float alpha = 1;
  float dx = 0, dy = 0;
  float dir = 0;  // degrees: sin gives the x part, cos the y part
  int rotation = 0;
  int rotInc = 0;
  int changeScale = 0;
  float scale = 1;
  int brickImage = 0;  // 1 wall fragment, 0 floor fragment

  static void create(float x, float y, int r, int g, int b, int frame, float life, float dirX, float dirY, int speed,
                     int changeScale, int brickImage);
  static int count();
  // Updates and draws the fragments of one group (1 walls, 0 floors).
  static void updateAll(int group, const TEffectsKit& kit);
  bool update(const TEffectsKit& kit, float dt);  // false once faded out
  static void destroyAll();
  static std::list<TBrick>& all();
};

class TFireworks {
 public:
  float x = 0, y = 0, z = 200;
  float vy = 0;
  float xd = 0, yd = 0, zd = 0;
  float r = 0, g = 0, b = 0;
  float alpha = 1;

  // Loads the shared particle picture; the returned object is the display's handle.
  static std::unique_ptr<TFireworks> create(const std::string& imagePath);
  void add(float x, float y, int count, float speed);
  // Moves and draws every particle by the frame's time step; returns how
  // many were drawn.
  int update(float dt);
  void destroy();
  static std::list<TFireworks>& particles();
  static TImagePtr& image();
};

class TEffects {
 public:
  TEffectsKit kit;

  TEffects() = default;
  explicit TEffects(TEffectsKit effectsKit) : kit(std::move(effectsKit)) {}
  void createtextFloat(const std::string& text, float x, float y) { TTextFloat::create(text, x, y); }
  void createSparkle(int x, int y) { TSparkle::create(x, y); }
  // 100 wall fragments flying out (or in, shrinking, when implode is set).
  void explodeWall(float x, float y, int r, int g, int b, bool implode);
  // 100 floor fragments falling inwards.
  void crumbleFloor(float x, float y);
  // The floor pass: after the floor, before the room's objects.
  void updateFloorCrumbles();
  // The upper pass: after the room's objects.
  void updateAll();
  void destroyAll();
  // True while a text, sparkle, fragment or firework is still on its way.
  bool anyRunning() const;
};
