#include "core/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace veltrix {

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

class CodePageConverter {
 public:
  explicit CodePageConverter(const std::string& name) : handle_(iconv_open("UTF-8", name.c_str())) {
    if (handle_ == reinterpret_cast<iconv_t>(-1))
      throw std::invalid_argument("unknown code page: " + name);
  }
  ~CodePageConverter() { iconv_close(handle_); }
  CodePageConverter(const CodePageConverter&) = delete;
  CodePageConverter& operator=(const CodePageConverter&) = delete;

  // Converts as much of `in` as it can; returns false when the input stops at a byte that
  // is undefined (EILSEQ) or starts an incomplete sequence (EINVAL, in `incomplete`).
  bool Convert(std::string_view& in, std::string& out, bool& incomplete) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char buffer[256];
    while (!in.empty()) {
      char* source = const_cast<char*>(in.data());
      size_t sourceLeft = in.size();
      char* target = buffer;
      size_t targetLeft = sizeof buffer;
      size_t result = iconv(handle_, &source, &sourceLeft, &target, &targetLeft);
      int error = errno;
      out.append(buffer, static_cast<size_t>(target - buffer));
      in.remove_prefix(in.size() - sourceLeft);
      if (result == static_cast<size_t>(-1) && error != E2BIG) {
        incomplete = error == EINVAL;
        return false;
      }
    }
    return true;
  }

 private:
  iconv_t handle_;
};

CodePage::CodePage() : CodePage("WINDOWS-1252") {}

CodePage::CodePage(const std::string& name) : name_(name) {
  auto converter = std::make_unique<CodePageConverter>(name);
  for (int b = 0; b < 256; ++b) {
    char byte = static_cast<char>(b);
    std::string_view in(&byte, 1);
    std::string out;
    bool incomplete = false;
    if (converter->Convert(in, out, incomplete) && !out.empty()) {
      table_[b] = out;
    } else {
      if (incomplete) singleByte_ = false;
      table_[b].clear();
      AppendUtf8(table_[b], static_cast<char32_t>(b));
    }
  }
  // A multibyte code page converts each text with the converter opened here.
  if (!singleByte_) converter_ = std::move(converter);
}

CodePage::CodePage(const CodePage& other)
    : name_(other.name_), singleByte_(other.singleByte_), table_(other.table_) {
  if (other.converter_) converter_ = std::make_unique<CodePageConverter>(name_);
}

CodePage& CodePage::operator=(const CodePage& other) {
  if (this != &other) *this = CodePage(other);
  return *this;
}

CodePage::CodePage(CodePage&&) noexcept = default;
CodePage& CodePage::operator=(CodePage&&) noexcept = default;
CodePage::~CodePage() = default;

std::string CodePage::CharacterOf(unsigned char byte) const {
  return table_[byte];
}

std::string CodePage::ToUtf8(std::string_view bytes) const {
  std::string out;
  if (singleByte_) {
    out.reserve(bytes.size());
    for (unsigned char b : bytes) {
      if (b < 0x80 && table_[b].size() == 1)
        out.push_back(static_cast<char>(b));
      else
        out.append(table_[b]);
    }
    return out;
  }
  while (!bytes.empty()) {
    bool incomplete = false;
    if (converter_->Convert(bytes, out, incomplete)) break;
    // A byte the code page cannot take keeps its own code point; the rest goes on.
    AppendUtf8(out, static_cast<unsigned char>(bytes.front()));
    bytes.remove_prefix(1);
  }
  return out;
}

}  // namespace veltrix
