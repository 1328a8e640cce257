#include "audio/sfx_set.h"

#include "data/pack.h"
#include "data/safe_file.h"
#include "data/wav_writer.h"
#include "platform/file_system.h"

const std::array<std::string, 4> musicNames = {"title_loop", "map_loop", "game1", "game2"};
const std::array<std::string, 4> endTuneNames = {"end_room", "end_location", "end_game", "end_fail"};
const std::array<std::string, 5> soundNames = {"fx_move_loop", "fx_coin", "fx_map", "fx_ankh", "fx_explosion"};

namespace {

constexpr const char* kGlyphSound = "fx_glyph";

std::string soundPath(const std::string& name, const char* ext) { return "sfx/" + name + ext; }

}  // namespace

std::vector<std::string> gameSoundNames() {
  std::vector<std::string> names(musicNames.begin(), musicNames.end());
  names.insert(names.end(), soundNames.begin(), soundNames.end());
  names.insert(names.end(), endTuneNames.begin(), endTuneNames.end());
  names.push_back(kGlyphSound);
  return names;
}

TSfx::TSfx() = default;
TSfx::~TSfx() = default;

std::string setupDetail(const std::string& soundName) { return "Unpacking sound file - " + soundName; }

namespace {

// The sound decoded from "sfx/NAME.ogg", or null when the file is missing or
// damaged: cut short, or decoding to less than it declares (or to nothing).
TAudioSamplePtr wholeOggSample(const std::string& name) {
  std::vector<uint8_t> bytes;
  if (!readWholeFile(soundPath(name, ".ogg"), bytes, file_limits::kAsset)) return nullptr;
  if (!OggStreamEnds(bytes)) return nullptr;
  TAudioSamplePtr sample = LoadAudioSample(MemoryStream(bytes));
  if (!sample || sample->length == 0) return nullptr;
  const int64_t declared = OggVorbisFrames(bytes);
  if (declared >= 0 && sample->length != declared) return nullptr;
  return sample;
}

}  // namespace

bool TSfx::checkWav(const std::string& name, int show) {
  const std::string wav = soundPath(name, ".wav");
  if (FileSize(wav) > 0) return true;
  if (show && drawSetupScreen) drawSetupScreen(kSetupTitle, setupDetail(name));
  const std::string ogg = soundPath(name, ".ogg");
  // A damaged file is kept as it is, and the sound stays silent.
  TAudioSamplePtr sample = wholeOggSample(name);
  if (!sample) return false;
  // The OGG goes only once its WAV is written whole and reads back at the
  // same length, so no start, interrupted or not, loses a sound.
  if (!writeWav(*sample, wav)) return false;
  TAudioSamplePtr written = LoadAudioSample(wav);
  if (!written || written->length != sample->length || written->samples != sample->samples) {
    DeleteFile(wav);
    return false;
  }
  DeleteFile(ogg);
  return true;
}

std::vector<std::string> TSfx::load() {
  music = std::make_unique<TMusic>();
  endTunes = std::make_unique<TSounds>();
  sounds = std::make_unique<TSounds>();
  clicks = std::make_unique<TSounds>();
  std::vector<std::string> missing;
  auto prepare = [&](const std::string& name) {
    checkWav(name, 1);
    std::string path = soundPath(name, ".wav");
    if (FileSize(path) > 0) return path;
    // No WAV could be written (a read-only folder): a whole compressed
    // sound plays as it is, decoded when loaded.
    if (wholeOggSample(name)) return soundPath(name, ".ogg");
    missing.push_back(path);
    return path;
  };
  for (const std::string& name : musicNames) music->add(prepare(name));
  for (size_t i = 0; i < soundNames.size(); ++i) sounds->add(ReadStream(prepare(soundNames[i])), static_cast<int>(i));
  glyphSnd = LoadSound(prepare(kGlyphSound), 0);
  for (size_t i = 0; i < endTuneNames.size(); ++i)
    endTunes->add(ReadStream(prepare(endTuneNames[i])), static_cast<int>(i));
  TStreamPtr click = openPackStream("click.wav", "data1.dat", packKey);
  if (!click) missing.push_back("data1.dat: click.wav");
  clicks->add(click, 0);
  return missing;
}

void TSfx::setVolume(float musicVol, float soundVol, float clickVol) {
  if (music) music->setVolume(musicVol);
  // The end tunes follow the effects' volume, not the music's.
  if (endTunes) endTunes->setVolume(soundVol);
  if (sounds) sounds->setVolume(soundVol);
  if (clicks) clicks->setVolume(clickVol);
}
