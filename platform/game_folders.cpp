#include "platform/game_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/file_system.h"

namespace fs = std::filesystem;

namespace {

// The pack every game folder holds (the font lives in it).
constexpr const char* kDataMarker = "data1.dat";
// Where an installed program's data lies, relative to the program: beside
// PREFIX/bin, or beside PREFIX/lib/tesmoria for tools kept there.
const char* const kInstalledDataDirs[] = {"../share/tesmoria", "../../share/tesmoria"};

std::string installedData;

bool pathExists(const fs::path& p) {
  std::error_code ec;
  return fs::exists(p, ec);
}

std::string canonicalOr(const fs::path& p) {
  std::error_code ec;
  fs::path c = fs::weakly_canonical(p, ec);
  return ec ? p.lexically_normal().string() : c.string();
}

std::string homeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  if (const passwd* pw = getpwuid(getuid())) return pw->pw_dir ? pw->pw_dir : "";
  return "";
}

}  // namespace

std::string PlayerDataHome() {
  // Relative values are invalid for XDG variables and are ignored.
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') return std::string(xdg) + "/tesmoria";
  return homeFolder() + "/.local/share/tesmoria";
}

bool FolderWritable(const std::string& dir) { return !dir.empty() && ::access(dir.c_str(), W_OK) == 0; }

TGameFolders FindGameFolders(const std::string& programDir, const std::string& home) {
  TGameFolders folders;
  folders.data = programDir;
  if (!pathExists(fs::path(programDir) / kDataMarker)) {
    for (const char* relative : kInstalledDataDirs) {
      fs::path candidate = fs::path(programDir) / relative;
      if (pathExists(candidate / kDataMarker)) {
        folders.data = canonicalOr(candidate);
        break;
      }
    }
  }
  // A game folder of its own (the build folder, a copy) keeps the player's
  // files beside the program as long as they can be written there.
  const bool ownFolder = folders.data == programDir;
  folders.player = ownFolder && FolderWritable(programDir) ? programDir : home;
  return folders;
}

std::string GameDataFolder() { return FindGameFolders(ProgramDir(), PlayerDataHome()).data; }

void SetInstalledDataFolder(const std::string& dir) { installedData = dir; }

const std::string& InstalledDataFolder() { return installedData; }

std::string InstalledCounterpart(const std::string& path) {
  std::string p = NormalizePath(path);
  if (installedData.empty() || p.empty() || p[0] == '/') return "";
  return installedData + "/" + p;
}

std::string FindReadablePath(const std::string& path) {
  std::string p = NormalizePath(path);
  const std::string installed = InstalledCounterpart(p);
  if (installed.empty() || pathExists(p) || !pathExists(installed)) return p;
  return installed;
}
