#include "views/export_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>

#include "views/export_writers.h"

#include "core/failure.h"

namespace veltrix {

namespace {

[[noreturn]] void RaiseForErrno(int error) {
  Raise(WriteFailureForErrno(error));
}

bool IsListedFile(const WindowModel& window, const std::string& path) {
  if (window.fileName.empty()) return false;
  if (path == window.fileName) return true;
  std::error_code error;
  // Another name of the same file: a link, a relative path, "./" in front.
  return std::filesystem::equivalent(path, window.fileName, error) && !error;
}

// A temporary file of its own beside `path`, created new so nothing is overwritten.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& path) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<size_t> letter(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name = path + ".tmp-";
      for (int i = 0; i < 6; ++i) name.push_back(kLetters[letter(random)]);
      fd_ = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
      if (fd_ >= 0) {
        name_ = std::move(name);
        return;
      }
      if (errno != EEXIST) RaiseForErrno(errno);
    }
    Raise(kPathFileAccessError);
  }
  ~TemporaryFile() {
    if (fd_ >= 0) close(fd_);
    if (!name_.empty()) unlink(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void Write(std::string_view text) {
    while (!text.empty()) {
      ssize_t put = write(fd_, text.data(), text.size());
      if (put < 0) {
        if (errno == EINTR) continue;
        RaiseForErrno(errno);
      }
      text.remove_prefix(static_cast<size_t>(put));
    }
  }

  // Puts the written text on the disk and gives it the name `path`.
  void Replace(const std::string& path) {
    if (fsync(fd_) != 0) RaiseForErrno(errno);
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) RaiseForErrno(errno);
    if (rename(name_.c_str(), path.c_str()) != 0) RaiseForErrno(errno);
    name_.clear();
  }

 private:
  int fd_ = -1;
  std::string name_;
};

}  // namespace

std::optional<ExportFormat> ExportFormatNamed(std::string_view name) {
  if (name == "tsv") return ExportFormat::Tsv;
  if (name == "csv") return ExportFormat::Csv;
  if (name == "json") return ExportFormat::Json;
  return std::nullopt;
}

void ExportFile(const ShownList& shown, const std::vector<std::string>& messages,
                const std::string& path, ExportFormat format) {
  if (path.empty()) Raise(kPathNotFound);
  if (IsListedFile(shown.window, path))
    throw Failure(kPathFileAccessError,
                  "The listed file is never overwritten; choose another name for the export");
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) Raise(kPathFileAccessError);

  TemporaryFile file(path);
  const TextSink write = [&](std::string_view text) { file.Write(text); };
  switch (format) {
    case ExportFormat::Tsv:
      WriteTsv(shown, write);
      break;
    case ExportFormat::Csv:
      WriteCsv(shown, write);
      break;
    case ExportFormat::Json:
      WriteJson(shown, messages, write);
      break;
  }
  file.Replace(path);
}

}  // namespace veltrix
