#pragma once

#include <string>
#include <vector>

namespace veltrix::manual {

// A program's --help text read into its parts (the form is described in core/program_help.h).
struct HelpOption {
  std::string name;  // the option with its argument, e.g. "--view midi|casm|ots|mfd"
  std::string text;
};

struct HelpParagraph {
  bool list = false;               // entries of one line each, e.g. "tsv: ..."
  std::vector<std::string> items;  // one for a plain paragraph; lines joined by blanks
};

struct HelpPage {
  std::string program;
  std::vector<std::string> synopsis;  // without "Usage: " and the indent
  std::string summary;
  std::vector<HelpOption> options;
  std::vector<HelpParagraph> paragraphs;
  std::string exitStatus;  // without "Exit status: "
};

// Throws std::invalid_argument when the text does not have the form.
HelpPage ReadHelpText(const std::string& text);

// The page as a man page of section 1, in roff.
std::string ManPage(const HelpPage& page, const std::string& version,
                    const std::vector<std::string>& seeAlso);

// The pages as the manual's command-line chapter, in Markdown.
std::string ManualChapter(const std::vector<HelpPage>& pages);

// A bash completion for the page's program: its options, the choices of an option whose
// argument lists them ("midi|casm"), folders for FOLDER, files for FILE and the operands, and
// the words of `choices` for an option named there.
struct CompletionChoices {
  const char* option;
  const char* words;
};
std::string BashCompletion(const HelpPage& page, const std::vector<CompletionChoices>& choices);

// `manual` with its marker line replaced by `chapter`; throws when the marker is missing.
inline constexpr const char* kChapterMarker = "<!-- command-line chapter -->";
std::string WithChapter(const std::string& manual, const std::string& chapter);

}  // namespace veltrix::manual
