#include "core/hex_text.h"
#include "sysex/keyboard_groups.h"

namespace veltrix::keyboard {
namespace {

// How the value after a special operator's label is shown.
enum class OperatorValue { kDecimal, kStyleNumber };

struct SpecialOperator {
  std::string_view byte;
  std::string_view label;
  OperatorValue value;
};

// Byte 6 of a special operator message (byte 4 = 11).
constexpr SpecialOperator kSpecialOperators[] = {
    {"45", "Vol & Expression & Pan & Realtime Control Off (Voice Reserve)",
     OperatorValue::kDecimal},
    {"47", "Midi Key Led Mode On/Off", OperatorValue::kDecimal},
    {"16", "Style Number", OperatorValue::kStyleNumber},
};

// Byte 5 must be 00 to 0F for byte 6 to name an operator.
bool IsOperatorBank(std::string_view byte) {
  if (byte.size() != 2 || byte[0] != '0') return false;
  char digit = byte[1];
  return (digit >= '0' && digit <= '9') || (digit >= 'A' && digit <= 'F');
}

}  // namespace

std::string SpecialOperatorText(std::string_view hex) {
  std::string text = std::string("Special Operators").append(kEquals).append(HexRun(hex, 5, 6));
  if (!IsOperatorBank(ByteText(hex, 5))) return RawForm(text, hex);
  std::string_view operation = ByteText(hex, 6);
  for (const SpecialOperator& row : kSpecialOperators) {
    if (row.byte != operation) continue;
    text.append(row.label).append(kEquals);
    // The style number shows byte 7, its blank and the first digit of byte 8.
    if (row.value == OperatorValue::kStyleNumber) return text.append(HexRun(hex, 7, 4));
    return text.append(DecimalText(hex, 7));
  }
  return RawForm(text, hex);
}

}  // namespace veltrix::keyboard
