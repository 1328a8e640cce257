// tesmoria-locmake: compiles a location source (assets/locations/*.rooms)
// into the location file the game reads.
#include <filesystem>
#include <iostream>
#include <string>

#include "data/location.h"
#include "location_source.h"

namespace {

const char* const kUsage =
    "Usage: tesmoria-locmake SOURCE OUT.loc\n"
    "Reads a location source and writes its location file. OUT must be named\n"
    "after the location (\"Abydos.loc\" for \"location Abydos\"), because the game\n"
    "finds locations by file name.\n";

int fail(const std::string& message) {
  std::cerr << "tesmoria-locmake: " << message << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (argc != 3) return fail("needs a source and an output file (see tesmoria-locmake --help)");
  TLocation location;
  std::string error;
  if (!readLocationSource(argv[1], location, error)) return fail(error);
  const std::filesystem::path out = argv[2];
  if (out.stem().string() != location.name || out.extension() != ".loc")
    return fail("the location \"" + location.name + "\" must be written to \"" + location.name + ".loc\", not " +
                out.filename().string());
  // A tool writes where it is told, and makes no folders on the way.
  if (out.has_parent_path() && !std::filesystem::is_directory(out.parent_path()))
    return fail("there is no folder " + out.parent_path().string() + " to write " + out.filename().string() + " into");
  // The same bytes TLocation::save writes, only into the folder asked for.
  if (!location.write(out.string())) return fail("cannot write " + out.string());
  return 0;
}
