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

}  // namespace

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
       "\nYour files are in " + folderOf(path) + ".");
}

TFileRead readPlayerFileOrTell(const std::string& path, std::vector<uint8_t>& bytes, const std::string& what,
                               const std::string& consequence) {
  std::string reason;
  const TFileRead result = ReadFileContents(path, bytes, &reason);
  if (result == TFileRead::unreadable) reportUnreadableFile(path, what, reason, consequence);
  return result;
}

void reportFailedSave(const std::string& path, const std::string& reason) {
  if (notices().failedSaveTold) return;
  notices().failedSaveTold = true;
  tell("Your progress could not be saved: " + reason + " (" + NormalizePath(path) +
       ").\nThe game plays on, but what you do from now on may not be kept.\nYour files are in " +
       folderOf(path) + ".");
}

void reportLastProfileNotSaved(const std::string& path, const std::string& reason) {
  if (notices().lastProfileTold) return;
  notices().lastProfileTold = true;
  tell("The name of the last player could not be saved: " + reason + " (" + NormalizePath(path) +
       ").\nYour progress is kept; at the next start, type your name again to go on with it.");
}
