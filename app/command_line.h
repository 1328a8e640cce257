#pragma once
// The program's command line. Our own switches come first and are taken out:
//   --headless        SDL's dummy video and audio drivers (no window, no sound)
//   --script FILE     a scripted run (see script.h)
//   --first-frame-stamp FILE
//                     writes the wall-clock time (nanoseconds since 1970) at
//                     which the first frame was shown, for start-up timing
// What remains is the game's word list, the program path first; three or more
// words run the sound-unpacking mode ("/unpack all" or "/unpack <name>").
#include <string>
#include <vector>

struct TRunSettings {
  bool headless = false;
  std::string scriptPath;
  std::string firstFrameStamp;
  std::vector<std::string> words;
  std::string error;  // not empty: the command line could not be read
};

TRunSettings parseCommandLine(int argc, char** argv);

// The /unpack mode: converts "sfx/*.ogg" (all) or one named sound to wave
// files. Any second word other than "/unpack" does nothing.
void runUnpackMode(const std::vector<std::string>& words);
// The names the /unpack mode converts for these words.
std::vector<std::string> unpackNames(const std::vector<std::string>& words);
