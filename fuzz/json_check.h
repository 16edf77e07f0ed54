#pragma once

// A strict JSON checker: one value, then only white space; strings of valid UTF-8 with no raw
// control characters and only the escapes JSON knows. It says where the text first goes
// wrong, so a finding points at the writer's fault.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace veltrix::fuzz {

class JsonCheck {
 public:
  // Empty when `text` is one well-formed JSON value, else what is wrong and where.
  static std::string Problem(std::string_view text) {
    JsonCheck check(text);
    if (!check.Value(0)) return check.problem_;
    check.Space();
    if (check.at_ != text.size()) check.Wrong("text after the value");
    return check.problem_;
  }

 private:
  explicit JsonCheck(std::string_view text) : text_(text) {}

  static constexpr int kMaxDepth = 64;

  bool Wrong(const char* what) {
    if (problem_.empty()) problem_ = std::string(what) + " at byte " + std::to_string(at_);
    return false;
  }
  void Space() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }
  bool Literal(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return Wrong("unknown word");
    at_ += word.size();
    return true;
  }
  bool Value(int depth) {
    if (depth > kMaxDepth) return Wrong("nesting too deep");
    Space();
    if (at_ >= text_.size()) return Wrong("value missing");
    switch (text_[at_]) {
      case '{':
        return Object(depth);
      case '[':
        return Array(depth);
      case '"':
        return String();
      case 't':
        return Literal("true");
      case 'f':
        return Literal("false");
      case 'n':
        return Literal("null");
      default:
        return Number();
    }
  }
  bool Object(int depth) {
    ++at_;
    Space();
    if (at_ < text_.size() && text_[at_] == '}') return ++at_, true;
    while (true) {
      Space();
      if (at_ >= text_.size() || text_[at_] != '"') return Wrong("member name missing");
      if (!String()) return false;
      Space();
      if (at_ >= text_.size() || text_[at_] != ':') return Wrong("':' missing");
      ++at_;
      if (!Value(depth + 1)) return false;
      Space();
      if (at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        continue;
      }
      if (at_ < text_.size() && text_[at_] == '}') return ++at_, true;
      return Wrong("',' or '}' missing");
    }
  }
  bool Array(int depth) {
    ++at_;
    Space();
    if (at_ < text_.size() && text_[at_] == ']') return ++at_, true;
    while (true) {
      if (!Value(depth + 1)) return false;
      Space();
      if (at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        continue;
      }
      if (at_ < text_.size() && text_[at_] == ']') return ++at_, true;
      return Wrong("',' or ']' missing");
    }
  }
  bool Digits() {
    size_t start = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    return at_ > start;
  }
  bool Number() {
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    if (at_ < text_.size() && text_[at_] == '0')
      ++at_;
    else if (!Digits())
      return Wrong("not a value");
    if (at_ < text_.size() && text_[at_] == '.') {
      ++at_;
      if (!Digits()) return Wrong("digits missing after '.'");
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
      if (!Digits()) return Wrong("digits missing in the exponent");
    }
    return true;
  }
  static bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  }
  // One UTF-8 character of two to four bytes, its lead byte at at_: the shortest form of a
  // code point up to U+10FFFF that is not a surrogate.
  bool Utf8() {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text_[at_ + i]); };
    const uint8_t lead = byte(0);
    size_t length;
    uint32_t point;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, point = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, point = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, point = lead & 0x07u;
    } else {
      return Wrong("byte that starts no UTF-8 character");
    }
    if (at_ + length > text_.size()) return Wrong("UTF-8 character cut off");
    for (size_t i = 1; i < length; ++i) {
      if ((byte(i) & 0xC0) != 0x80) return Wrong("UTF-8 continuation byte missing");
      point = (point << 6) | (byte(i) & 0x3Fu);
    }
    if ((length == 3 && point < 0x800) || (length == 4 && point < 0x10000) || point > 0x10FFFF ||
        (point >= 0xD800 && point <= 0xDFFF))
      return Wrong("UTF-8 character in an invalid form");
    at_ += length;
    return true;
  }
  bool String() {
    ++at_;
    while (true) {
      if (at_ >= text_.size()) return Wrong("string not closed");
      const auto c = static_cast<uint8_t>(text_[at_]);
      if (c == '"') return ++at_, true;
      if (c < 0x20) return Wrong("raw control character in a string");
      if (c >= 0x80) {
        if (!Utf8()) return false;
        continue;
      }
      ++at_;
      if (c != '\\') continue;
      if (at_ >= text_.size()) return Wrong("escape cut off");
      const char escape = text_[at_++];
      if (escape == 'u') {
        for (int i = 0; i < 4; ++i, ++at_)
          if (at_ >= text_.size() || !IsHex(text_[at_])) return Wrong("bad \\u escape");
      } else if (std::string_view("\"\\/bfnrt").find(escape) == std::string_view::npos) {
        return Wrong("unknown escape");
      }
    }
  }

  std::string_view text_;
  size_t at_ = 0;
  std::string problem_;
};

}  // namespace veltrix::fuzz
