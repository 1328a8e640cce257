#pragma once
// The program's command line. Our own switches come first and are taken out:
//   --headless        SDL's dummy video and audio drivers (no window, no sound)
//   --script FILE     a scripted run (see script.h)
//   -h, --help        the usage text; -V, --version the version line
//   --first-frame-stamp FILE
//                     writes the wall-clock time (nanoseconds since 1970) at
//                     which the first frame was shown, for start-up timing
// What remains is the game's word list, the program path first; three words
// run the sound-unpacking mode ("/unpack all" or "/unpack <sound>", a sound
// of the game's own). Any other word, and any other word starting with "-",
// is a mistake: usage and exit status 2.
#include <string>
#include <vector>

enum class TRunAction { play, help, version, badUsage };

struct TRunSettings {
  TRunAction action = TRunAction::play;
  bool headless = false;
  std::string scriptPath;
  std::string firstFrameStamp;
  std::vector<std::string> words;
  std::string error;  // the one-line complaint of badUsage
};

TRunSettings parseCommandLine(int argc, char** argv);

// What --help prints, and the "tesmoria VERSION" line of --version.
std::string usageText();
std::string versionLine();
// Exit status of a command line the program cannot use.
constexpr int kExitBadUsage = 2;

// The /unpack mode: converts "sfx/*.ogg" (all) or one of the game's sounds
// to wave files. Any other words do nothing.
void runUnpackMode(const std::vector<std::string>& words);
// The names the /unpack mode converts for these words.
std::vector<std::string> unpackNames(const std::vector<std::string>& words);
