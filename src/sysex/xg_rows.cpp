#include "sysex/xg_rows.h"

#include "core/hex_text.h"
#include "core/number_text.h"
#include "yamaha/effect_type_names.h"

namespace veltrix::xg {

void DecimalValue(std::string& text, std::string_view hex) {
  text += DecimalText(hex, 7);
}

void HexByteValue(std::string& text, std::string_view hex) {
  text += ByteText(hex, 7);
}

void TwoDataBytes(std::string& text, std::string_view hex) {
  text += HexRun(hex, 7, 5);
}

void FourDataBytes(std::string& text, std::string_view hex) {
  text += HexRun(hex, 7, 11);
}

void EffectTypeValue(std::string& text, std::string_view hex) {
  text += EffectTypeName(hex);
}

void NoValue(std::string&, std::string_view) {}

static int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<int> HexDigitsValue(std::string_view hex, int k) {
  std::string_view digits = ByteText(hex, k);
  if (digits.size() != 2) return std::nullopt;
  int high = DigitValue(digits[0]);
  int low = DigitValue(digits[1]);
  if (high < 0 || low < 0) return std::nullopt;
  return high * 16 + low;
}

std::string RowText(std::span<const Row> rows, std::string_view hex, std::string built) {
  std::optional<int> address = HexDigitsValue(hex, 6);
  if (!address) return RawForm(built, hex);
  for (const Row& row : rows) {
    if (*address < row.first || *address > row.last) continue;
    built += row.label;
    if (row.firstNumber != 0) {
      built += SignedNumberText(row.firstNumber + (*address - row.first) / row.addressesPerNumber);
      built += row.separator;
    }
    row.value(built, hex);
    return built;
  }
  return RawForm(built, hex);
}

}  // namespace veltrix::xg
