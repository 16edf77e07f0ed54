#pragma once

// Turns a fuzz input into the hex text a decoder reads. The first byte chooses how:
//   0 mod 4: the rest are the message's bytes;
//   1 mod 4: the rest is a text whose pairs of hexadecimal digits are the bytes (anything else
//            in it is passed over), so the dictionary's header texts take effect;
//   2, 3 mod 4: one of the known headers, chosen by the first byte, then the rest's bytes.
// The decoders only ever get texts that HexText made, and so does every target.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/hex_text.h"

namespace veltrix::fuzz {

using Header = std::vector<uint8_t>;

inline int HexDigitValue(uint8_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

inline std::vector<uint8_t> BytesOfHexText(const uint8_t* text, size_t size) {
  std::vector<uint8_t> bytes;
  int high = -1;
  for (size_t i = 0; i < size; ++i) {
    int digit = HexDigitValue(text[i]);
    if (digit < 0) {
      high = -1;
      continue;
    }
    if (high < 0) {
      high = digit;
    } else {
      bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
      high = -1;
    }
  }
  return bytes;
}

inline std::string HexTextOfInput(const uint8_t* data, size_t size,
                                  const std::vector<Header>& headers) {
  if (size == 0) return {};
  const uint8_t mode = data[0];
  const uint8_t* rest = data + 1;
  const size_t restSize = size - 1;
  std::vector<uint8_t> bytes;
  switch (mode % 4) {
    case 0:
      bytes.assign(rest, rest + restSize);
      break;
    case 1:
      bytes = BytesOfHexText(rest, restSize);
      break;
    default:
      bytes = headers[(mode / 4) % headers.size()];
      bytes.insert(bytes.end(), rest, rest + restSize);
      break;
  }
  return HexText(bytes.data(), bytes.size());
}

}  // namespace veltrix::fuzz
