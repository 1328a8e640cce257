// tesmoria-pack: builds, lists and extracts the game's data packs.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "data/pack_tool.h"

namespace {

const char* const kUsage =
    "Usage:\n"
    "  tesmoria-pack build [--key KEY] [--compress] OUT FILE...\n"
    "      Writes the pack OUT holding the FILEs in order, each entry named after\n"
    "      its file without the folder. --compress deflates every entry (zlib\n"
    "      level 9); --key scrambles every entry with KEY (none: unscrambled).\n"
    "  tesmoria-pack list PACK\n"
    "      Prints \"Listing file contents:\" and one \"name: size\" line per entry.\n"
    "  tesmoria-pack extract [--key KEY] PACK ENTRY OUT\n"
    "      Writes the entry ENTRY of PACK (names match in any letter case) to OUT.\n"
    "  tesmoria-pack --help\n";

int fail(const std::string& message) {
  std::cerr << "tesmoria-pack: " << message << "\n";
  return 1;
}

// Bad use gets one line naming the mistake; --help has the rest.
int usageError(const std::string& message) { return fail(message + " (see tesmoria-pack --help)"); }

struct TOptionsParsed {
  std::string key;
  bool compress = false;
  std::vector<std::string> words;
};

// Splits the words after the command into options and plain words.
bool parseWords(const std::vector<std::string>& args, bool allowCompress, TOptionsParsed& parsed,
                std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word == "--key") {
      if (i + 1 >= args.size()) {
        error = "--key needs a value";
        return false;
      }
      parsed.key = args[++i];
    } else if (word == "--compress" && allowCompress) {
      parsed.compress = true;
    } else if (word.size() > 2 && word.rfind("--", 0) == 0) {
      error = "unknown option " + word;
      return false;
    } else {
      parsed.words.push_back(word);
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usageError("no command given");
  const std::string command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  args.erase(args.begin());

  TOptionsParsed parsed;
  std::string error;
  if (!parseWords(args, command == "build", parsed, error)) return usageError(error);
  const auto& words = parsed.words;

  if (command == "build") {
    if (words.size() < 2) return usageError("build needs an output pack and at least one file");
    std::vector<std::string> files(words.begin() + 1, words.end());
    if (!buildPack(words[0], files, parsed.key, parsed.compress, error)) return fail(error);
    return 0;
  }
  if (command == "list") {
    if (!parsed.key.empty() || words.size() != 1) return usageError("list takes exactly one pack");
    if (!listPack(words[0], std::cout, error)) return fail(error);
    return 0;
  }
  if (command == "extract") {
    if (words.size() != 3) return usageError("extract needs a pack, an entry name and an output file");
    if (!extractPackEntry(words[1], words[0], parsed.key, words[2], error)) return fail(error);
    return 0;
  }
  return usageError("unknown command " + command);
}
