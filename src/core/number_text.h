#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace veltrix {

// Decimal digits after one blank for a value of 0 or more, after "-" for a negative one.
std::string SignedNumberText(int64_t value);
// Decimal digits, "-" for a negative value, no leading blank.
std::string PlainNumberText(int64_t value);
// A byte as two upper-case hexadecimal digits.
std::string HexByteText(uint8_t byte);
// Writes the two digits of HexByteText to `out`.
inline void WriteHexByte(char* out, uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  out[0] = kDigits[byte >> 4];
  out[1] = kDigits[byte & 0x0F];
}
// Appends the two digits of HexByteText to out (the hot path of the hex texts).
inline void AppendHexByte(std::string& out, uint8_t byte) {
  char digits[2];
  WriteHexByte(digits, byte);
  out.append(digits, 2);
}

namespace number_text_detail {

inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

inline constexpr uint64_t kPowersOfTen[20] = {1ULL,
                                              10ULL,
                                              100ULL,
                                              1000ULL,
                                              10000ULL,
                                              100000ULL,
                                              1000000ULL,
                                              10000000ULL,
                                              100000000ULL,
                                              1000000000ULL,
                                              10000000000ULL,
                                              100000000000ULL,
                                              1000000000000ULL,
                                              10000000000000ULL,
                                              100000000000000ULL,
                                              1000000000000000ULL,
                                              10000000000000000ULL,
                                              100000000000000000ULL,
                                              1000000000000000000ULL,
                                              10000000000000000000ULL};

// The number of decimal digits of `value` (1 for 0), from its bit length: 1233 / 4096 is just
// above log10(2), so the estimate is the count or one more.
inline int DigitCount(uint64_t value) {
  value |= 1;
  const int estimate = (std::bit_width(value) * 1233) >> 12;
  return estimate + 1 - (value < kPowersOfTen[estimate]);
}

// The decimal digits of a value, padded with leading zeros to `width`, with its sign. Inline,
// two digits a step from the last one back: the listing writes several numbers per event.
inline size_t WriteDigits(char* out, int64_t value, int width) {
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  const int digits = DigitCount(magnitude);
  size_t at = 0;
  if (value < 0) out[at++] = '-';
  for (int zeros = width - digits; zeros > 0; --zeros) out[at++] = '0';
  at += static_cast<size_t>(digits);
  char* p = out + at;
  while (magnitude >= 100) {
    const char* pair = kDigitPairs + 2 * (magnitude % 100);
    magnitude /= 100;
    *--p = pair[1];
    *--p = pair[0];
  }
  if (magnitude >= 10) {
    const char* pair = kDigitPairs + 2 * magnitude;
    *--p = pair[1];
    *--p = pair[0];
  } else {
    *--p = static_cast<char>('0' + magnitude);
  }
  return at;
}

}  // namespace number_text_detail

// Writes the decimal digits of a value (with "-" when negative) to `out`, which has room for
// 21 characters, and returns their number. The allocation-free form for the listing's loop.
inline size_t FormatDecimal(char* out, int64_t value) {
  return number_text_detail::WriteDigits(out, value, 1);
}
// The same padded with leading zeros to at least `width` digits (width at most 20).
inline size_t FormatZeroPadded(char* out, int64_t value, int width) {
  return number_text_detail::WriteDigits(out, value, width);
}

// Decimal digits padded with leading zeros to at least `width` digits ("000022").
std::string ZeroPadded(int64_t value, int width);
// Blanks on the left to at least `width` characters; longer texts are never cut.
std::string PadLeft(std::string_view text, size_t width);
// Blanks on the right to at least `width` characters; longer texts are never cut.
std::string PadRight(std::string_view text, size_t width);

// The file-name part of a path: the text after its last '/' or '\'.
std::string FileNamePart(std::string_view path);

}  // namespace veltrix
