#pragma once

// src/cli: the lister's standard output written on a thread of its own, so that the thread
// that makes the listing goes on while the kernel copies the text into a pipe and the reader
// drains it.

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

namespace veltrix {

// Collects text in one of two buffers and hands each full buffer to a thread that writes it
// to a file descriptor while the other buffer fills. The bytes arrive in the order they were
// given. Without a thread (one could not be started) each buffer is written at once.
class BackgroundWriter {
 public:
  static constexpr size_t kDefaultBufferSize = size_t{256} << 10;

  explicit BackgroundWriter(int descriptor, size_t bufferSize = kDefaultBufferSize);
  ~BackgroundWriter();
  BackgroundWriter(const BackgroundWriter&) = delete;
  BackgroundWriter& operator=(const BackgroundWriter&) = delete;

  void Write(std::string_view text);
  // Writes what is still buffered and waits until everything is written.
  void Finish();

 private:
  void HandOn();
  void WriteOut(const char* data, size_t size);
  void Run();

  int descriptor_;
  size_t bufferSize_;
  // Left unset, so a short listing touches only the memory it fills.
  std::unique_ptr<char[]> buffers_[2];
  int filling_ = 0;  // the buffer that Write fills; the other one may be being written
  size_t used_ = 0;
  bool failed_ = false;  // a write failed: the rest is dropped, as a closed stream drops it

  std::mutex mutex_;
  std::condition_variable changed_;
  size_t pending_ = 0;  // bytes of the other buffer still to be written by the thread
  bool finishing_ = false;
  std::thread thread_;
};

}  // namespace veltrix
