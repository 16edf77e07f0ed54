#include <gtest/gtest.h>

#include <cerrno>

#include "core/cell_match.h"
#include "core/failure.h"

namespace veltrix {
namespace {

TEST(CellMatch, ContainsIgnoresAsciiCaseOnly) {
  struct Case {
    const char* cell;
    const char* text;
    bool found;
  };
  for (const Case& c : {Case{"Note On C4", "note on", true}, Case{"Note On C4", "C4", true},
                        Case{"Note On C4", "", true}, Case{"", "x", false},
                        Case{"ab", "abc", false}, Case{"aab", "ab", true},
                        Case{"\xC4nd", "\xE4nd", false},  // letters beyond ASCII keep their case
                        Case{"TEMPO: 120", "tempo: 12", true}})
    EXPECT_EQ(ContainsFolded(c.cell, FoldedNeedle(c.text)), c.found) << c.cell << " / " << c.text;
  EXPECT_EQ(Trimmed(" \t 12 \t"), "12");
  EXPECT_EQ(Trimmed("  "), "");
}

TEST(FailureForErrno, ReadsAndWritesShareOneMap) {
  struct Case {
    int error;
    int read;
    int write;
  };
  for (const Case& c :
       {Case{ENOENT, kFileNotFound, kPathNotFound},
        Case{EACCES, kPermissionDenied, kPermissionDenied},
        Case{EISDIR, kPathFileAccessError, kPathFileAccessError},
        Case{ELOOP, kDeviceIoError, kPathFileAccessError}, Case{ENOSPC, kDiskFull, kDiskFull},
        Case{EFBIG, kDeviceIoError, kDiskFull}, Case{EIO, kDeviceIoError, kDeviceIoError}}) {
    EXPECT_EQ(ReadFailureForErrno(c.error), c.read) << c.error;
    EXPECT_EQ(WriteFailureForErrno(c.error), c.write) << c.error;
  }
}

}  // namespace
}  // namespace veltrix
