// The engine's link to the running game. Each service is reached through the
// screens' kit and is skipped while the program has none in its slot (tests,
// and parts of the game still being put together).
#include "audio/sfx_set.h"
#include "data/options.h"
#include "data/profile.h"
#include "effects/effects.h"
#include "engine/still_host.h"
#include "screens/game_host.h"
#include "widgets/mouse.h"

namespace {

class TGameHost : public TStillHost, private TScreenKit {
 public:
  explicit TGameHost(const TScreenKit& kit) : TScreenKit(kit) {}

  float delta() override { return frameDelta(); }

  void playSound(int index) override {
    if (sfx && sfx->sounds) sfx->sounds->play(index);
  }
  bool soundPlaying(int index) override { return sfx && sfx->sounds && sfx->sounds->playing(index) != 0; }
  void fadeOutSound(int index, float step) override {
    if (sfx && sfx->sounds) sfx->sounds->fadeOut(index, step);
  }
  TChannelPtr newGlyphChannel() override {
    if (!sfx) return nullptr;
    TChannelPtr channel = AllocChannel();
    SetChannelVolume(channel, options ? options->soundVol : 0);
    return channel;
  }
  bool glyphChannelPlaying(const TChannelPtr& channel) override { return ChannelPlaying(channel); }
  void playGlyphSound(const TChannelPtr& channel) override {
    if (sfx && sfx->glyphSnd) PlaySound(sfx->glyphSnd, channel);
  }
  void pauseGlyphChannel(const TChannelPtr& channel) override { PauseChannel(channel); }

  void destroyAllEffects() override {
    if (effects) effects->destroyAll();
  }
  void explodeWall(int x, int y, int r, int g, int b, int implode) override {
    if (effects) effects->explodeWall(static_cast<float>(x), static_cast<float>(y), r, g, b, implode != 0);
  }
  void crumbleFloor(int x, int y) override {
    if (effects) effects->crumbleFloor(static_cast<float>(x), static_cast<float>(y));
  }
  void updateFloorCrumbles() override {
    if (effects) effects->updateFloorCrumbles();
  }
  void textFloat(const std::string& text, int x, int y) override {
    if (effects) effects->createtextFloat(text, static_cast<float>(x), static_cast<float>(y));
  }
  void createSparkle(int x, int y) override {
    if (effects) effects->createSparkle(x, y);
  }
  void removeSparkleAt(int x, int y) override {
    auto& sparkles = TSparkle::all();
    for (auto it = sparkles.begin(); it != sparkles.end(); ++it)
      if (it->x == x && it->y == y) {
        sparkles.erase(it);
        return;
      }
  }

  bool pointerOver(const TImagePtr& image, int x, int y, int frame) override {
    return mouse && image && mouse->imageCollide(image, static_cast<float>(x), static_cast<float>(y), frame) != 0;
  }
  void setPointerImage(int frame) override {
    if (mouse) mouse->setImage(frame);
  }
  int clicked(int button) override { return mouse && button >= 1 && button <= 2 ? mouse->clicked[button] : 0; }
  int released(int button) override { return mouse && button >= 1 && button <= 2 ? mouse->released[button] : 0; }

  bool helpSeen(int helpID) override {
    return profile && helpID >= 0 && helpID < static_cast<int>(profile->helpItems.size()) &&
           profile->helpItems[helpID] != 0;
  }
  void markHelpSeen(int helpID) override {
    if (profile && helpID >= 0 && helpID < static_cast<int>(profile->helpItems.size()))
      profile->helpItems[helpID] = 1;
  }
};

}  // namespace

TEngineHostPtr gameHost(const TScreenKit& kit) { return std::make_shared<TGameHost>(kit); }
