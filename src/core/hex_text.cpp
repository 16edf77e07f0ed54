#include "core/hex_text.h"

#include "core/failure.h"
#include "core/number_text.h"

namespace veltrix {

std::string HexText(const uint8_t* data, size_t count) {
  std::string text(count * 3, ' ');
  char* out = text.data();
  for (size_t i = 0; i < count; ++i, out += 3) WriteHexByte(out, data[i]);
  return text;
}

std::string_view Mid(std::string_view text, size_t start, size_t length) {
  if (start == 0) Raise(kInvalidCall);
  if (start > text.size()) return {};
  return text.substr(start - 1, length);
}

std::string_view Mid(std::string_view text, size_t start) {
  return Mid(text, start, std::string_view::npos);
}

std::string_view Right(std::string_view text, int64_t count) {
  if (count < 0) Raise(kInvalidCall);
  if (static_cast<size_t>(count) >= text.size()) return text;
  return text.substr(text.size() - static_cast<size_t>(count));
}

std::string_view ByteText(std::string_view hex, int k) {
  return HexRun(hex, k, 2);
}

std::string_view FromByte(std::string_view hex, int k) {
  if (k < 1) Raise(kInvalidCall);
  return Mid(hex, 3 * static_cast<size_t>(k) - 2);
}

std::string_view HexRun(std::string_view hex, int k, size_t n) {
  if (k < 1) Raise(kInvalidCall);
  return Mid(hex, 3 * static_cast<size_t>(k) - 2, n);
}

static int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

int DecimalOfByte(std::string_view hex, int k) {
  std::string_view digits = ByteText(hex, k);
  if (digits.empty()) Raise(kTypeMismatch);
  int value = 0;
  for (char c : digits) {
    int digit = HexDigitValue(c);
    if (digit < 0) Raise(kTypeMismatch);
    value = value * 16 + digit;
  }
  return value;
}

std::string DecimalText(std::string_view hex, int k) {
  return SignedNumberText(DecimalOfByte(hex, k));
}

int ValueOrZero(std::string_view hex, int k) {
  return ByteText(hex, k).empty() ? 0 : DecimalOfByte(hex, k);
}

std::string RawForm(std::string_view builtSoFar, std::string_view hex) {
  std::string text;
  text.reserve(builtSoFar.size() + 3 + hex.size());
  text.append(builtSoFar).append("F0 ").append(hex);
  return text;
}

}  // namespace veltrix
