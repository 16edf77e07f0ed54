#include "universal/value_text.h"

#include <cstdlib>

#include "core/number_text.h"

namespace veltrix::universal {

std::string WithSign(int64_t value) {
  std::string text(value >= 0 ? "+" : "");
  return text.append(std::to_string(value));
}

std::string HundredthsText(int64_t hundredths) {
  const int64_t size = std::llabs(hundredths);
  std::string text(hundredths >= 0 ? "+" : "-");
  return text.append(std::to_string(size / 100)).append(".").append(ZeroPadded(size % 100, 2));
}

std::string HexBytes(std::span<const uint8_t> bytes) {
  std::string text;
  for (uint8_t byte : bytes) {
    if (!text.empty()) text.push_back(' ');
    AppendHexByte(text, byte);
  }
  return text;
}

int64_t RoundedQuotient(int64_t numerator, int64_t denominator) {
  const int64_t half = denominator / 2;
  return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

}  // namespace veltrix::universal
