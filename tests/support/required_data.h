#pragma once

// What a test does when the clone lacks something it needs: the real files beside the
// repository, python3-mido or pdftotext. Outside CI it skips with its message; with
// VELTRIX_REQUIRE_REAL_DATA=1 (set by .ci/run) it fails, so lost coverage is seen. Header-only,
// so the Qt tests use it without the gtest support library.
#include <cstdlib>
#include <cstring>

namespace veltrix::testing {

inline bool MissingDataFails() {
  const char* value = std::getenv("VELTRIX_REQUIRE_REAL_DATA");
  return value != nullptr && std::strcmp(value, "1") == 0;
}

}  // namespace veltrix::testing

// In a gtest test body: skips, or fails under VELTRIX_REQUIRE_REAL_DATA=1, and returns.
#define VELTRIX_SKIP_WHEN_MISSING(why)                                       \
  do {                                                                       \
    if (::veltrix::testing::MissingDataFails())                              \
      GTEST_FAIL() << (why) << " (VELTRIX_REQUIRE_REAL_DATA=1 requires it)"; \
    GTEST_SKIP() << (why);                                                   \
  } while (0)

// The same in a Qt Test slot.
#define VELTRIX_QSKIP_WHEN_MISSING(why)                        \
  do {                                                         \
    if (::veltrix::testing::MissingDataFails())                \
      QFAIL(why " (VELTRIX_REQUIRE_REAL_DATA=1 requires it)"); \
    QSKIP(why);                                                \
  } while (0)
