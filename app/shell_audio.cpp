// The shell's calls into the sound set. Every call is safe while sfx is
// still null (before start-up reaches the sounds).
#include "app/globals.h"
#include "app/sfx_set.h"
#include "app/sfx_setup_screen.h"
#include "app/shell_services.h"
#include "app/timer.h"

namespace {

// Fades run on the frame timer's step; 1.0 before the timer exists.
float frameDelta() { return frameTimer ? frameTimer->delta : 1.0f; }

}  // namespace

void shellLoadSounds() {
  if (!sfx) sfx = new TSfx();
  sfx->drawSetupScreen = drawSfxSetupScreen;
  // A missing sound is not fatal: its effect or track simply stays silent.
  sfx->load();
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
