#pragma once

// src/cli: the lister's rows handed from the thread that walks the file to a second thread
// that writes them out, so that making the texts and escaping, writing and the pipe's copies
// run on two processors at once.

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

namespace veltrix {

// Copies the cells of each row into one of a few reused blocks; a full block goes to a thread
// that hands its rows, in the order they came, to `write`. A row larger than a block gets a
// block of its size. Rows that fit one block are written by Finish on the calling thread, so
// a short listing starts no thread; so does a listing whose thread could not be started.
class RowPipeline {
 public:
  using RowWriter = std::function<void(const std::string_view* cells, size_t count)>;
  static constexpr size_t kDefaultBlockSize = size_t{256} << 10;

  explicit RowPipeline(RowWriter write, size_t blockSize = kDefaultBlockSize);
  ~RowPipeline();
  RowPipeline(const RowPipeline&) = delete;
  RowPipeline& operator=(const RowPipeline&) = delete;

  void Row(const std::string_view* cells, size_t count);
  // The row with `plain` before cell `place` (at most `count`).
  void RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                        std::string_view plain);
  // Writes the rows still held and waits until `write` has had every row. A failure of
  // `write` on the second thread is thrown again here, or by the next Row after it.
  void Finish();

 private:
  static constexpr size_t kBlocks = 3;
  struct Block {
    std::unique_ptr<char[]> bytes;  // left unset: only what is filled is touched
    size_t capacity = 0;
    size_t used = 0;
  };

  char* Room(size_t bound);
  void HandOn();
  // Writes a row too large for a block once every row before it is written.
  void WriteHere(const std::string_view* cells, size_t count);
  void WriteBlock(const Block& block);
  void Run();
  void ThrowFailure();

  RowWriter write_;
  size_t blockSize_;
  Block blocks_[kBlocks];
  size_t filling_ = 0;                   // the block Row fills: blocks are handed on in ring order
  std::vector<std::string_view> cells_;  // the second thread's row being handed to write_

  std::mutex mutex_;
  std::condition_variable changed_;
  size_t handed_ = 0;   // blocks handed to the thread, and of those
  size_t written_ = 0;  // the blocks it has written
  bool finishing_ = false;
  std::exception_ptr failure_;
  bool failureThrown_ = false;
  bool threadTried_ = false;
  std::thread thread_;
};

}  // namespace veltrix
