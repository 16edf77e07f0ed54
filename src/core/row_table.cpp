#include "core/row_table.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include <sys/mman.h>

#include "core/failure.h"

namespace veltrix {

namespace {

constexpr size_t kBlockSize = size_t{2} << 20;
// A table starts with a small block and doubles each new one up to kBlockSize: a short
// listing takes a few kilobytes instead of two megabytes, which the many small tables of
// the views (and a fuzzing run's hundreds a second) would otherwise map and fault in anew.
constexpr size_t kFirstBlockSize = size_t{64} << 10;

size_t PrefixSize(size_t length) {
  size_t bytes = 1;
  while (length >= 0x80) {
    length >>= 7;
    ++bytes;
  }
  return bytes;
}

char* WritePrefix(char* out, size_t length) {
  while (length >= 0x80) {
    *out++ = static_cast<char>(0x80 | (length & 0x7F));
    length >>= 7;
  }
  *out++ = static_cast<char>(length);
  return out;
}

const char* ReadPrefix(const char* in, size_t& length) {
  length = 0;
  int shift = 0;
  unsigned char byte;
  do {
    byte = static_cast<unsigned char>(*in++);
    length |= size_t{byte & 0x7Fu} << shift;
    shift += 7;
  } while (byte & 0x80);
  return in;
}

}  // namespace

std::unique_ptr<char[], RowTable::BlockDeleter> RowTable::NewBlock(size_t bytes) {
  // Blocks aligned to 2 MiB may be backed by huge pages, which saves the kernel one page
  // fault for every 4 KiB of a large listing.
  void* memory = nullptr;
  if (bytes % kBlockSize == 0 && posix_memalign(&memory, kBlockSize, bytes) == 0) {
#ifdef MADV_HUGEPAGE
    madvise(memory, bytes, MADV_HUGEPAGE);
#endif
  } else {
    memory = std::malloc(bytes);
  }
  if (!memory) throw std::bad_alloc();
  return std::unique_ptr<char[], BlockDeleter>(static_cast<char*>(memory));
}

RowTable::RowTable(const RowTable& other) : columns_(other.columns_) {
  rows_.reserve(other.size());
  for (size_t row = 0; row < other.size(); ++row) {
    std::vector<std::string_view> cells;
    for (size_t c = 0; c < columns_; ++c) cells.push_back(other.Cell(row, c));
    AddRow(cells.data(), cells.size());
  }
}

RowTable& RowTable::operator=(const RowTable& other) {
  if (this != &other) *this = RowTable(other);
  return *this;
}

void RowTable::Clear() {
  blocks_.clear();
  rows_.clear();
}

void RowTable::SetColumnCount(size_t columns) {
  Clear();
  columns_ = columns;
}

char* RowTable::Allocate(size_t bytes, uint64_t& reference) {
  if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < bytes) {
    if (blocks_.size() >= UINT32_MAX) Raise(kOutOfMemory);
    Block block;
    const size_t grown = blocks_.size() >= 5 ? kBlockSize : kFirstBlockSize << blocks_.size();
    block.capacity = std::max(std::min(grown, kBlockSize), bytes);
    block.data = NewBlock(block.capacity);
    blocks_.push_back(std::move(block));
  }
  Block& block = blocks_.back();
  reference = (uint64_t{blocks_.size() - 1} << 32) | block.used;
  char* out = block.data.get() + block.used;
  block.used += bytes;
  return out;
}

void RowTable::AddRow(const std::string_view* cells, size_t count) {
  count = std::min(count, columns_);
  size_t bytes = columns_ - count;  // one length byte per missing cell
  for (size_t c = 0; c < count; ++c) bytes += PrefixSize(cells[c].size()) + cells[c].size();
  if (bytes > UINT32_MAX) Raise(kOutOfMemory);
  uint64_t reference;
  char* out = Allocate(bytes, reference);
  for (size_t c = 0; c < count; ++c) {
    out = WritePrefix(out, cells[c].size());
    if (!cells[c].empty()) std::memcpy(out, cells[c].data(), cells[c].size());
    out += cells[c].size();
  }
  for (size_t c = count; c < columns_; ++c) *out++ = 0;
  rows_.push_back(reference);
}

void RowTable::AddRow(std::initializer_list<std::string_view> cells) {
  AddRow(cells.begin(), cells.size());
}

void RowTable::AddRow(const std::vector<std::string>& cells) {
  std::vector<std::string_view> views(cells.begin(), cells.end());
  AddRow(views.data(), views.size());
}

std::string_view RowTable::Cell(size_t row, size_t column) const {
  if (column >= columns_ || row >= rows_.size()) return {};
  uint64_t reference = rows_[row];
  const char* in = blocks_[reference >> 32].data.get() + (reference & 0xFFFFFFFFu);
  size_t length;
  for (size_t c = 0; c < column; ++c) {
    in = ReadPrefix(in, length);
    in += length;
  }
  in = ReadPrefix(in, length);
  return std::string_view(in, length);
}

void RowTable::CellsOf(size_t row, std::string_view* cells) const {
  uint64_t reference = rows_.at(row);
  const char* in = blocks_[reference >> 32].data.get() + (reference & 0xFFFFFFFFu);
  for (size_t c = 0; c < columns_; ++c) {
    size_t length;
    in = ReadPrefix(in, length);
    cells[c] = std::string_view(in, length);
    in += length;
  }
}

std::vector<std::string> RowTable::Row(size_t row) const {
  std::vector<std::string> cells;
  for (size_t c = 0; c < columns_; ++c) cells.emplace_back(Cell(row, c));
  return cells;
}

void RowTable::Permute(const std::vector<uint32_t>& order) {
  std::vector<uint64_t> reordered;
  reordered.reserve(order.size());
  for (uint32_t source : order) reordered.push_back(rows_.at(source));
  rows_ = std::move(reordered);
}

}  // namespace veltrix
