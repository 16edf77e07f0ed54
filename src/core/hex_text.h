#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace veltrix {

// The hex text of a message: each data byte as two upper-case digits and one blank, the last
// byte included, so byte k (from 1) has its digits at character 3k-2 (from 1). Decoders read
// their bytes from it as two-digit texts; a byte beyond the end reads as the empty text.

std::string HexText(const uint8_t* data, size_t count);

// Text functions with the start counted from 1, as the decoders' rules are written.
// Mid: up to `length` characters from `start`; empty when start lies beyond the end.
std::string_view Mid(std::string_view text, size_t start, size_t length);
std::string_view Mid(std::string_view text, size_t start);
// The last `count` characters; a negative count is "Invalid procedure call or argument".
std::string_view Right(std::string_view text, int64_t count);

// The two-digit text of byte k, or the empty text when the hex text ends first.
std::string_view ByteText(std::string_view hex, int k);
// The hex text from byte k to its end, trailing blank included.
std::string_view FromByte(std::string_view hex, int k);
// Exactly n characters from byte k's first digit (fewer when the text ends first).
std::string_view HexRun(std::string_view hex, int k, size_t n);
// The value of byte k; a byte with no digits is "Type mismatch".
int DecimalOfByte(std::string_view hex, int k);
// SignedNumberText of DecimalOfByte: " 100", " 0".
std::string DecimalText(std::string_view hex, int k);
// The value of byte k, 0 when the byte is missing (for the rules that read a missing byte as 0).
int ValueOrZero(std::string_view hex, int k);
// The text built so far, then "F0 " and the whole hex text.
std::string RawForm(std::string_view builtSoFar, std::string_view hex);

}  // namespace veltrix
