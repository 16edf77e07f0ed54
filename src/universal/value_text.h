#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace veltrix::universal {

// `value` with its sign, "+" for 0 and above: "+12", "-3".
std::string WithSign(int64_t value);
// `hundredths` / 100 with its sign and two decimals: "+12.50", "-0.05".
std::string HundredthsText(int64_t hundredths);
// The bytes as two-digit hexadecimal texts joined by blanks: "40 00 7F".
std::string HexBytes(std::span<const uint8_t> bytes);
// `numerator` / `denominator` rounded half away from zero (denominator above 0).
int64_t RoundedQuotient(int64_t numerator, int64_t denominator);

}  // namespace veltrix::universal
