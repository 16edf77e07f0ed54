#include "cli/background_writer.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace veltrix {

BackgroundWriter::BackgroundWriter(int descriptor, size_t bufferSize)
    : descriptor_(descriptor), bufferSize_(std::max<size_t>(bufferSize, 1)) {
  for (std::unique_ptr<char[]>& buffer : buffers_)
    buffer = std::unique_ptr<char[]>(new char[bufferSize_]);
  try {
    thread_ = std::thread([this] { Run(); });
  } catch (const std::system_error&) {
    // No thread: HandOn writes each buffer itself.
  }
}

BackgroundWriter::~BackgroundWriter() {
  Finish();
}

void BackgroundWriter::Write(std::string_view text) {
  while (!text.empty()) {
    const size_t part = std::min(text.size(), bufferSize_ - used_);
    std::memcpy(buffers_[filling_].get() + used_, text.data(), part);
    used_ += part;
    text.remove_prefix(part);
    if (used_ == bufferSize_) HandOn();
  }
}

void BackgroundWriter::HandOn() {
  if (used_ == 0) return;
  if (!thread_.joinable()) {
    WriteOut(buffers_[filling_].get(), used_);
  } else {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return pending_ == 0; });
    pending_ = used_;
    changed_.notify_all();
    filling_ = 1 - filling_;
  }
  used_ = 0;
}

void BackgroundWriter::Finish() {
  HandOn();
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    finishing_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void BackgroundWriter::WriteOut(const char* data, size_t size) {
  while (size > 0 && !failed_) {
    const ssize_t written = ::write(descriptor_, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      failed_ = true;
      break;
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
}

void BackgroundWriter::Run() {
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [this] { return pending_ > 0 || finishing_; });
    if (pending_ == 0) return;  // finishing, and everything is written
    // The buffer handed on is the one Write no longer fills.
    const char* data = buffers_[1 - filling_].get();
    const size_t size = pending_;
    lock.unlock();
    WriteOut(data, size);
    lock.lock();
    pending_ = 0;
    changed_.notify_all();
  }
}

}  // namespace veltrix
