#pragma once
// Where the game's files live. A game folder holds the read-only data
// (gfx/, sfx/, the packs) and, when the player may write there, everything
// the game writes too: profiles, settings, high scores, converted sounds,
// user locations and screenshots. An installed game keeps its data under
// PREFIX/share/tesmoria and the player's files in the home folder, so nothing
// is ever written under the install prefix.
#include <string>
#include <vector>

struct TGameFolders {
  std::string data;    // the game data the program reads
  std::string player;  // where the player's files are written (and read first)
  bool shared() const { return data == player; }  // one folder for both
};

// Works out both folders for a program in programDir. home is the folder for
// the player's files when the program's own folder is not theirs to write
// (see PlayerDataHome).
TGameFolders FindGameFolders(const std::string& programDir, const std::string& home);
// The data folder of the running program (for the tools, which read the
// game's data but write only where they are told to).
std::string GameDataFolder();
// $XDG_DATA_HOME/tesmoria, or ~/.local/share/tesmoria when that is not set.
std::string PlayerDataHome();
// True when files can be created in the folder (permissions and read-only
// mounts both count).
bool FolderWritable(const std::string& dir);

// Reads of relative paths look in the current folder (the player's) first
// and then here; writes and deletes only ever touch the current folder.
// Empty (the default) turns the second look-up off.
void SetInstalledDataFolder(const std::string& dir);
const std::string& InstalledDataFolder();
// The path a read of path should open: path itself when it exists or is
// absolute, else the installed copy when there is one, else path.
std::string FindReadablePath(const std::string& path);
// The installed folder's counterpart of a relative folder, or "" when there
// is none (for listings that merge both).
std::string InstalledCounterpart(const std::string& path);
