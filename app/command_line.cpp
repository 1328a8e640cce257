#include "app/command_line.h"

#include <algorithm>

#include "audio/sfx_set.h"
#include "app/shell_services.h"
#include "platform/file_system.h"

#ifndef TESMORIA_VERSION
#define TESMORIA_VERSION "unknown"
#endif

namespace {

TRunSettings badUsage(TRunSettings run, const std::string& error) {
  run.action = TRunAction::badUsage;
  run.error = error;
  return run;
}

// Why the game's words (after the program path) cannot be used; empty when
// they can: none at all, or "/unpack" with "all" or one of the game's sounds.
std::string wordsProblem(const std::vector<std::string>& words) {
  if (words.size() <= 1) return {};
  if (words[1] != "/unpack") return "unexpected word \"" + words[1] + "\"";
  if (words.size() == 2) return "/unpack needs \"all\" or the name of one of the game's sounds";
  if (words.size() > 3) return "/unpack takes one word, \"all\" or a sound's name";
  if (words[2] == "all") return {};
  const std::vector<std::string> known = gameSoundNames();
  if (std::find(known.begin(), known.end(), words[2]) != known.end()) return {};
  std::string list;
  for (const std::string& name : known) list += (list.empty() ? "" : ", ") + name;
  return "\"" + words[2] + "\" is not one of the game's sounds (" + list + ")";
}

}  // namespace

TRunSettings parseCommandLine(int argc, char** argv) {
  TRunSettings run;
  for (int i = 0; i < argc; ++i) {
    std::string word = argv[i] ? argv[i] : "";
    if (i == 0) {
      run.words.push_back(word);
    } else if (word == "--headless") {
      run.headless = true;
    } else if (word == "--script") {
      if (i + 1 >= argc) return badUsage(run, "--script needs a file name");
      run.scriptPath = argv[++i];
    } else if (word == "--help" || word == "-h") {
      run.action = TRunAction::help;
    } else if (word == "--version" || word == "-V") {
      if (run.action != TRunAction::help) run.action = TRunAction::version;
    } else if (word == "--first-frame-stamp") {
      if (i + 1 >= argc) return badUsage(run, "--first-frame-stamp needs a file name");
      run.firstFrameStamp = argv[++i];
    } else if (word.size() > 1 && word[0] == '-') {
      return badUsage(run, "unknown option " + word);
    } else {
      run.words.push_back(word);
    }
  }
  if (run.action == TRunAction::play) {
    if (std::string problem = wordsProblem(run.words); !problem.empty()) return badUsage(run, problem);
  }
  return run;
}

std::string versionLine() { return std::string("tesmoria ") + TESMORIA_VERSION; }

std::string usageText() {
  return "Usage: tesmoria [--headless] [--script FILE]\n"
         "  or:  tesmoria /unpack all|SOUND\n"
         "A light puzzle for one player among the tombs of Egypt: slide mirrors,\n"
         "gems, crates and sarcophagi until light of the right colour reaches every\n"
         "exit glyph of the room.\n"
         "\n"
         "Options:\n"
         "  --headless      run without a window or sound (SDL's dummy drivers)\n"
         "  --script FILE   play the commands of FILE instead of the mouse and keyboard\n"
         "  --first-frame-stamp FILE\n"
         "                  write the time the first frame was shown to FILE (start-up timing)\n"
         "  -h, --help      print this help and exit\n"
         "  -V, --version   print the version and exit\n"
         "\n"
         "Commands:\n"
         "  /unpack all     convert every Ogg Vorbis sound in sfx/ to a WAV file, then exit\n"
         "  /unpack SOUND   convert the one sound sfx/SOUND.ogg, then exit\n"
         "\n"
         "Files:\n"
         "  The game reads its pictures, sounds and data packs from the program's\n"
         "  folder, or from PREFIX/share/tesmoria when it is installed. Profiles,\n"
         "  settings, high scores (data3.dat), converted sounds, user locations and\n"
         "  screenshots are written beside the program when its folder is writable,\n"
         "  else to $XDG_DATA_HOME/tesmoria (by default ~/.local/share/tesmoria),\n"
         "  where files are also looked for first.\n";
}

std::vector<std::string> unpackNames(const std::vector<std::string>& words) {
  std::vector<std::string> names;
  if (words.size() != 3 || words[1] != "/unpack") return names;
  if (words[2] != "all") {
    // Only the game's own sounds: a name is never a path to elsewhere.
    const std::vector<std::string> known = gameSoundNames();
    if (std::find(known.begin(), known.end(), words[2]) == known.end()) return names;
    names.push_back(words[2]);
    return names;
  }
  // Relative, so an installed game lists the installed sounds with the player's.
  for (const std::string& file : ReadDir("sfx")) {
    if (ExtractExt(file) == "ogg" && file.size() >= 4) names.push_back(file.substr(0, file.size() - 4));
  }
  return names;
}

void runUnpackMode(const std::vector<std::string>& words) {
  for (const std::string& name : unpackNames(words)) shellUnpackSound(name);
}
