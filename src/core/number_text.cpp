#include "core/number_text.h"

#include <charconv>

namespace veltrix {

std::string PlainNumberText(int64_t value) {
  char buffer[24];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  (void)ec;
  return std::string(buffer, end);
}

namespace {

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The decimal digits of a value, padded with leading zeros to `width`, with its sign. Two
// digits a step: the listing writes several numbers for every event.
size_t WriteDigits(char* out, int64_t value, int width) {
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  int digits = 1;
  for (uint64_t power = 10; digits < 20 && magnitude >= power; power *= 10) ++digits;
  size_t at = 0;
  if (value < 0) out[at++] = '-';
  for (int zeros = width - digits; zeros > 0; --zeros) out[at++] = '0';
  at += static_cast<size_t>(digits);
  // The digits are written from the last one back, straight into `out`.
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

}  // namespace

size_t FormatDecimal(char* out, int64_t value) {
  return WriteDigits(out, value, 1);
}

size_t FormatZeroPadded(char* out, int64_t value, int width) {
  return WriteDigits(out, value, width);
}

std::string SignedNumberText(int64_t value) {
  char text[24];
  size_t at = 0;
  if (value >= 0) text[at++] = ' ';
  at += FormatDecimal(text + at, value);
  return std::string(text, at);
}

void AppendHexByte(std::string& out, uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  out.push_back(kDigits[byte >> 4]);
  out.push_back(kDigits[byte & 0x0F]);
}

std::string HexByteText(uint8_t byte) {
  std::string text;
  AppendHexByte(text, byte);
  return text;
}

std::string ZeroPadded(int64_t value, int width) {
  std::string digits = PlainNumberText(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return value < 0 ? "-" + digits : digits;
}

std::string PadLeft(std::string_view text, size_t width) {
  std::string out;
  if (text.size() < width) out.assign(width - text.size(), ' ');
  out.append(text);
  return out;
}

std::string PadRight(std::string_view text, size_t width) {
  std::string out(text);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

std::string FileNamePart(std::string_view path) {
  size_t cut = path.find_last_of("/\\");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace veltrix
