#pragma once
// What the game tells the player about their files: a saved file that exists
// but cannot be read (it is then left alone, and not saved over), and a save
// that fails (said once a session, with the folder the files are in). The
// game plays on in both cases.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"

// Where the messages go; by default a message box (printed when there is no
// display). Tests collect them instead.
void setPlayerNoticeSink(std::function<void(const std::string&)> sink);
// The folder meant for the player's files could not be made (why in
// reason): notices name it instead of the folder the game fell back on.
// An empty folder clears it.
void setUnusablePlayerFolder(const std::string& folder, const std::string& reason);
// Forgets what has been said, as at the start of a session.
void resetPlayerNotices();

// A file of the player's that exists could not be read; what names it for the
// player ("Your saved game Ann"), consequence says what the game does about
// it. Said once per file and session.
void reportUnreadableFile(const std::string& path, const std::string& what, const std::string& reason,
                          const std::string& consequence);
// Reads a file of the player's; when it exists but cannot be read, the
// player is told as by reportUnreadableFile.
TFileRead readPlayerFileOrTell(const std::string& path, std::vector<uint8_t>& bytes, const std::string& what,
                               const std::string& consequence, int64_t maxBytes = file_limits::kPlayerFile);
// A save failed. The first failure of the session is told to the player.
void reportFailedSave(const std::string& path, const std::string& reason);
// The last-profile file could not be written: told once a session.
void reportLastProfileNotSaved(const std::string& path, const std::string& reason);
// A saved room's pieces do not fit its location any more (the file was
// edited): the room starts again, and the player is told.
void reportChangedLocation(const std::string& location, int room);
