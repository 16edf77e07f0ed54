#include "core/number_text.h"

#include <charconv>

namespace veltrix {

std::string PlainNumberText(int64_t value) {
  char buffer[24];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  (void)ec;
  return std::string(buffer, end);
}

std::string SignedNumberText(int64_t value) {
  char text[24];
  size_t at = 0;
  if (value >= 0) text[at++] = ' ';
  at += FormatDecimal(text + at, value);
  return std::string(text, at);
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
