#include "shell/save_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "core/failure.h"

namespace veltrix {

namespace {

void WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      Raise(WriteFailureForErrno(errno));
    }
    done += static_cast<size_t>(put);
  }
}

}  // namespace

void SaveFile(Session& session, const std::string& path) {
  Guarded(session.reporter, "SaveFile", 0, [&] {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) Raise(WriteFailureForErrno(errno));
    try {
      WriteAll(fd, session.image.bytes());
    } catch (...) {
      close(fd);
      unlink(path.c_str());
      throw;
    }
    if (close(fd) != 0) {
      int error = errno;
      unlink(path.c_str());
      Raise(WriteFailureForErrno(error));
    }
    return 0;
  });
}

}  // namespace veltrix
