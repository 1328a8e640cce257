// The shell's calls into the sound set: loading it (with the setting-up
// screen of a first start), its volumes, the per-frame music and effects, and
// pausing everything while the window is away.
#include <string>

#include "app/frame_pacing.h"
#include "app/globals.h"
#include "audio/sfx_set.h"
#include "app/shell_services.h"
#include "data/options.h"
#include "platform/graphics.h"
#include "platform/log.h"

namespace {

// "Setting Up - Please wait..." with the sound being converted below it.
void drawSetupScreen(const std::string& title, const std::string& detail) {
  Cls();
  SetAlpha(1);
  SetColor(255, 255, 255);
  shellDrawCentredText(title, kViewWidth / 2, 400);
  shellDrawCentredText(detail, kViewWidth / 2, 450);
  presentFrame(options ? options->vsync : 1);
}

}  // namespace

void shellLoadSounds() {
  if (!sfx) sfx = new TSfx();  // start-up normally made it already
  sfx->drawSetupScreen = drawSetupScreen;
  // A missing or broken sound only leaves the game quieter: it plays as
  // silence, noted once in the log.
  for (const std::string& path : sfx->load()) LogLine("sound " + path + " could not be loaded; it plays as silence");
  sfx->drawSetupScreen = nullptr;
}

void shellSetVolumes(float music, float sound, float click) {
  if (sfx) sfx->setVolume(music, sound, click);
}

void shellUpdateMusic() {
  if (sfx && sfx->music) sfx->music->update(0, frameDelta());
}

void shellUpdateSounds() {
  if (sfx && sfx->sounds) sfx->sounds->update(frameDelta());
}

void shellPauseMusicUnless(int track) {
  if (sfx && sfx->music && sfx->music->currentSong != track) sfx->music->pause();
}

void shellPlayMusic(int track) {
  if (sfx && sfx->music) sfx->music->play(track, 0);
}

void shellPauseAllSound() {
  if (!sfx || !sfx->music) return;
  sfx->music->pause();
  sfx->endTunes->pauseAll();
  sfx->sounds->pauseAll();
}

void shellResumeAllSound(bool music) {
  if (!sfx || !sfx->music) return;
  if (music) sfx->music->resume();
  sfx->endTunes->resumeAll();
  sfx->sounds->resumeAll();
}

void shellPauseGameSounds() {
  if (sfx && sfx->sounds) sfx->sounds->pauseAll();
}

void shellUnpackSound(const std::string& name) { TSfx().checkWav(name, 0); }
