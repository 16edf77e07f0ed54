#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace veltrix {

class CodePageConverter;

// Turns the text bytes of a file (meta-event texts, style-section names) into UTF-8 through
// a code page, windows-1252 unless the user chose another. Bytes the code page leaves
// undefined become the character with the same code point, so no byte is ever lost.
class CodePage {
 public:
  CodePage();                                  // windows-1252
  explicit CodePage(const std::string& name);  // throws std::invalid_argument when unknown
  // A copy opens a converter of its own, so copies can be used on different threads.
  CodePage(const CodePage& other);
  CodePage& operator=(const CodePage& other);
  CodePage(CodePage&&) noexcept;
  CodePage& operator=(CodePage&&) noexcept;
  ~CodePage();
  const std::string& name() const { return name_; }
  std::string ToUtf8(std::string_view bytes) const;
  // The character of one byte, as the rules that take "the character whose code is b" need.
  std::string CharacterOf(unsigned char byte) const;

 private:
  std::string name_;
  bool singleByte_ = true;
  std::array<std::string, 256> table_;  // UTF-8 of each byte, for single-byte code pages
  // For a multibyte code page: the converter, opened once and used for every text.
  std::unique_ptr<CodePageConverter> converter_;
};

// UTF-8 of a Unicode code point.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace veltrix
