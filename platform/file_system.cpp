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

namespace fs = std::filesystem;

std::string NormalizePath(const std::string& path) {
  std::string p = path;
  std::replace(p.begin(), p.end(), '\\', '/');
  return p;
}

int64_t FileSize(const std::string& path) {
  std::error_code ec;
  fs::path p(NormalizePath(path));
  if (!fs::is_regular_file(p, ec)) return fs::is_directory(p, ec) ? 0 : -1;
  auto size = fs::file_size(p, ec);
  return ec ? -1 : static_cast<int64_t>(size);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::path(NormalizePath(path)), ec);
}

bool IsDirectory(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(fs::path(NormalizePath(path)), ec);
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

std::vector<std::string> ReadDir(const std::string& path, bool skipDots) {
  std::vector<std::string> names;
  std::error_code ec;
  const fs::path dir = path.empty() ? fs::path(".") : fs::path(NormalizePath(path));
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
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

}  // namespace

TFileRead ReadFileContents(const std::string& path, std::vector<uint8_t>& bytes, std::string* reason) {
  const std::string p = NormalizePath(path);
  struct stat info {};
  if (::lstat(p.c_str(), &info) != 0) {
    if (errno == ENOENT) return TFileRead::missing;
    setReason(reason, std::strerror(errno));
    return TFileRead::unreadable;
  }
  if (S_ISDIR(info.st_mode)) {
    setReason(reason, "a folder is in its place");
    return TFileRead::unreadable;
  }
  const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    setReason(reason, std::strerror(errno));
    return TFileRead::unreadable;
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
  }
  ::close(fd);
  bytes = std::move(content);
  return TFileRead::read;
}

bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string* reason) {
  keepRunningPastFileSizeLimit();
  fs::path target(NormalizePath(path));
  std::error_code ec;
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  fs::path temp = target;
  temp += kReplacementSuffix;
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) {
    setReason(reason, std::strerror(errno));
    return false;
  }
  errno = 0;
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = ::fsync(fileno(f)) == 0 && ok;
  const int writeError = errno;
  ok = std::fclose(f) == 0 && ok;
  if (!ok) {
    setReason(reason, std::strerror(writeError != 0 ? writeError : errno));
    fs::remove(temp, ec);
    return false;
  }
  fs::rename(temp, target, ec);
  if (ec) {
    setReason(reason, ec.message());
    fs::remove(temp, ec);
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
