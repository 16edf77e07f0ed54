#include <gtest/gtest.h>

#include "core/code_page.h"

namespace veltrix {
namespace {

TEST(CodePage, Windows1252MapsItsOwnCharactersAndKeepsUndefinedBytes) {
  CodePage page;
  EXPECT_EQ(page.ToUtf8("Pop"), "Pop");
  EXPECT_EQ(page.ToUtf8("\x80"), "\u20AC");  // euro sign
  EXPECT_EQ(page.ToUtf8("\xE9"), "\u00E9");
  // 0x81 and 0x8D are undefined in windows-1252: they keep their code point.
  EXPECT_EQ(page.ToUtf8("\x81\x8D"), "\u0081\u008D");
  EXPECT_EQ(page.ToUtf8(std::string_view("\0A", 2)), std::string("\0A", 2));
  EXPECT_EQ(page.CharacterOf(0x4F), "O");
}

TEST(CodePage, ShiftJisDecodesTwoByteCharactersAndKeepsBrokenOnes) {
  CodePage page("SHIFT_JIS");
  EXPECT_EQ(page.ToUtf8("\x83\x65\x83\x58\x83\x67"), "\u30C6\u30B9\u30C8");  // katakana "tesuto"
  EXPECT_EQ(page.ToUtf8("ab\x83"), "ab\u0083");  // a lead byte at the end stays one character
}

// One converter serves every text of a listing: a text cut inside a character leaves nothing
// behind for the next, and a copy converts alike.
TEST(CodePage, ShiftJisTextsAreConvertedEachOnTheirOwn) {
  CodePage page("SHIFT_JIS");
  const std::string_view texts[] = {"ab\x83", "\x65x", "\x83\x65", "\x83", "\x58"};
  const char* const expected[] = {"ab\u0083", "ex", "\u30C6", "\u0083", "X"};
  for (int round = 0; round < 2; ++round)
    for (size_t i = 0; i < std::size(texts); ++i)
      EXPECT_EQ(page.ToUtf8(texts[i]), expected[i]) << "round " << round << " text " << i;
  CodePage copy = page;
  copy = page;
  EXPECT_EQ(copy.ToUtf8("\x83\x65\x83\x58"), "\u30C6\u30B9");
  EXPECT_EQ(page.ToUtf8("\x83\x67"), "\u30C8");
}

TEST(CodePage, Utf8EncodesEachLength) {
  std::string out;
  for (char32_t c : {U'A', U'\u00E9', U'\u20AC', U'\U0001F3B5'}) AppendUtf8(out, c);
  EXPECT_EQ(out, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB5");
}

TEST(CodePage, UnknownNamesAreRefused) {
  EXPECT_THROW(CodePage("NO-SUCH-CODEPAGE"), std::invalid_argument);
}

}  // namespace
}  // namespace veltrix
