// The shell's calls into the profile, the effects and the high-score tables.
#include "app/globals.h"
#include "app/effects_kit.h"
#include "app/shell_services.h"
#include "data/high_scores.h"
#include "effects/effects.h"
#include "data/profile.h"
#include "platform/file_system.h"

void shellCreateProfile() {
  profile = new TProfile();
  profile->load(kGameCampaign, "");
}

std::string shellProfileName() { return profile ? profile->name : std::string(); }

void shellSaveProfile() {
  if (profile) profile->save();
}

void shellLoadProfile(const std::string& name) {
  if (profile) profile->load(kGameCampaign, name);
}

std::string shellExportProfile() {
  if (!profile) return {};
  const std::string path = profile->exportPath();
  if (path.empty()) return {};
  // The export replaces any older one, so only a file written now counts.
  DeleteFile(path);
  profile->exportText();
  return FileExists(path) ? path : std::string();
}

void shellDropUnfinishedRoom() {
  // A room left unfinished keeps no partial score.
  if (profile && profile->newRoom) profile->roomStatus = TStatus();
}

void shellCreateEffectsAndScores() {
  effects = new TEffects(gameEffectsKit());
  highScores = new THighScores();
}

void shellClearEffects() {
  if (effects) effects->destroyAll();
}

void shellDestroyProfileGlobals() {
  delete highScores;
  highScores = nullptr;
  if (effects) effects->destroyAll();
  delete effects;
  effects = nullptr;
  delete profile;
  profile = nullptr;
}
