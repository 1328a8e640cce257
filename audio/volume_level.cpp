#include "audio/volume_level.h"

std::string volumeLevelName(float volume) {
  if (volume <= 0) return "Off";
  if (volume <= 0.25f) return "Low";
  if (volume <= 0.5f) return "Medium";
  if (volume <= 0.75f) return "High";
  if (volume <= 1) return "Max";
  return "";
}
