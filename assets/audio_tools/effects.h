#pragma once
// The game's synthesised sound effects, each made from a recipe with its own
// seeded noise, so every build produces the same samples.
#include <string>
#include <vector>

#include "audio_buffer.h"
#include "mastering.h"

struct EffectLevel {
  LevelBy by;
  double targetDb;
};

struct EffectRecipe {
  const char* name;
  AudioBuffer (*make)();
  EffectLevel level;
};

const std::vector<EffectRecipe>& EffectRecipes();
const EffectRecipe* FindEffect(const std::string& name);
