// The engine's link to the running game. Each service is reached through its
// global object and is skipped while that object does not exist (tests,
// tools, and parts of the game still being put together).
#include "app/globals.h"
#include "app/sfx_set.h"
#include "app/timer.h"
#include "data/options.h"
#include "data/profile.h"
#include "engine/engine_host.h"
#include "engine/still_host.h"

namespace {

// Effects and the mouse are not part of the game yet: until they are, the
// quiet defaults of TStillHost stand (nothing shown, no pointer).
class TGameHost : public TStillHost {
 public:
  float delta() override { return frameTimer ? frameTimer->delta : 1.0f; }

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

TEngineHostPtr gameHost() {
  static TEngineHostPtr host = std::make_shared<TGameHost>();
  return host;
}
