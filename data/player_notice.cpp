#include "data/player_notice.h"

#include <set>

#include "platform/file_system.h"
#include "platform/input.h"

namespace {

struct TNotices {
  std::function<void(const std::string&)> sink;
  std::set<std::string> unreadableTold;
  bool failedSaveTold = false;
  bool lastProfileTold = false;
};

TNotices& notices() {
  static TNotices n;
  return n;
}

void tell(const std::string& text) {
  if (notices().sink)
    notices().sink(text);
  else
    Notify(text, false);
}

// The folder holding the file, as the player would look for it.
std::string folderOf(const std::string& path) {
  const std::string p = NormalizePath(path);
  const size_t slash = p.rfind('/');
  const std::string here = CurrentDir();
  if (!p.empty() && p[0] == '/') return slash == 0 ? "/" : p.substr(0, slash);
  return slash == std::string::npos ? here : here + "/" + p.substr(0, slash);
}

// The folder meant for the player's files when it could not be made, and
// why; the game then runs from its own folder and must not blame that.
struct TUnusableFolder {
  std::string folder, reason;
};

TUnusableFolder& unusableFolder() {
  static TUnusableFolder u;
  return u;
}

// The closing line of a notice: where the player's files are, or where they
// belong and why they cannot be there.
std::string whereFilesAre(const std::string& path) {
  const TUnusableFolder& u = unusableFolder();
  if (!u.folder.empty()) return "Your files belong in " + u.folder + ", which cannot be used: " + u.reason + ".";
  return "Your files are in " + folderOf(path) + ".";
}

}  // namespace

void setUnusablePlayerFolder(const std::string& folder, const std::string& reason) {
  unusableFolder() = {folder, reason};
}

void setPlayerNoticeSink(std::function<void(const std::string&)> sink) { notices().sink = std::move(sink); }

void resetPlayerNotices() {
  auto sink = std::move(notices().sink);
  notices() = TNotices{};
  notices().sink = std::move(sink);
}

void reportUnreadableFile(const std::string& path, const std::string& what, const std::string& reason,
                          const std::string& consequence) {
  if (!notices().unreadableTold.insert(NormalizePath(path)).second) return;
  tell(what + " could not be read: " + reason + " (" + NormalizePath(path) + ").\n" + consequence +
       "\n" + whereFilesAre(path));
}

TFileRead readPlayerFileOrTell(const std::string& path, std::vector<uint8_t>& bytes, const std::string& what,
                               const std::string& consequence, int64_t maxBytes) {
  std::string reason;
  const TFileRead result = ReadFileContents(path, bytes, &reason, maxBytes);
  if (result == TFileRead::unreadable) reportUnreadableFile(path, what, reason, consequence);
  return result;
}

void reportFailedSave(const std::string& path, const std::string& reason) {
  if (notices().failedSaveTold) return;
  notices().failedSaveTold = true;
  tell("Your progress could not be saved: " + reason + " (" + NormalizePath(path) +
       ").\nThe game plays on, but what you do from now on may not be kept.\n" + whereFilesAre(path));
}

void reportLastProfileNotSaved(const std::string& path, const std::string& reason) {
  if (notices().lastProfileTold) return;
  notices().lastProfileTold = true;
  tell("The name of the last player could not be saved: " + reason + " (" + NormalizePath(path) +
       ").\nYour progress is kept; at the next start, type your name again to go on with it.");
}

void reportChangedLocation(const std::string& location, int room) {
  tell("The location " + location + " has changed since your game was saved.\nRoom " + std::to_string(room) +
       " starts again as it is now.");
}
