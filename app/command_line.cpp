#include "app/command_line.h"

#include "app/sfx_set.h"

TRunSettings parseCommandLine(int argc, char** argv) {
  TRunSettings run;
  for (int i = 0; i < argc; ++i) {
    std::string word = argv[i] ? argv[i] : "";
    if (i > 0 && word == "--headless") {
      run.headless = true;
    } else if (i > 0 && word == "--script") {
      if (i + 1 >= argc) {
        run.error = "--script needs a file name";
        break;
      }
      run.scriptPath = argv[++i];
    } else {
      run.words.push_back(word);
    }
  }
  return run;
}

void runUnpackMode(const std::vector<std::string>& words) {
  if (words.size() >= 3 && words[1] == "/unpack") unpackSounds(words[2]);
}
