#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/file_image.h"
#include "core/row_table.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

int FailureOfLoading(const std::string& path) {
  try {
    LoadFileImage(path);
  } catch (const Failure& failure) {
    return failure.number();
  }
  return 0;
}

TEST(FileImage, LoadingFailuresCarryTheFileErrorNumbers) {
  testing::TempDir folder;
  EXPECT_EQ(FailureOfLoading(folder.File("missing.mid")), kFileNotFound);
  EXPECT_EQ(FailureOfLoading(folder.File("no-folder/missing.mid")), kPathNotFound);
  EXPECT_EQ(FailureOfLoading(folder.path()), kPathFileAccessError);
  std::string fifo = folder.File("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(FailureOfLoading(fifo), kPathFileAccessError);  // never blocks on a pipe
  std::string locked = folder.File("locked.mid");
  builder::WriteFile(locked, {1, 2, 3});
  chmod(locked.c_str(), 0);
  if (geteuid() != 0) {
    EXPECT_EQ(FailureOfLoading(locked), kPermissionDenied);
  }
}

TEST(FileImage, ReadsAreBoundsChecked) {
  FileImage image({'M', 'T', 'h', 'd', 0, 0, 0, 6});
  EXPECT_EQ(image.FileLength(), 8);
  EXPECT_EQ(image.BigEndian32(4), 6u);
  EXPECT_THROW(image.at(8), Failure);
  EXPECT_THROW(image.at(-1), Failure);
  EXPECT_THROW(image.BigEndian32(5), Failure);
  EXPECT_THROW(image.Span(2, 7), Failure);
  EXPECT_TRUE(image.HasTagAt(0, "MThd"));
  EXPECT_FALSE(image.HasTagAt(6, "MThd"));
}

TEST(RowTable, StoresCellsCompactlyAndPermutesRows) {
  RowTable table;
  table.SetColumnCount(3);
  table.AddRow({"a", "", "c"});
  table.AddRow({"d"});                  // missing cells are empty
  table.AddRow({"g", "h", "i", "xx"});  // surplus cells are dropped
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table.Cell(0, 2), "c");
  EXPECT_EQ(table.Cell(1, 1), "");
  EXPECT_EQ(table.Cell(2, 2), "i");
  table.Permute({2, 0, 1});
  EXPECT_EQ(table.Row(0), (std::vector<std::string>{"g", "h", "i"}));
  EXPECT_EQ(table.Row(2), (std::vector<std::string>{"d", "", ""}));
}

// Cells whose lengths take one, two and three prefix bytes; the first row, 65541 bytes and a
// 3-byte prefix, is larger than a first block and gets one of exactly its size.
TEST(RowTable, KeepsLongCellsWholeUpToTheEndOfTheirBlock) {
  const size_t sizes[] = {65541, 127, 128, 16383, 16384, 0};
  RowTable table;
  table.SetColumnCount(1);
  for (size_t size : sizes) table.AddRow({std::string(size, 'x')});
  for (size_t row = 0; row < std::size(sizes); ++row)
    EXPECT_EQ(table.Cell(row, 0), std::string(sizes[row], 'x'));
}

}  // namespace
}  // namespace veltrix
