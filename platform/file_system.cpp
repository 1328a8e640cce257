#include "platform/file_system.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
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

bool ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
  fs::path target(NormalizePath(path));
  std::error_code ec;
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  fs::path temp = target;
  temp += ".tmp";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return false;
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = ::fsync(fileno(f)) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  if (!ok) {
    fs::remove(temp, ec);
    return false;
  }
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}
