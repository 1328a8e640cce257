#pragma once
// Everything the puzzle engine needs from the running game: the frame step,
// the player's settings and seen tips, sounds, visual effects and the mouse.
// The engine talks only to this interface; the game's own implementation
// (screens/game_host.h) reaches the global objects, while tests and tools put
// a quiet or recording host of their own (a new engine has a quiet one).
#include <memory>
#include <string>

#include "platform/audio.h"
#include "platform/image.h"

class TEngineHost {
 public:
  virtual ~TEngineHost() = default;

  // Time step of the current frame: 1.0 for one frame at 40 frames per second.
  virtual float delta() = 0;

  // Sounds. Game sound indices: 0 slide loop, 1 coin, 2 map, 3 ankh,
  // 4 explosion. Each glyph has a channel of its own (null without sound).
  virtual void playSound(int index) = 0;
  virtual bool soundPlaying(int index) = 0;
  virtual void fadeOutSound(int index, float step) = 0;
  virtual TChannelPtr newGlyphChannel() = 0;  // at the settings' sound volume
  virtual bool glyphChannelPlaying(const TChannelPtr& channel) = 0;
  virtual void playGlyphSound(const TChannelPtr& channel) = 0;
  virtual void pauseGlyphChannel(const TChannelPtr& channel) = 0;

  // Visual effects.
  virtual void destroyAllEffects() = 0;
  virtual void explodeWall(int x, int y, int r, int g, int b, int implode) = 0;
  virtual void crumbleFloor(int x, int y) = 0;
  virtual void updateFloorCrumbles() = 0;
  virtual void textFloat(const std::string& text, int x, int y) = 0;
  virtual void createSparkle(int x, int y) = 0;
  virtual void removeSparkleAt(int x, int y) = 0;  // a sparkle whose centre is (x, y)

  // The mouse, as seen at the start of this frame. Buttons: 1 left, 2 right.
  virtual bool pointerOver(const TImagePtr& image, int x, int y, int frame) = 0;
  virtual void setPointerImage(int frame) = 0;
  virtual int clicked(int button) = 0;
  virtual int released(int button) = 0;

  // The player's profile: whether a help tip has been seen already.
  virtual bool helpSeen(int helpID) = 0;
  virtual void markHelpSeen(int helpID) = 0;
};

using TEngineHostPtr = std::shared_ptr<TEngineHost>;
