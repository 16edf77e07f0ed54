#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Address tables of the XG parameter blocks: each row names the address-low bytes (byte 6) it
// covers, its label and how its value is written. Shared by the block decoders in this folder.

namespace veltrix::xg {

// Appends a parameter's value, read from the data bytes (byte 7 on), to the text.
using ValueWriter = void (*)(std::string& text, std::string_view hex);

// The decimal of byte 7; a missing byte is a failure.
void DecimalValue(std::string& text, std::string_view hex);
// The two digits of byte 7 as they stand (nothing when it is missing).
void HexByteValue(std::string& text, std::string_view hex);
// The two data bytes as hex with one blank between them: "01 40".
void TwoDataBytes(std::string& text, std::string_view hex);
// The four data bytes as hex with blanks between them: "00 04 00 00".
void FourDataBytes(std::string& text, std::string_view hex);
// The effect name of the type in bytes 7 and 8, possibly empty.
void EffectTypeValue(std::string& text, std::string_view hex);
// For rows whose label says everything.
void NoValue(std::string& text, std::string_view hex);

struct Row {
  uint8_t first;
  uint8_t last;
  std::string_view label;
  ValueWriter value;
  // When not 0, the label is followed by a computed parameter number and `separator`:
  // firstNumber at address `first`, one more every `addressesPerNumber` addresses.
  int firstNumber;
  int addressesPerNumber;
  std::string_view separator;
};

// One address with a label that ends in its own separator.
constexpr Row Fixed(uint8_t address, std::string_view label, ValueWriter value = DecimalValue) {
  return {address, address, label, value, 0, 1, {}};
}

// Several addresses sharing one label.
constexpr Row Span(uint8_t first, uint8_t last, std::string_view label, ValueWriter value) {
  return {first, last, label, value, 0, 1, {}};
}

// One parameter per address, numbered from firstNumber.
constexpr Row Numbered(uint8_t first, uint8_t last, std::string_view label, int firstNumber,
                       std::string_view separator, ValueWriter value = DecimalValue) {
  return {first, last, label, value, firstNumber, 1, separator};
}

// Parameters of two addresses each (the value spans two data bytes): both addresses of a
// pair show the same number, firstNumber for `first` and `first`+1.
constexpr Row NumberedPairs(uint8_t first, uint8_t last, std::string_view label, int firstNumber,
                            std::string_view separator, ValueWriter value) {
  return {first, last, label, value, firstNumber, 2, separator};
}

// True when the rows run in rising address order without overlapping, so that a table can be
// checked against its written form at compile time.
constexpr bool Ascending(std::span<const Row> rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].first > rows[i].last) return false;
    if (i > 0 && rows[i - 1].last >= rows[i].first) return false;
  }
  return true;
}

// The value of byte k when it reads as two upper-case hexadecimal digits, the form in which
// the decoders compare bytes; nothing when the byte is missing.
std::optional<int> HexDigitsValue(std::string_view hex, int k);

// The text built so far, then the label and value of the row holding byte 6; the raw form
// after the text built so far when no row holds it.
std::string RowText(std::span<const Row> rows, std::string_view hex, std::string built);

}  // namespace veltrix::xg
