#include "app/program_kit.h"

#include "app/frame_pacing.h"
#include "app/globals.h"
#include "app/shell_services.h"
#include "app/timer.h"
#include "data/options.h"

namespace {

class TProgramShell : public TScreenShell {
 public:
  float frameDelta() const override { return ::frameDelta(); }
  void restartFrameClock() override {
    if (frameTimer) frameTimer->resetDelta();
  }
  bool beforeModalFrame() override { return runModalFrameHook(); }
  void presentModalFrame() override { presentFrame(options ? options->vsync : 1); }
  void pauseAllSound() override { shellPauseAllSound(); }
  void resumeAllSound(bool music) override { shellResumeAllSound(music); }
};

}  // namespace

const TScreenKit& programScreenKit() {
  static TProgramShell shell;
  static const TScreenKit kit{gfx,      sfx,       mouse,      text,          buttons, effects,
                              profile,  options,   highScores, gameState,     textInputActive,
                              musicTrack, customMapMode, shell};
  return kit;
}
