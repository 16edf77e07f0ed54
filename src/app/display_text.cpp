#include "app/display_text.h"

namespace veltrix::app {

QString DisplayText(std::string_view cell) {
  while (!cell.empty() && cell.back() == '\0') cell.remove_suffix(1);
  QString text = QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
  for (QChar& c : text) {
    const char16_t code = c.unicode();
    if (code < 0x20)
      c = QChar(static_cast<char16_t>(0x2400 + code));
    else if (code == 0x7F)
      c = QChar(char16_t{0x2421});
    else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
      c = u' ';
  }
  return text;
}

}  // namespace veltrix::app
