#include <gtest/gtest.h>

#include "shell/open_command.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

TEST(CommandLine, QuotesAreRemovedOnlyWhenTheLineStartsWithOne) {
  EXPECT_EQ(CommandLinePath("\"C:\\My Songs\\a.mid\""), "C:\\My Songs\\a.mid");
  EXPECT_EQ(CommandLinePath("/home/u/My Songs/a.mid"), "/home/u/My Songs/a.mid");
  EXPECT_EQ(CommandLinePath(""), "");
  EXPECT_EQ(CommandLinePath("\""), "");
}

TEST(OpenCommand, RefusalsKeepTheListAndSetTheCaption) {
  struct Case {
    builder::Bytes bytes;
    const char* message;
  };
  for (const Case& c :
       {Case{{}, kBadFileMessage}, Case{{'R', 'I', 'F', 'F', 1, 2, 3, 4}, kNotMidiMessage},
        Case{{'M', 'X', 'h', 'd'}, kNotMidiMessage}}) {
    auto listing = testing::ListBytes(c.bytes);
    ASSERT_EQ(listing.messages.size(), 1u);
    EXPECT_EQ(listing.messages[0], c.message);
    EXPECT_EQ(listing.RowCount(), 0u);
    EXPECT_TRUE(listing.window.columns.empty());
    EXPECT_EQ(listing.window.caption.rfind("Veltrix   /", 0), 0u) << listing.window.caption;
  }
}

TEST(OpenCommand, ADamagedFileBeginningWithMTIsLeftToTheListing) {
  auto listing = testing::ListBytes({'M', 'T', 'h', 'd', 0, 0});
  EXPECT_EQ(listing.window.lblWarning, "File has errors");
  ASSERT_EQ(listing.reports.size(), 1u);
  EXPECT_EQ(listing.reports[0].routine, "getMidiList");
  EXPECT_EQ(listing.reports[0].number, 9);
}

}  // namespace
}  // namespace veltrix
