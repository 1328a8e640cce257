#include "app/startup.h"

#include "app/fatal_error.h"
#include "screens/gfx_set.h"
#include "app/globals.h"
#include "app/screen.h"
#include "audio/sfx_set.h"
#include "app/shell_services.h"
#include "app/timer.h"
#include "data/options.h"
#include "platform/audio.h"
#include "platform/file_system.h"

void createGlobals() {
  frameTimer = TTimer::create(40.0f);
  // A crash during a save leaves a temporary file beside the old one; it goes
  // once the real file is known to be whole.
  for (const char* folder : {".", "profiles", "locations", "sfx"}) RemoveStaleReplacements(folder);
  shellCreateProfile();
  options = TOptions::create(shellProfileName());
  options->load();
  gfx = new TGfx();
  // The pictures decode on the other cores while the display opens.
  gfx->startLoading();
  sfx = new TSfx();
  screen = new TScreen();
  screen->setRes();
  if (!shellCreatePointerAndText()) fatalError("Error: Could not load load fonts.");
  shellCreateWidgets();
  shellCreateEffectsAndScores();
}

void loadResources() {
  std::string missing = gfx->load();
  if (missing.empty()) missing = TGfx::checkLaterPictures();
  if (!missing.empty()) fatalMissingFile(missing);
  shellLoadSounds();
}

void applyVolumes() {
  if (!options) return;
  options->setVolumeLevels();
  shellSetClickVolume(options->clickVol);
  shellSetVolumes(options->musicVol, options->soundVol, options->clickVol);
}

void switchProfile(const std::string& name) {
  shellSaveProfile();
  options->save("");
  const int ogl = options->ogl;
  const int screenD = options->screenD;
  shellLoadProfile(name);
  options->setFileName(shellProfileName());
  options->load();
  applyVolumes();
  if ((options->ogl != ogl || options->screenD != screenD) && screen) screen->setRes();
}

void destroyGlobals() {
  shellDestroyWidgetGlobals();
  shellDestroyProfileGlobals();
  delete screen;
  screen = nullptr;
  delete sfx;
  sfx = nullptr;
  // The mixer's output thread stops before the program ends.
  CloseAudio();
  delete gfx;
  gfx = nullptr;
  delete options;
  options = nullptr;
  delete frameTimer;
  frameTimer = nullptr;
}
