#include "yamaha/chord_names.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/number_text.h"

namespace veltrix {
namespace {

struct RootCase {
  const char* byteText;
  const char* expected;
};

class ChordRootNameTest : public ::testing::TestWithParam<RootCase> {};

TEST_P(ChordRootNameTest, LetterThenAccidental) {
  EXPECT_EQ(ChordRootName(GetParam().byteText), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Roots, ChordRootNameTest,
    ::testing::Values(RootCase{"31", "C"}, RootCase{"43", "E#"}, RootCase{"27", "Bb"},
                      RootCase{"11", "Cbb"}, RootCase{"05", "Gbbb"}, RootCase{"56", "A##"},
                      RootCase{"64", "F###"}, RootCase{"32", "D"},
                      // Codes 7 to 9 are natural.
                      RootCase{"71", "C"}, RootCase{"97", "B"},
                      // Note numbers outside 1 to 7 give no letter.
                      RootCase{"40", "#"}, RootCase{"38", ""}, RootCase{"29", "b"},
                      // Letter digits and missing digits count as 0.
                      RootCase{"3A", ""}, RootCase{"A1", "Cbbb"}, RootCase{"F7", "Bbbb"},
                      RootCase{"", "bbb"}, RootCase{"3", ""}));

TEST(ChordNoteLetter, NotesOneToSeven) {
  const char* const letters[] = {"", "C", "D", "E", "F", "G", "A", "B", "", ""};
  for (int note = 0; note < 10; ++note) EXPECT_EQ(ChordNoteLetter(note), letters[note]) << note;
  EXPECT_EQ(ChordNoteLetter(-1), "");
}

TEST(ChordAccidentalName, CodesZeroToNine) {
  const char* const accidentals[] = {"bbb", "bb", "b", "", "#", "##", "###", "", "", ""};
  for (int code = 0; code < 10; ++code)
    EXPECT_EQ(ChordAccidentalName(code), accidentals[code]) << code;
  EXPECT_EQ(ChordAccidentalName(-1), "");
}

// Every code 00 to FF: the listed codes give their text, all others nothing.
TEST(ChordTypeName, EveryCode) {
  const char* const types[] = {
      "",     "6",     "M7",    "M7#11", "9",      "M7and9",  "6and9",     "aug",     "m",
      "m6",   "m7",    "m7b5",  "m9",    "m7and9", "m7and11", "mM7",       "mM7and9", "dim",
      "dim7", "7",     "7sus4", "7b5",   "7and9",  "7#11",    "7and13",    "7b9",     "7b13",
      "7#9",  "M7aug", "7aug",  "1and8", "1and5",  "sus4",    "1and2and5", "cancel"};
  constexpr int kListed = sizeof types / sizeof types[0];
  static_assert(kListed == 0x23);
  for (int code = 0; code < 256; ++code) {
    std::string expected = code < kListed ? types[code] : "";
    EXPECT_EQ(ChordTypeName(HexByteText(static_cast<uint8_t>(code))), expected) << code;
  }
}

TEST(ChordTypeName, OnlyExactTwoDigitTexts) {
  EXPECT_EQ(ChordTypeName(""), "");
  EXPECT_EQ(ChordTypeName("0a"), "");
  EXPECT_EQ(ChordTypeName("13 "), "");
  EXPECT_EQ(ChordTypeName("1"), "");
}

}  // namespace
}  // namespace veltrix
