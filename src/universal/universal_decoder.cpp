#include "universal/universal_decoder.h"

#include "universal/value_text.h"

namespace veltrix::universal {

std::optional<std::string> DecodeUniversal(const MessageBytes& message) {
  const std::optional<uint8_t> id = message.At(0);
  if (id == 0x7E) return DecodeNonRealTime(message);
  if (id == 0x7F) return DecodeRealTime(message);
  if (id == 0x41) return DecodeGs(message);
  return std::nullopt;
}

std::optional<std::string> NoteTuningChanges(const MessageBytes& message, size_t countAt) {
  const std::optional<uint8_t> count = message.At(countAt);
  if (!count || *count == 0 || message.size() < countAt + 1 + size_t{4} * *count)
    return std::nullopt;
  std::string text;
  for (size_t at = countAt + 1; at < countAt + 1 + size_t{4} * *count; at += 4) {
    const uint8_t key = *message.At(at);
    const uint8_t semitone = *message.At(at + 1);
    const int fraction = (*message.At(at + 2) << 7) | *message.At(at + 3);
    text += ", note " + std::to_string(key) + " = ";
    if (semitone == 0x7F && fraction == 0x3FFF) {
      text += "unchanged";
      continue;
    }
    // The fraction counts 1/16384 of a semitone up from the semitone: 100 cents.
    text += std::to_string(semitone) + " " +
            HundredthsText(RoundedQuotient(fraction * 10000, 16384)) + " cents";
  }
  return text;
}

}  // namespace veltrix::universal
