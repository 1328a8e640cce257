#include "data/options.h"

#include <vector>

#include "data/player_notice.h"
#include "data/profile.h"
#include "data/safe_file.h"
#include "data/text_number.h"
#include "platform/file_system.h"
#include "platform/graphics.h"
#include "platform/stream.h"

namespace {

float levelFromFlag(int flag) { return flag != 0 ? 0.75f : 0.0f; }

// The file's keys in the order they are written; an empty key is a blank line.
struct TSettingKey {
  const char* key;
  int TOptions::*field;
};
constexpr TSettingKey kSettingKeys[] = {
    {"glDriver", &TOptions::ogl},   {"gfxDepth", &TOptions::screenD}, {"vsync", &TOptions::vsync},
    {"", nullptr},                  {"music", &TOptions::music},      {"sounds", &TOptions::sounds},
    {"clicks", &TOptions::clicks},  {"", nullptr},                    {"showTips", &TOptions::showTips},
    {"played", &TOptions::played},
};

}  // namespace

void TFileOption::getFileOption(const std::string& line) {
  size_t colon = std::string::npos;
  if (line.empty() || line[0] != ';') colon = line.find(':');
  if (colon == std::string::npos) {
    identifier.clear();
    value.clear();
    return;
  }
  identifier = line.substr(0, colon);
  // The separator after the colon is skipped whatever it is.
  value = colon + 2 <= line.size() ? line.substr(colon + 2) : std::string();
  size_t comment = value.find(';');
  if (comment != std::string::npos) value.erase(comment);
  value = trimWhitespace(value);
}

std::string settingsFileName(const std::string& name) {
  // A name that could reach outside the profiles folder names no file.
  return isSafeProfileName(name) ? "profiles\\" + name + ".cfg" : std::string();
}

TOptions::TOptions() {
  // Full screen is the desktop's own mode scaled to our picture, so the
  // deepest depth is always available.
  bestDepth = 32;
  setVolumeLevels();
}

TOptions* TOptions::create(const std::string& name) {
  auto* o = new TOptions();
  if (!name.empty()) o->fileName = settingsFileName(name);
  return o;
}

void TOptions::setFileName(const std::string& name) {
  // Another file: whether it can be saved is known after its load.
  fileName = settingsFileName(name);
  savingOff = false;
}

void TOptions::setVolumeLevels() {
  musicVol = levelFromFlag(music);
  soundVol = levelFromFlag(sounds);
  clickVol = levelFromFlag(clicks);
}

void TOptions::load() {
  savingOff = false;
  if (fileName.empty()) return;
  std::vector<uint8_t> bytes;
  const TFileRead result = readPlayerFileOrTell(
      fileName, bytes, "Your settings file", "The settings are not saved in this session, so the file stays as it is.",
      file_limits::kSmallText);
  savingOff = result == TFileRead::unreadable;
  if (result != TFileRead::read) return;
  TMemoryStream in(std::move(bytes));
  readSettings(in);
}

void TOptions::readSettings(TStream& in) {
  TFileOption option;
  while (!in.Eof()) {
    option.getFileOption(in.ReadLine());
    if (option.identifier.size() < 2) continue;
    for (const TSettingKey& k : kSettingKeys) {
      if (k.field && option.identifier == k.key) this->*k.field = textToInt(option.value);
    }
    // A depth full screen cannot show falls back to the best one.
    if (option.identifier == "gfxDepth" && screenD != 0 &&
        !GraphicsModeExists(kViewWidth, kViewHeight, screenD, 0)) {
      screenD = bestDepth;
    }
  }
  setVolumeLevels();
}

std::string TOptions::fileText() const {
  std::string t;
  for (const TSettingKey& k : kSettingKeys) {
    if (k.field) t += std::string(k.key) + ":\t" + std::to_string(this->*k.field);
    t += "\r\n";
  }
  return t;
}

bool TOptions::save(const std::string& name) {
  if (!name.empty() && settingsFileName(name) != fileName) setFileName(name);
  if (fileName.empty() || savingOff) return false;
  const std::string text = fileText();
  std::string reason;
  if (ReplaceFileAtomically(fileName, std::vector<uint8_t>(text.begin(), text.end()), &reason)) return true;
  reportFailedSave(fileName, reason);
  return false;
}
