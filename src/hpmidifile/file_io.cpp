#include "hpmidifile/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "hpmidifile/smf_data.h"

namespace hpmidifile {

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and tells whether the last buffered writes reached the file.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

}  // namespace

uint32_t ReadWholeFile(const char* path, std::vector<uint8_t>& bytes) {
  bytes.clear();
  if (path == nullptr || *path == '\0') return kOpenFailed;
  // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; such files are refused below.
  Descriptor file(open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) return kOpenFailed;
  struct stat info {};
  if (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return kOpenFailed;
  if (static_cast<uint64_t>(info.st_size) > std::numeric_limits<uint32_t>::max()) return kTooLarge;

  bytes.resize(static_cast<size_t>(info.st_size));
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t got = read(file.get(), bytes.data() + done, bytes.size() - done);
    if (got < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      bytes.clear();
      return kReadFailed;
    }
    if (got == 0) break;  // the file shrank while it was read
    done += static_cast<size_t>(got);
  }
  bytes.resize(done);
  return kOk;
}

uint32_t WriteWholeFile(const char* path, const std::vector<uint8_t>& bytes) {
  if (path == nullptr || *path == '\0') return kWriteFailed;
  Descriptor file(open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.get() < 0) return kWriteFailed;
  struct stat info {};
  if (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return kWriteFailed;
  size_t done = 0;
  int error = 0;
  while (done < bytes.size()) {
    ssize_t put = write(file.get(), bytes.data() + done, bytes.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    done += static_cast<size_t>(put);
  }
  if (!file.Close() && error == 0) error = errno;
  if (error != 0) {
    unlink(path);
    errno = error;  // the caller learns why the write failed
    return kWriteFailed;
  }
  return kOk;
}

}  // namespace hpmidifile
