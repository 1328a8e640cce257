#include "app/command_line.h"

#include "app/shell_services.h"
#include "platform/file_system.h"

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
    } else if (i > 0 && word == "--first-frame-stamp") {
      if (i + 1 >= argc) {
        run.error = "--first-frame-stamp needs a file name";
        break;
      }
      run.firstFrameStamp = argv[++i];
    } else {
      run.words.push_back(word);
    }
  }
  return run;
}

std::vector<std::string> unpackNames(const std::vector<std::string>& words) {
  std::vector<std::string> names;
  if (words.size() < 3 || words[1] != "/unpack") return names;
  if (words[2] != "all") {
    names.push_back(words[2]);
    return names;
  }
  for (const std::string& file : ReadDir(CurrentDir() + "/sfx/")) {
    if (ExtractExt(file) == "ogg" && file.size() >= 4) names.push_back(file.substr(0, file.size() - 4));
  }
  return names;
}

void runUnpackMode(const std::vector<std::string>& words) {
  for (const std::string& name : unpackNames(words)) shellUnpackSound(name);
}
