// The shell's calls into the sound set. The sound set (TSfx with its music
// playlist and sound sets) is written on its own branch; until it joins the
// game, sfx stays null and the game is silent, so every call here has nothing
// to act on.
#include "app/globals.h"
#include "app/shell_services.h"

void shellLoadSounds() {}
void shellSetVolumes(float, float, float) {}
void shellUpdateMusic() {}
void shellUpdateSounds() {}
void shellPauseMusicUnless(int) {}
void shellPlayMusic(int) {}
void shellPauseAllSound() {}
void shellResumeAllSound(bool) {}
void shellPauseGameSounds() {}
void shellUnpackSound(const std::string&) {}
