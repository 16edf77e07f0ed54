#pragma once

#include <cctype>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace veltrix::style_test {

// A small reader of the lister's JSON output: objects, arrays and strings (with the escapes the
// writer uses). Enough to look at what veltrix-list printed without a JSON library.
struct JsonValue {
  enum class Kind { String, Array, Object } kind = Kind::String;
  std::string text;
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> members;

  const JsonValue& operator[](const std::string& key) const { return members.at(key); }
  const JsonValue& operator[](size_t index) const { return items.at(index); }
  size_t size() const { return kind == Kind::Array ? items.size() : members.size(); }
};

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  JsonValue Read() {
    JsonValue value = Value();
    Skip();
    if (at_ != text_.size()) throw std::runtime_error("trailing text in JSON");
    return value;
  }

 private:
  void Skip() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
  }
  char Next() {
    Skip();
    if (at_ >= text_.size()) throw std::runtime_error("JSON ends early");
    return text_[at_];
  }
  void Expect(char c) {
    if (Next() != c) throw std::runtime_error(std::string("JSON: expected ") + c);
    ++at_;
  }
  JsonValue Value() {
    char c = Next();
    if (c == '{') return Object();
    if (c == '[') return Array();
    JsonValue value;
    value.text = String();
    return value;
  }
  JsonValue Object() {
    JsonValue value;
    value.kind = JsonValue::Kind::Object;
    Expect('{');
    if (Next() == '}') return ++at_, value;
    while (true) {
      std::string key = String();
      Expect(':');
      value.members[key] = Value();
      if (Next() == '}') return ++at_, value;
      Expect(',');
    }
  }
  JsonValue Array() {
    JsonValue value;
    value.kind = JsonValue::Kind::Array;
    Expect('[');
    if (Next() == ']') return ++at_, value;
    while (true) {
      value.items.push_back(Value());
      if (Next() == ']') return ++at_, value;
      Expect(',');
    }
  }
  std::string String() {
    Expect('"');
    std::string out;
    while (at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (c != '\\') {
        out.push_back(c);
        continue;
      }
      char escape = text_.at(at_++);
      switch (escape) {
        case 'n':
          out.push_back('\n');
          break;
        case 'r':
          out.push_back('\r');
          break;
        case 't':
          out.push_back('\t');
          break;
        case 'u':
          out.push_back(
              static_cast<char>(std::stoi(std::string(text_.substr(at_, 4)), nullptr, 16)));
          at_ += 4;
          break;
        default:
          out.push_back(escape);
      }
    }
    Expect('"');
    return out;
  }

  std::string_view text_;
  size_t at_ = 0;
};

}  // namespace veltrix::style_test
