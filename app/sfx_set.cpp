#include "app/sfx_set.h"

#include "app/globals.h"
#include "data/pack.h"
#include "data/safe_file.h"
#include "data/wav_writer.h"
#include "platform/file_system.h"

namespace {

std::string soundPath(const std::string& name, const char* ext) { return "sfx/" + name + ext; }

}  // namespace

TSfx::TSfx() = default;
TSfx::~TSfx() = default;

std::string setupDetail(const std::string& soundName) { return "Unpacking sound file - " + soundName; }

bool TSfx::checkWav(const std::string& name, int show) {
  const std::string wav = soundPath(name, ".wav");
  if (FileSize(wav) > 0) return true;
  if (show && drawSetupScreen) drawSetupScreen(kSetupTitle, setupDetail(name));
  const std::string ogg = soundPath(name, ".ogg");
  std::vector<uint8_t> bytes;
  if (!readWholeFile(ogg, bytes)) return false;
  // A file cut short is kept as it is, and the sound stays silent.
  if (!OggStreamEnds(bytes)) return false;
  TAudioSamplePtr sample = LoadAudioSample(MemoryStream(bytes));
  // A damaged file decodes to less than it declares (or to nothing): it is
  // kept as it is, and the sound stays silent.
  if (!sample || sample->length == 0) return false;
  const int64_t declared = OggVorbisFrames(bytes);
  if (declared >= 0 && sample->length != declared) return false;
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
    if (FileSize(path) <= 0) missing.push_back(path);
    return path;
  };
  for (const std::string& name : musicNames) music->add(prepare(name));
  for (size_t i = 0; i < soundNames.size(); ++i) sounds->add(ReadStream(prepare(soundNames[i])), static_cast<int>(i));
  glyphSnd = LoadSound(prepare("fx_glyph"), 0);
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
