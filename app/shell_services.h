#pragma once
// The calls the application shell makes into parts of the game that are
// built elsewhere: the sound set, the pointer and fonts, the profile. Each
// call is safe while its global is still missing (null), so the shell runs
// from the first frame to the quit sequence on its own.
#include <string>

// ---- Sound set (sfx) -------------------------------------------------------------
void shellLoadSounds();                        // TSfx.load
void shellSetVolumes(float music, float sound, float click);
void shellUpdateMusic();                       // sfx.music.update(0)
void shellUpdateSounds();                      // sfx.sounds.update()
void shellPauseMusicUnless(int track);         // pause when another track is wanted
void shellPlayMusic(int track);                // sfx.music.play(track, 0)
void shellPauseAllSound();                     // focus lost
void shellResumeAllSound(bool music);          // focus back
void shellPauseGameSounds();                   // sfx.sounds.pauseAll, before a fade
// Converts "sfx/<name>.ogg" into "sfx/<name>.wav" once (the /unpack mode).
void shellUnpackSound(const std::string& name);

// ---- Pointer and text (mouse, text) ---------------------------------------------
// mouse, text and their eight fonts from "font.ttf" in "data1.dat"; false
// when the font cannot be read (the one fatal start-up error).
bool shellCreatePointerAndText();
void shellCreateWidgets();                     // buttons and tick boxes
void shellSetClickVolume(float volume);
void shellFrameStartPointer();                 // normal pointer, active
void shellHidePointerThisFrame();              // mouse.active = 0
void shellUpdatePointer();                     // draws the pointer, takes the snapshot
void shellForgetClicks();                      // presses so far never act (screen change)
void shellKeepClicks();                        // before the cross-fade: presses so far count
void shellDropFadeClicks();                    // after it: presses made during it never act
// The frame-rate counter, in font 4 when the fonts are there.
void shellDrawFrameRate(int fps);
// One line of text centred on x in the current font and colour.
void shellDrawCentredText(const std::string& line, int x, int y);

// ---- Profile --------------------------------------------------------------------
void shellCreateProfile();                     // profile, last used one loaded
std::string shellProfileName();                // "" without a profile
void shellSaveProfile();
void shellLoadProfile(const std::string& name);
// Shift+F1; the export file's name, or "" when it could not be written.
std::string shellExportProfile();
void shellDropUnfinishedRoom();                // quit: no partial room score
void shellCreateEffectsAndScores();            // effects and highScores
void shellClearEffects();                      // effects.destroyAll, on every screen change
void shellDestroyWidgetGlobals();              // end of the program

// ---- Notices --------------------------------------------------------------------
void shellShowNotice(const std::string& line);  // a floating text near the bottom
void shellDrawNotices();                        // moves them on screens without effects
void shellDestroyProfileGlobals();
