#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

TFolderLock LockFolder(const std::string& folder, std::string* reason) {
  const std::string path = (folder.empty() ? std::string(".") : folder) + "/" + kFolderLockFile;
  // O_NOFOLLOW: a link in its place is never opened (nor created through).
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd < 0) {
    if (reason) *reason = path + ": " + std::strerror(errno);
    return TFolderLock::failed;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    if (reason) *reason = path + ": " + std::strerror(error);
    return error == EWOULDBLOCK ? TFolderLock::busy : TFolderLock::failed;
  }
  // The descriptor stays open, and the lock held, until the program ends.
  return TFolderLock::held;
}
