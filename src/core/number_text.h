#pragma once

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
// Appends the two digits of HexByteText to out (the hot path of the hex texts).
void AppendHexByte(std::string& out, uint8_t byte);

// Writes the decimal digits of a value (with "-" when negative) to `out`, which has room for
// 21 characters, and returns their number. The allocation-free form for the listing's loop.
size_t FormatDecimal(char* out, int64_t value);
// The same padded with leading zeros to at least `width` digits (width at most 20).
size_t FormatZeroPadded(char* out, int64_t value, int width);

// Decimal digits padded with leading zeros to at least `width` digits ("000022").
std::string ZeroPadded(int64_t value, int width);
// Blanks on the left to at least `width` characters; longer texts are never cut.
std::string PadLeft(std::string_view text, size_t width);
// Blanks on the right to at least `width` characters; longer texts are never cut.
std::string PadRight(std::string_view text, size_t width);

// The file-name part of a path: the text after its last '/' or '\'.
std::string FileNamePart(std::string_view path);

}  // namespace veltrix
