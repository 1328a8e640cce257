#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/game_folders.h"

namespace fs = std::filesystem;

std::string NormalizePath(const std::string& path) {
  std::string p = path;
  std::replace(p.begin(), p.end(), '\\', '/');
  return p;
}

int64_t FileSize(const std::string& path) {
  std::error_code ec;
  fs::path p(FindReadablePath(path));
  if (!fs::is_regular_file(p, ec)) return fs::is_directory(p, ec) ? 0 : -1;
  auto size = fs::file_size(p, ec);
  return ec ? -1 : static_cast<int64_t>(size);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::path(FindReadablePath(path)), ec);
}

bool IsDirectory(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(fs::path(FindReadablePath(path)), ec);
}

bool DeleteFile(const std::string& path) {
  std::error_code ec;
  fs::path p(NormalizePath(path));
  if (!fs::is_regular_file(p, ec)) return false;
  return fs::remove(p, ec);
}

bool CreateDir(const std::string& path) {
  std::error_code ec;
  fs::path p(NormalizePath(path));
  fs::create_directories(p, ec);
  return fs::is_directory(p, ec);
}

namespace {

void addFolderNames(const fs::path& dir, std::vector<std::string>& names) {
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
}

}  // namespace

std::vector<std::string> ReadDir(const std::string& path, bool skipDots) {
  std::vector<std::string> names;
  addFolderNames(path.empty() ? fs::path(".") : fs::path(NormalizePath(path)), names);
  // An installed game lists the player's files and the installed ones as one folder.
  const std::string installed = InstalledCounterpart(path.empty() ? "." : path);
  if (!installed.empty()) addFolderNames(installed, names);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  if (!skipDots) names.insert(names.begin(), {".", ".."});
  return names;
}

std::string StripDir(const std::string& path) {
  std::string p = NormalizePath(path);
  size_t slash = p.rfind('/');
  return slash == std::string::npos ? p : p.substr(slash + 1);
}

std::string ExtractExt(const std::string& path) {
  std::string p = NormalizePath(path);
  size_t dot = p.rfind('.');
  if (dot == std::string::npos || p.find('/', dot) != std::string::npos) return {};
  return p.substr(dot + 1);
}

std::string StripExt(const std::string& path) {
  std::string p = NormalizePath(path);
  size_t dot = p.rfind('.');
  if (dot == std::string::npos || p.find('/', dot) != std::string::npos) return path;
  return path.substr(0, dot);
}

std::string CurrentDir() {
  std::error_code ec;
  return fs::current_path(ec).string();
}

bool ChangeDir(const std::string& path) {
  std::error_code ec;
  fs::current_path(fs::path(NormalizePath(path)), ec);
  return !ec;
}

std::string ProgramDir() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return CurrentDir();
  return exe.parent_path().string();
}

namespace {

void setReason(std::string* reason, const std::string& text) {
  if (reason) *reason = text;
}

// Without this a write past "ulimit -f" would end the program with SIGXFSZ
// instead of failing like a full disk.
void keepRunningPastFileSizeLimit() {
  static const bool ignored = [] {
    std::signal(SIGXFSZ, SIG_IGN);
    return true;
  }();
  (void)ignored;
}

std::string tooLargeReason(int64_t maxBytes) {
  return "it is larger than the " + std::to_string(maxBytes) + " bytes such a file may hold";
}

}  // namespace

int OpenRegularFile(const std::string& path, std::string* reason, int64_t maxBytes) {
  // Like every read, the player's copy first, then the installed data.
  const std::string p = FindReadablePath(path);
  // O_NONBLOCK: opening a FIFO nobody writes to would wait for ever.
  const int fd = ::open(p.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    setReason(reason, std::strerror(errno));
    return -1;
  }
  struct stat info {};
  const char* refusal = nullptr;
  if (::fstat(fd, &info) != 0) refusal = "its details cannot be read";
  else if (S_ISDIR(info.st_mode)) refusal = "a folder is in its place";
  else if (!S_ISREG(info.st_mode)) refusal = "it is not an ordinary file (a pipe or a device)";
  if (refusal || info.st_size > maxBytes) {
    ::close(fd);
    setReason(reason, refusal ? std::string(refusal) : tooLargeReason(maxBytes));
    return -1;
  }
  // A regular file never blocks; plain reads from here on.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

TFileRead ReadFileContents(const std::string& path, std::vector<uint8_t>& bytes, std::string* reason,
                           int64_t maxBytes) {
  const int fd = OpenRegularFile(path, reason, maxBytes);
  if (fd < 0) {
    // Missing only when nothing at all is there: a link to nothing is a
    // file the player may want told about.
    struct stat link {};
    return ::lstat(FindReadablePath(path).c_str(), &link) != 0 && errno == ENOENT ? TFileRead::missing
                                                                                 : TFileRead::unreadable;
  }
  std::vector<uint8_t> content;
  uint8_t chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      setReason(reason, std::strerror(errno));
      ::close(fd);
      return TFileRead::unreadable;
    }
    content.insert(content.end(), chunk, chunk + n);
    // A file that grows while it is read is held to the same limit.
    if (static_cast<int64_t>(content.size()) > maxBytes) {
      ::close(fd);
      setReason(reason, tooLargeReason(maxBytes));
      return TFileRead::unreadable;
    }
  }
  ::close(fd);
  bytes = std::move(content);
  return TFileRead::read;
}

std::string ReadFileOrWhy(const std::string& path, std::vector<uint8_t>& bytes, int64_t maxBytes) {
  std::string reason;
  switch (ReadFileContents(path, bytes, &reason, maxBytes)) {
    case TFileRead::read: return {};
    case TFileRead::missing: return path + ": there is no such file";
    case TFileRead::unreadable: break;
  }
  return path + ": " + reason;
}

namespace {

// Creates the temporary file new. Whatever is in its place is from an earlier
// run that did not finish, or was put there: it is removed (a link itself,
// never what it points to), and the file is made with O_EXCL | O_NOFOLLOW so
// nothing can be slipped in between.
int createTemporaryFile(const fs::path& temp) {
  ::unlink(temp.c_str());
  return ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

bool writeAll(int fd, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string* reason,
                           bool createFolders) {
  keepRunningPastFileSizeLimit();
  fs::path target(NormalizePath(path));
  std::error_code ec;
  if (createFolders && target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  fs::path temp = target;
  temp += kReplacementSuffix;
  const int fd = createTemporaryFile(temp);
  if (fd < 0) {
    setReason(reason, std::strerror(errno));
    return false;
  }
  errno = 0;
  bool ok = writeAll(fd, bytes);
  ok = ok && ::fsync(fd) == 0;
  const int writeError = errno;
  ok = ::close(fd) == 0 && ok;
  if (!ok) {
    setReason(reason, std::strerror(writeError != 0 ? writeError : errno));
    ::unlink(temp.c_str());
    return false;
  }
  fs::rename(temp, target, ec);
  if (ec) {
    setReason(reason, ec.message());
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

int RemoveStaleReplacements(const std::string& folder) {
  const std::string suffix = kReplacementSuffix;
  const std::string prefix = folder.empty() || folder == "." ? std::string() : NormalizePath(folder) + "/";
  int removed = 0;
  for (const std::string& entry : ReadDir(folder)) {
    if (entry.size() <= suffix.size() || entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
      continue;
    std::vector<uint8_t> real;
    const std::string realPath = prefix + entry.substr(0, entry.size() - suffix.size());
    if (ReadFileContents(realPath, real) != TFileRead::read || real.empty()) continue;
    if (DeleteFile(prefix + entry)) ++removed;
  }
  return removed;
}
