// The shell's calls into the profile, the effects and the high scores. Until
// those join the game, profile, effects and highScores stay null: there is
// no named profile, so no settings file is read or written.
#include "app/globals.h"
#include "app/shell_services.h"

void shellCreateProfile() {}
std::string shellProfileName() { return ""; }
void shellSaveProfile() {}
void shellLoadProfile(const std::string&) {}
void shellExportProfile() {}
void shellDropUnfinishedRoom() {}
void shellCreateEffectsAndScores() {}
void shellClearEffects() {}
