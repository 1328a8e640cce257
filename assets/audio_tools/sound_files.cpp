#include "sound_files.h"

#include "ogg_vorbis.h"
#include "wav_file.h"

bool HasOggExtension(const std::string& path) {
  return path.size() >= 4 && path.compare(path.size() - 4, 4, ".ogg") == 0;
}

bool LoadSound(const std::string& path, AudioBuffer& out, std::string& error) {
  return HasOggExtension(path) ? ReadOggVorbis(path, out, error) : ReadWav(path, out, error);
}

bool SaveSound(const std::string& path, const AudioBuffer& sound, std::string& error, float quality) {
  if (HasOggExtension(path)) return WriteOggVorbis(path, sound, quality, error);
  if (!WriteWav16(path, sound)) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}
