#include "core/file_image.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

namespace veltrix {

namespace {
constexpr size_t kHugePage = size_t{1} << 21;
}

void* AllocateFileBytes(size_t size) {
  // From here on the faults saved outweigh the part of the last huge page left unused.
  constexpr size_t kLargePagesFrom = size_t{16} << 20;
  return AllocateFileBytes(size, size >= kLargePagesFrom);
}

void* AllocateFileBytes(size_t size, bool largePages) {
  if (largePages && size >= kHugePage) {
    const size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    if (void* bytes = std::aligned_alloc(kHugePage, rounded)) {
      madvise(bytes, rounded, MADV_HUGEPAGE);  // only advice: small pages do as well
      return bytes;
    }
    throw std::bad_alloc();
  }
  if (void* bytes = std::malloc(size == 0 ? 1 : size)) return bytes;
  throw std::bad_alloc();
}

void FreeFileBytes(void* bytes) noexcept {
  std::free(bytes);
}

FileImage::FileImage(const std::vector<uint8_t>& bytes)
    : FileImage(Adopt(Bytes(bytes.begin(), bytes.end()))) {}

FileImage FileImage::Adopt(Bytes bytes) {
  if (bytes.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) Raise(kOverflow);
  FileImage image;
  image.owner_ = std::make_shared<const Bytes>(std::move(bytes));
  image.data_ = image.owner_->data();
  image.size_ = image.owner_->size();
  return image;
}

uint32_t FileImage::BigEndian32(int64_t index) const {
  const uint8_t* p = Span(index, 4);
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

uint16_t FileImage::BigEndian16(int64_t index) const {
  const uint8_t* p = Span(index, 2);
  return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

const uint8_t* FileImage::Span(int64_t index, int64_t count) const {
  if (index < 0 || count < 0 || index + count > static_cast<int64_t>(size_))
    Raise(kSubscriptOutOfRange);
  return data_ + index;
}

bool FileImage::HasTagAt(int64_t index, const char* tag) const {
  size_t n = std::strlen(tag);
  if (index < 0 || index + static_cast<int64_t>(n) > static_cast<int64_t>(size_)) return false;
  return n == 0 || std::memcmp(data_ + index, tag, n) == 0;
}

namespace {

// A missing folder on the way is "Path not found"; a missing file "File not found".
int FailureForErrno(int error, const std::string& path) {
  if (error != ENOENT) return ReadFailureForErrno(error);
  size_t cut = path.find_last_of('/');
  if (cut != std::string::npos && cut > 0) {
    struct stat folder {};
    if (stat(path.substr(0, cut).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
      return kPathNotFound;
  }
  return kFileNotFound;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

FileImage LoadFileImage(const std::string& path) {
  if (path.empty()) Raise(kFileNotFound);
  // O_NONBLOCK keeps a FIFO from blocking the open; such files are refused below.
  Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) Raise(FailureForErrno(errno, path));
  struct stat info {};
  if (fstat(file.get(), &info) != 0) Raise(kDeviceIoError);
  if (!S_ISREG(info.st_mode)) Raise(kPathFileAccessError);
  if (info.st_size > std::numeric_limits<int32_t>::max()) Raise(kOverflow);

  FileImage::Bytes bytes(static_cast<size_t>(info.st_size));
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t got = read(file.get(), bytes.data() + done, bytes.size() - done);
    if (got < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      Raise(kDeviceIoError);
    }
    if (got == 0) break;  // the file shrank while it was read: keep what is there
    done += static_cast<size_t>(got);
  }
  bytes.resize(done);
  return FileImage::Adopt(std::move(bytes));
}

}  // namespace veltrix
