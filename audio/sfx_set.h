#pragma once
// Every sound of the game: the music playlist, three effect sets and the
// glyph sound, loaded once at start-up. Sounds live in the folder "sfx" as
// Ogg Vorbis files until the first start converts each to a WAV file, so
// later starts load plain PCM without decoding.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "audio/music.h"
#include "audio/sound_fx.h"

// The music tracks, the end tunes and the effects, by their file names
// (without folder or extension), in the order the game plays them by.
extern const std::array<std::string, 4> musicNames;
extern const std::array<std::string, 4> endTuneNames;
extern const std::array<std::string, 5> soundNames;

// The names of every sound the game plays (without folder or extension):
// the only sounds the /unpack command converts one at a time.
std::vector<std::string> gameSoundNames();

class TSfx {
 public:
  TSfx();
  ~TSfx();

  std::unique_ptr<TMusic> music;       // "title_loop", "map_loop", "game1", "game2"
  std::unique_ptr<TSounds> endTunes;   // index = position in endTuneNames
  std::unique_ptr<TSounds> sounds;     // index = position in soundNames
  std::unique_ptr<TSounds> clicks;     // one entry: the click sound from data1.dat
  TSoundPtr glyphSnd;                  // "sfx\fx_glyph.wav"

  // Draws the setting-up screen while a sound is converted: clear, the title
  // centred at (width / 2, 400), the detail at (width / 2, 450), current
  // font, no outline, colour 0, then flip. Start-up sets it once the display
  // is open; without it (tests, the /unpack command line) nothing is drawn.
  std::function<void(const std::string& title, const std::string& detail)> drawSetupScreen;

  // Creates the playlist and the sets and fills them, converting sounds on
  // the way. Returns the sound files that could not be loaded (empty when
  // all are there); the game runs on without them.
  std::vector<std::string> load();
  void setVolume(float musicVol, float soundVol, float clickVol);
  // Makes sure "sfx\" + name + ".wav" exists, converting it from the ".ogg"
  // file (which is then deleted) when it does not; with show the
  // setting-up screen is drawn first. True when the WAV file is there
  // afterwards. Nothing is written when the OGG file is missing, cannot be
  // decoded or decodes shorter than it declares; the OGG file is deleted only
  // once its WAV is written whole and reads back the same.
  bool checkWav(const std::string& name, int show);
};

constexpr const char* kSetupTitle = "Setting Up - Please wait...";
std::string setupDetail(const std::string& soundName);  // "Unpacking sound file - " + name
