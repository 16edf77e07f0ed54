#include "manual/help_pages.h"

#include <sstream>
#include <stdexcept>

namespace veltrix::manual {

namespace {

constexpr size_t kOptionColumn = 30;  // two blanks, 27 for the option, one blank
constexpr const char* kUsage = "Usage: ";
constexpr const char* kExitStatus = "Exit status: ";

bool StartsWith(const std::string& text, const std::string& lead) {
  return text.compare(0, lead.size(), lead) == 0;
}

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text.push_back(' ');
    text += Trim(line);
  }
  return text;
}

// A list entry "term: text", where the term is one word.
bool SplitTerm(const std::string& item, std::string& term, std::string& text) {
  const size_t colon = item.find(": ");
  if (colon == std::string::npos || item.find(' ') < colon) return false;
  term = item.substr(0, colon);
  text = item.substr(colon + 2);
  return true;
}

// Text for roff: backslashes and minus signs escaped, no line starting with a control
// character.
std::string Roff(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out.push_back(c);
    }
  }
  if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
  return out;
}

// Text for Markdown: the characters that would mark it up are escaped.
std::string Markdown(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (std::string_view("\\`*_[]<>#|").find(c) != std::string_view::npos) out.push_back('\\');
    out.push_back(c);
  }
  return out;
}

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

HelpPage ReadHelpText(const std::string& text) {
  const std::vector<std::string> lines = Lines(text);
  HelpPage page;
  size_t i = 0;
  for (; i < lines.size(); ++i) {
    if (StartsWith(lines[i], kUsage)) {
      page.synopsis.push_back(lines[i].substr(std::string(kUsage).size()));
    } else if (!page.synopsis.empty() && StartsWith(lines[i], "       ")) {
      page.synopsis.push_back(Trim(lines[i]));
    } else {
      break;
    }
  }
  if (page.synopsis.empty() || i >= lines.size())
    throw std::invalid_argument("the help text does not start with a usage line");
  page.program = page.synopsis.front().substr(0, page.synopsis.front().find(' '));
  page.summary = lines[i++];
  if (i < lines.size() && lines[i].empty()) ++i;
  for (; i < lines.size() && StartsWith(lines[i], "  -"); ++i) {
    if (lines[i].size() <= kOptionColumn || lines[i][kOptionColumn - 1] != ' ')
      throw std::invalid_argument("an option line without its text: " + lines[i]);
    page.options.push_back(
        {Trim(lines[i].substr(2, kOptionColumn - 3)), lines[i].substr(kOptionColumn)});
  }
  std::vector<std::string> block;
  auto endBlock = [&] {
    if (block.empty()) return;
    if (StartsWith(block.front(), kExitStatus)) {
      block.front().erase(0, std::string(kExitStatus).size());
      page.exitStatus = Joined(block);
    } else {
      HelpParagraph paragraph;
      for (size_t line = 1; line < block.size(); ++line)
        if (StartsWith(block[line], " ")) paragraph.list = true;
      if (paragraph.list) {
        for (const std::string& line : block) {
          if (StartsWith(line, " ")) {
            paragraph.items.back() += ' ' + Trim(line);
          } else {
            paragraph.items.push_back(line);
          }
        }
      } else {
        paragraph.items.push_back(Joined(block));
      }
      page.paragraphs.push_back(paragraph);
    }
    block.clear();
  };
  for (; i < lines.size(); ++i) {
    if (lines[i].empty()) {
      endBlock();
    } else {
      block.push_back(lines[i]);
    }
  }
  endBlock();
  return page;
}

std::string ManPage(const HelpPage& page, const std::string& version,
                    const std::vector<std::string>& seeAlso) {
  std::string summary = page.summary;
  if (!summary.empty() && summary.back() == '.') summary.pop_back();
  if (!summary.empty() && summary[0] >= 'A' && summary[0] <= 'Z') summary[0] += 'a' - 'A';

  std::string out;
  out += ".TH " + Roff(Upper(page.program)) + " 1 \"\" \"Veltrix " + version +
         "\" \"User Commands\"\n";
  out += ".SH NAME\n" + Roff(page.program) + " \\- " + Roff(summary) + "\n";
  out += ".SH SYNOPSIS\n.nf\n";
  for (const std::string& line : page.synopsis) {
    const size_t blank = line.find(' ');
    out += "\\fB" + Roff(line.substr(0, blank)) + "\\fR";
    if (blank != std::string::npos) out += Roff(line.substr(blank));
    out += '\n';
  }
  out += ".fi\n.SH DESCRIPTION\n" + Roff(page.summary) + "\n";
  for (const HelpParagraph& paragraph : page.paragraphs) {
    for (const std::string& item : paragraph.items) {
      std::string term, text;
      if (paragraph.list && SplitTerm(item, term, text)) {
        out += ".TP\n.B " + Roff(term) + "\n" + Roff(text) + "\n";
      } else {
        out += ".PP\n" + Roff(item) + "\n";
      }
    }
  }
  out += ".SH OPTIONS\n";
  for (const HelpOption& option : page.options) {
    const size_t blank = option.name.find(' ');
    out += ".TP\n\\fB" + Roff(option.name.substr(0, blank)) + "\\fR";
    if (blank != std::string::npos) out += "\\fI" + Roff(option.name.substr(blank)) + "\\fR";
    out += "\n" + Roff(option.text) + "\n";
  }
  if (!page.exitStatus.empty()) out += ".SH EXIT STATUS\n" + Roff(page.exitStatus) + "\n";
  out += ".SH SEE ALSO\n";
  for (size_t i = 0; i < seeAlso.size(); ++i)
    out += ".BR " + Roff(seeAlso[i]) + " (1)" + (i + 1 < seeAlso.size() ? "," : "") + "\n";
  out += ".PP\nThe manual, Veltrix.pdf, in the documentation folder (/usr/share/doc/veltrix).\n";
  return out;
}

std::string ManualChapter(const std::vector<HelpPage>& pages) {
  std::string out = "## Command line\n\n";
  for (const HelpPage& page : pages) {
    out += "### " + Markdown(page.program) + "\n\n";
    for (const std::string& line : page.synopsis) out += "    " + line + "\n";
    out += "\n" + Markdown(page.summary) + "\n\n";
    for (const HelpOption& option : page.options)
      out += "- `" + option.name + "`: " + Markdown(option.text) + "\n";
    out += "\n";
    for (const HelpParagraph& paragraph : page.paragraphs) {
      for (const std::string& item : paragraph.items) {
        std::string term, text;
        if (paragraph.list && SplitTerm(item, term, text)) {
          out += "- **" + Markdown(term) + "**: " + Markdown(text) + "\n";
        } else {
          out += Markdown(item) + "\n\n";
        }
      }
      if (paragraph.list) out += "\n";
    }
    if (!page.exitStatus.empty()) out += "Exit status: " + Markdown(page.exitStatus) + "\n\n";
  }
  return out;
}

std::string BashCompletion(const HelpPage& page, const std::vector<CompletionChoices>& choices) {
  std::string function = "_" + page.program;
  for (char& c : function)
    if (c == '-') c = '_';
  std::string out = "# bash completion for " + page.program + ", written from its --help text\n";
  out += function + "() {\n";
  out += "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n";
  out += "  case $prev in\n";
  std::string words;
  for (const HelpOption& option : page.options) {
    const size_t blank = option.name.find(' ');
    const std::string name = option.name.substr(0, blank);
    if (name == "--") continue;
    words += (words.empty() ? "" : " ") + name;
    if (blank == std::string::npos) continue;
    std::string argument = option.name.substr(blank + 1);
    std::string reply;
    for (const CompletionChoices& choice : choices)
      if (name == choice.option) reply = "compgen -W \"" + std::string(choice.words) + "\"";
    if (reply.empty() && argument.find('|') != std::string::npos) {
      for (char& c : argument)
        if (c == '|') c = ' ';
      reply = "compgen -W \"" + argument + "\"";
    }
    if (reply.empty() && argument == "FOLDER") reply = "compgen -d";
    if (reply.empty() && argument.rfind("FILE", 0) == 0) reply = "compgen -f";
    out += "    " + name + ")";
    if (!reply.empty()) out += " COMPREPLY=($(" + reply + " -- \"$cur\"));";
    out += " return ;;\n";
  }
  out += "  esac\n";
  out += "  if [[ $cur == -* ]]; then\n";
  out += "    COMPREPLY=($(compgen -W \"" + words + "\" -- \"$cur\"))\n";
  out += "    return\n";
  out += "  fi\n";
  out += "  COMPREPLY=($(compgen -f -- \"$cur\"))\n";
  out += "}\n";
  out += "complete -o filenames -F " + function + " " + page.program + "\n";
  return out;
}

std::string WithChapter(const std::string& manual, const std::string& chapter) {
  const size_t marker = manual.find(kChapterMarker);
  if (marker == std::string::npos)
    throw std::invalid_argument("the manual has no command-line chapter marker");
  size_t end = manual.find('\n', marker);
  end = end == std::string::npos ? manual.size() : end + 1;
  return manual.substr(0, marker) + chapter + manual.substr(end);
}

}  // namespace veltrix::manual
