#include <gtest/gtest.h>

#include "core/error_reporter.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

struct KnownMessage {
  int number;
  const char* message;
};

class KnownFailureMessages : public ::testing::TestWithParam<KnownMessage> {};

TEST_P(KnownFailureMessages, ShowTheirOwnTextWithoutNumberOrRoutine) {
  auto message = ErrorMessageText(GetParam().number, "whatever", "getMidiList");
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(*message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KnownFailureMessages,
    ::testing::Values(
        KnownMessage{53, "This file is Not found."}, KnownMessage{54, "Can't open your file"},
        KnownMessage{57, "Internal disk error."}, KnownMessage{61, "Disk is full."},
        KnownMessage{62, "There was a problem With this file"},
        KnownMessage{68, "That device appears unavailable."},
        KnownMessage{70,
                     "Error writing to file- make sure it is not being used by another program "
                     "and that the media is available."},
        KnownMessage{71, "Insert a disk in the drive "},
        KnownMessage{75,
                     "File may have read-only attribute. Change attribute or choose another name."},
        KnownMessage{76, "That path doesn't exist."}));

TEST(ErrorReporter, GeneralMessageNamesNumberDescriptionAndRoutine) {
  EXPECT_EQ(*ErrorMessageText(9, "Subscript out of range", "getMidiList"),
            "Error #: 9, Subscript out of range, encountered in Function getMidiList. If the "
            "solution is not obvious, please report this to the author.");
  EXPECT_FALSE(ErrorMessageText(384, "", "x").has_value());
}

TEST(ErrorReporter, GuardedReportsUnderTheRoutineNameAndReturnsTheFallback) {
  testing::CollectingReporter collect;
  std::string result = Guarded(collect.reporter, "GetSysex", std::string("fallback"),
                               []() -> std::string { Raise(kDivisionByZero); });
  EXPECT_EQ(result, "fallback");
  ASSERT_EQ(collect.reports.size(), 1u);
  EXPECT_EQ(collect.reports[0].routine, "GetSysex");
  EXPECT_EQ(collect.reports[0].number, 11);

  // Failure 384 is reported but shows no message; the routine still ends.
  Guarded(collect.reporter, "View Bar Action", 0, []() -> int { Raise(kFormMinimised); });
  ASSERT_EQ(collect.reports.size(), 2u);
  EXPECT_EQ(collect.reports[1].message, "");

  // Exceptions of the standard library are reported too, never escape.
  Guarded(collect.reporter, "GetOTS", 0, []() -> int { throw std::out_of_range("x"); });
  ASSERT_EQ(collect.reports.size(), 3u);
  EXPECT_EQ(collect.reports[2].number, kInvalidCall);
}

}  // namespace
}  // namespace veltrix
