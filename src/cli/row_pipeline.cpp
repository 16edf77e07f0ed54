#include "cli/row_pipeline.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace veltrix {

// A row in a block: its cell count, the size of each cell, then the cells' bytes. Sizes take
// four bytes; a row too large for them is written on the calling thread.
namespace {

constexpr size_t kSizeBytes = sizeof(uint32_t);
constexpr size_t kLargestRow = UINT32_MAX;

char* PutSize(char* out, size_t size) {
  const auto value = static_cast<uint32_t>(size);
  std::memcpy(out, &value, kSizeBytes);
  return out + kSizeBytes;
}

size_t GetSize(const char*& in) {
  uint32_t size;
  std::memcpy(&size, in, kSizeBytes);
  in += kSizeBytes;
  return size;
}

// Copies the cell in whole words, the last one overlapping, and never reads outside it: most
// cells are a few bytes long, and a call to memcpy for each costs more than the copy.
[[gnu::always_inline]] inline char* PutCell(char* sizes, char* bytes, std::string_view cell) {
  const char* in = cell.data();
  const size_t size = cell.size();
  PutSize(sizes, size);
  if (size >= 8) {
    uint64_t word;
    for (size_t at = 0; at + 8 <= size; at += 8) {
      std::memcpy(&word, in + at, 8);
      std::memcpy(bytes + at, &word, 8);
    }
    std::memcpy(&word, in + size - 8, 8);
    std::memcpy(bytes + size - 8, &word, 8);
  } else if (size >= 4) {
    uint32_t first, last;
    std::memcpy(&first, in, 4);
    std::memcpy(&last, in + size - 4, 4);
    std::memcpy(bytes, &first, 4);
    std::memcpy(bytes + size - 4, &last, 4);
  } else if (size > 0) {
    // One to three bytes: the first, the middle and the last cover them all.
    bytes[0] = in[0];
    bytes[size / 2] = in[size / 2];
    bytes[size - 1] = in[size - 1];
  }
  return bytes + size;
}

}  // namespace

RowPipeline::RowPipeline(RowWriter write, size_t blockSize)
    : write_(std::move(write)), blockSize_(blockSize) {}

RowPipeline::~RowPipeline() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard lock(mutex_);
    finishing_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void RowPipeline::Row(const std::string_view* cells, size_t count) {
  size_t bound = kSizeBytes * (count + 1);
  for (size_t c = 0; c < count; ++c) bound += cells[c].size();
  if (bound > kLargestRow) return WriteHere(cells, count);
  char* sizes = PutSize(Room(bound), count);
  char* bytes = sizes + kSizeBytes * count;
  for (size_t c = 0; c < count; ++c) bytes = PutCell(sizes + kSizeBytes * c, bytes, cells[c]);
  blocks_[filling_].used += bound;
}

void RowPipeline::RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                                   std::string_view plain) {
  place = std::min(place, count);
  size_t bound = kSizeBytes * (count + 2) + plain.size();
  for (size_t c = 0; c < count; ++c) bound += cells[c].size();
  if (bound > kLargestRow) {
    std::vector<std::string_view> row(cells, cells + count);
    row.insert(row.begin() + static_cast<std::ptrdiff_t>(place), plain);
    return WriteHere(row.data(), row.size());
  }
  char* sizes = PutSize(Room(bound), count + 1);
  char* bytes = sizes + kSizeBytes * (count + 1);
  for (size_t c = 0, to = 0; c <= count; ++c, ++to) {
    if (c == place) bytes = PutCell(sizes + kSizeBytes * to++, bytes, plain);
    if (c < count) bytes = PutCell(sizes + kSizeBytes * to, bytes, cells[c]);
  }
  blocks_[filling_].used += bound;
}

void RowPipeline::WriteHere(const std::string_view* cells, size_t count) {
  HandOn();
  if (thread_.joinable()) {
    bool failed;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return written_ == handed_ || failure_; });
      failed = failure_ != nullptr;
    }
    if (failed) return ThrowFailure();
  }
  // Every row before this one is written and the thread waits: the writer is this thread's.
  write_(cells, count);
}

char* RowPipeline::Room(size_t bound) {
  Block* block = &blocks_[filling_];
  if (block->used + bound > block->capacity) {
    if (block->used > 0) {
      HandOn();
      block = &blocks_[filling_];
    }
    if (bound > block->capacity) {
      block->capacity = std::max(blockSize_, bound);
      block->bytes.reset(new char[block->capacity]);
    }
  }
  return block->bytes.get() + block->used;
}

void RowPipeline::HandOn() {
  Block& block = blocks_[filling_];
  if (block.used == 0) return;
  if (!threadTried_) {
    threadTried_ = true;
    try {
      thread_ = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
      // No second thread: the blocks are written here.
    }
  }
  if (!thread_.joinable()) {
    WriteBlock(block);
    block.used = 0;
    return;
  }
  bool failed;
  {
    std::unique_lock lock(mutex_);
    ++handed_;
    changed_.notify_all();
    // The next block in the ring is free once the thread has written it.
    changed_.wait(lock, [this] { return handed_ - written_ < kBlocks || failure_; });
    failed = failure_ != nullptr;
  }
  filling_ = (filling_ + 1) % kBlocks;
  blocks_[filling_].used = 0;
  // The thread has stopped for good: what it failed on is thrown here once.
  if (failed) ThrowFailure();
}

void RowPipeline::Finish() {
  if (!thread_.joinable()) {
    // A short listing: its rows are written here, without a thread.
    Block& block = blocks_[filling_];
    if (block.used > 0) WriteBlock(block);
    block.used = 0;
    return;
  }
  HandOn();
  {
    std::lock_guard lock(mutex_);
    finishing_ = true;
  }
  changed_.notify_all();
  thread_.join();
  ThrowFailure();
}

void RowPipeline::WriteBlock(const Block& block) {
  const char* in = block.bytes.get();
  const char* end = in + block.used;
  while (in < end) {
    const size_t count = GetSize(in);
    if (cells_.size() < count) cells_.resize(count);
    const char* bytes = in + kSizeBytes * count;
    for (size_t c = 0; c < count; ++c) {
      const size_t size = GetSize(in);
      cells_[c] = std::string_view(bytes, size);
      bytes += size;
    }
    in = bytes;
    write_(cells_.data(), count);
  }
}

void RowPipeline::Run() {
  std::unique_lock lock(mutex_);
  while (true) {
    changed_.wait(lock, [this] { return written_ < handed_ || finishing_; });
    if (written_ == handed_) return;  // finishing, and every block is written
    const Block& block = blocks_[written_ % kBlocks];
    lock.unlock();
    try {
      WriteBlock(block);
    } catch (...) {
      lock.lock();
      failure_ = std::current_exception();
      changed_.notify_all();
      return;
    }
    lock.lock();
    ++written_;
    changed_.notify_all();
  }
}

void RowPipeline::ThrowFailure() {
  if (!failure_ || failureThrown_) return;
  failureThrown_ = true;
  std::rethrow_exception(failure_);
}

}  // namespace veltrix
