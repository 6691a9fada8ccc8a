// The durable replacement of a file with POSIX calls: O_EXCL for a temporary name of our own,
// fsync before the rename, and fsync of the folder after it so that the rename itself lasts.
#include "platform/durable_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace gm::platform {

namespace {

std::string temporaryName(const std::string& path, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  return path + "." + std::to_string(getpid()) + "-" + std::to_string(counter++) + "-" +
         std::to_string(attempt) + ".tmp";
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void syncFolderOf(const std::string& path) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // the file is in place; only the rename's durability is left to the system
  fsync(fd);
  close(fd);
}

}  // namespace

bool ReplaceFileDurably(const std::string& path, std::string_view bytes, std::string& reason) {
  std::string temp;
  int fd = -1;
  // A name taken by someone else (a file left behind, a folder) is passed over, not reused.
  for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = temporaryName(path, attempt);
    fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  bool written = writeAll(fd, bytes) && fsync(fd) == 0;
  const int writeError = errno;
  if (close(fd) != 0 && written) {
    written = false;
    reason = std::strerror(errno);
  } else if (!written) {
    reason = std::strerror(writeError);
  }
  if (written && std::rename(temp.c_str(), path.c_str()) != 0) {
    written = false;
    reason = std::strerror(errno);
  }
  if (!written) {
    unlink(temp.c_str());
    return false;
  }
  syncFolderOf(path);
  return true;
}

}  // namespace gm::platform
