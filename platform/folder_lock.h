#pragma once
// One game at a time on a player's folder: two games saving the same
// profile would overwrite each other's progress. The lock is an flock on a
// lock file in the folder, held for as long as the program runs (the system
// lets it go when the program ends, however it ends).
#include <string>

// Name of the lock file in the player's folder.
constexpr const char* kFolderLockFile = ".tesmoria.lock";

enum class TFolderLock {
  held,     // this program holds the lock
  busy,     // another program holds it
  failed,   // the lock file cannot be made (the game runs on without it)
};

// Takes the lock on the folder's lock file and keeps it until the program
// ends; reason says what went wrong when it is not held.
TFolderLock LockFolder(const std::string& folder, std::string* reason = nullptr);
