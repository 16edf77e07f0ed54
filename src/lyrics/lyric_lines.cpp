#include "lyrics/lyric_lines.h"

#include <string_view>

namespace veltrix {

namespace {

enum class Mark { None, Line, Page, Blank };

constexpr Mark MarkOf(char c, BreakRules rules) {
  switch (rules) {
    case BreakRules::LineEnds:
      return c == '\r' ? Mark::Line : c == '\n' ? Mark::Page : Mark::None;
    case BreakRules::Marks:
      return c == '/'                ? Mark::Line
             : c == '<' || c == '\\' ? Mark::Page
             : c == '^'              ? Mark::Blank
                                     : Mark::None;
    case BreakRules::Kar:
      return c == '/' ? Mark::Line : c == '\\' ? Mark::Page : Mark::None;
  }
  return Mark::None;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Gathers the syllables of the line being sung and hands it on when it ends with text.
class LineCollector {
 public:
  explicit LineCollector(std::vector<LyricLine>& lines) : lines_(lines) {}

  void Syllable(const LyricText& from, std::string text) {
    if (text.empty()) return;
    // Blanks before a line's first words belong to no syllable anyone sings.
    if (line_.syllables.empty() && Trimmed(text).empty()) return;
    if (line_.syllables.empty()) {
      line_.tick = from.tick;
      line_.microseconds = from.microseconds;
    }
    line_.text += text;
    line_.syllables.push_back(
        {from.tick, from.microseconds, std::move(text), from.offset, from.row});
  }
  void EndLine() {
    if (!line_.syllables.empty()) {
      line_.text = std::string(Trimmed(line_.text));
      line_.paragraph = paragraphPending_;
      paragraphPending_ = false;
      lines_.push_back(std::move(line_));
    }
    line_ = {};
  }
  void EndPage() {
    EndLine();
    paragraphPending_ = true;
  }

 private:
  std::vector<LyricLine>& lines_;
  LyricLine line_;
  bool paragraphPending_ = true;
};

}  // namespace

std::vector<LyricLine> AssembleLines(const std::vector<LyricText>& texts, BreakRules rules) {
  std::vector<LyricLine> lines;
  LineCollector collector(lines);
  for (const LyricText& event : texts) {
    std::string piece;
    for (char c : event.text) {
      switch (MarkOf(c, rules)) {
        case Mark::None:
          piece.push_back(c);
          break;
        case Mark::Blank:
          piece.push_back(' ');
          break;
        case Mark::Line:
          collector.Syllable(event, std::move(piece));
          piece.clear();
          collector.EndLine();
          break;
        case Mark::Page:
          collector.Syllable(event, std::move(piece));
          piece.clear();
          collector.EndPage();
          break;
      }
    }
    collector.Syllable(event, std::move(piece));
  }
  collector.EndLine();
  return lines;
}

}  // namespace veltrix
