#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/failure.h"
#include "core/hex_text.h"
#include "core/number_text.h"

namespace veltrix {
namespace {

TEST(NumberText, SignedAndPlainDifferOnlyInTheLeadingBlank) {
  struct Case {
    int64_t value;
    const char* signedText;
    const char* plainText;
  };
  for (const Case& c : {Case{7, " 7", "7"}, Case{0, " 0", "0"}, Case{-12, "-12", "-12"},
                        Case{2147483647, " 2147483647", "2147483647"}}) {
    EXPECT_EQ(SignedNumberText(c.value), c.signedText);
    EXPECT_EQ(PlainNumberText(c.value), c.plainText);
  }
}

// The listing writes every number with FormatDecimal / FormatZeroPadded; each digit-count
// boundary and both ends of the range against the library's own conversion.
TEST(NumberText, FormattedDigitsMatchAPlainConversionAtEveryBoundary) {
  std::vector<int64_t> values = {
      0, INT64_MAX, INT64_MIN, INT64_MIN + 1, 1000000000000000000, -1000000000000000000};
  for (int64_t power = 1; power <= INT64_MAX / 10; power *= 10)
    for (int64_t value : {power - 1, power, power + 1, 10 * power - 1})
      for (int64_t sign : {1, -1}) values.push_back(sign * value);
  for (int64_t value : values) {
    const std::string plain = std::to_string(value);
    char out[48];
    EXPECT_EQ(std::string(out, FormatDecimal(out, value)), plain) << value;
    for (int width : {0, 1, 3, 6, 20}) {
      std::string digits = value < 0 ? plain.substr(1) : plain;
      if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
      EXPECT_EQ(std::string(out, FormatZeroPadded(out, value, width)),
                (value < 0 ? "-" : "") + digits)
          << value << " width " << width;
    }
  }
}

TEST(NumberText, HexBytesAndPaddings) {
  EXPECT_EQ(HexByteText(0x0B), "0B");
  EXPECT_EQ(HexByteText(0xF7), "F7");
  EXPECT_EQ(ZeroPadded(22, 6), "000022");
  EXPECT_EQ(ZeroPadded(1234567, 6), "1234567");
  EXPECT_EQ(PadLeft(" 5", 3), "  5");
  EXPECT_EQ(PadLeft(" 100", 3), " 100");
  EXPECT_EQ(PadRight("C  5", 4), "C  5");
  EXPECT_EQ(PadRight("G  10", 4), "G  10");
}

TEST(NumberText, FileNamePartTakesTheTextAfterEitherSeparator) {
  EXPECT_EQ(FileNamePart("C:\\Styles\\Pop.sty"), "Pop.sty");
  EXPECT_EQ(FileNamePart("/home/u/songs/a.mid"), "a.mid");
  EXPECT_EQ(FileNamePart("mixed/dir\\b.kar"), "b.kar");
  EXPECT_EQ(FileNamePart("plain.mid"), "plain.mid");
  EXPECT_EQ(FileNamePart("folder/"), "");
}

TEST(HexText, BytesSitAtThreeKMinusTwo) {
  const uint8_t data[] = {0x43, 0x7E, 0x00, 0x08, 0x7F, 0xF7};
  std::string hex = HexText(data, sizeof data);
  EXPECT_EQ(hex, "43 7E 00 08 7F F7 ");
  EXPECT_EQ(ByteText(hex, 1), "43");
  EXPECT_EQ(ByteText(hex, 6), "F7");
  EXPECT_EQ(ByteText(hex, 7), "");
  EXPECT_EQ(FromByte(hex, 3), "00 08 7F F7 ");
  EXPECT_EQ(HexRun(hex, 4, 4), "08 7");
  EXPECT_EQ(HexRun(hex, 6, 10), "F7 ");
  EXPECT_EQ(DecimalText(hex, 5), " 127");
  EXPECT_EQ(RawForm("XG ", hex), "XG F0 43 7E 00 08 7F F7 ");
  EXPECT_EQ(RawForm("", ""), "F0 ");
}

TEST(HexText, MissingBytesAndNegativeCountsFail) {
  std::string hex = "43 10 ";
  try {
    DecimalOfByte(hex, 3);
    FAIL() << "a missing byte has no decimal";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.number(), kTypeMismatch);
    EXPECT_EQ(failure.description(), "Type mismatch");
  }
  EXPECT_EQ(ValueOrZero(hex, 3), 0);
  EXPECT_EQ(ValueOrZero(hex, 2), 16);
  try {
    Right(hex, -1);
    FAIL() << "a negative count is refused";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.number(), kInvalidCall);
  }
  EXPECT_EQ(Right(hex, 3), "10 ");
  EXPECT_EQ(Right(hex, 99), hex);
}

TEST(Failure, RangeChecksAndDivision) {
  EXPECT_EQ(CheckedInt16(32767), 32767);
  EXPECT_THROW(CheckedInt16(32768), Failure);
  EXPECT_THROW(CheckedInt32(int64_t{1} << 31), Failure);
  try {
    CheckedDivide(1, 0);
    FAIL();
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.number(), kDivisionByZero);
    EXPECT_EQ(failure.description(), "Division by zero");
  }
}

}  // namespace
}  // namespace veltrix
