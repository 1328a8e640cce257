// The shell's calls into the profile and the high scores. The effects join
// later: until then effects stays null.
#include <memory>

#include "app/globals.h"
#include "app/shell_services.h"
#include "data/high_scores.h"
#include "data/profile.h"

namespace {
// Owners of the two globals: they live until the program ends.
std::unique_ptr<TProfile> ownedProfile;
std::unique_ptr<THighScores> ownedHighScores;
}  // namespace

void shellCreateProfile() {
  ownedProfile = std::make_unique<TProfile>();
  profile = ownedProfile.get();
  profile->load(kGameCampaign, "");
}

std::string shellProfileName() { return profile ? profile->name : ""; }

void shellSaveProfile() {
  if (profile) profile->save();
}

void shellLoadProfile(const std::string& name) {
  if (profile) profile->load(kGameCampaign, name);
}

void shellExportProfile() {
  if (profile) profile->exportText();
}

void shellDropUnfinishedRoom() {
  // A room left unfinished keeps no partial score.
  if (profile && profile->newRoom) profile->roomStatus = TStatus();
}

void shellCreateEffectsAndScores() {
  ownedHighScores = std::make_unique<THighScores>();
  highScores = ownedHighScores.get();
}
void shellClearEffects() {}
