// The man pages and the manual's command-line chapter are written from the --help texts:
// every option, form and paragraph of a text reaches both, with nothing marked up by
// accident.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

#include "cli/lister.h"
#include "core/program_help.h"
#include "manual/help_pages.h"

namespace veltrix::manual {
namespace {

TEST(HelpPages, ReadsBothHelpTexts) {
  const HelpPage lister = ReadHelpText(kListerHelp);
  EXPECT_EQ(lister.program, "veltrix-list");
  ASSERT_EQ(lister.synopsis.size(), 2u);
  EXPECT_EQ(lister.synopsis[1], "veltrix-list [OPTIONS] --recursive FOLDER");
  // One option for each line that starts with two blanks and a dash.
  size_t optionLines = 0;
  for (const char* line = kListerHelp; line != nullptr; line = std::strchr(line, '\n')) {
    if (*line == '\n') ++line;
    if (std::strncmp(line, "  -", 3) == 0) ++optionLines;
  }
  ASSERT_EQ(lister.options.size(), optionLines);
  EXPECT_EQ(lister.options[3].name, "--format tsv|csv|json|jsonl");
  EXPECT_EQ(lister.options[3].text, "output format (default tsv)");
  ASSERT_FALSE(lister.paragraphs.empty());
  EXPECT_TRUE(lister.paragraphs[0].list);
  ASSERT_GE(lister.paragraphs[0].items.size(), 4u);
  EXPECT_EQ(lister.paragraphs[0].items[1],
            "csv: RFC 4180. With tsv and csv the messages the window would show in message "
            "boxes go to standard error, one a line.");
  EXPECT_EQ(lister.exitStatus.substr(0, 7), "0 when ");

  const HelpPage window = ReadHelpText(kWindowHelpText);
  EXPECT_EQ(window.program, "veltrix");
  EXPECT_EQ(window.options.back().name, "--");
  EXPECT_FALSE(window.exitStatus.empty());
}

TEST(HelpPages, RefusesAnotherForm) {
  EXPECT_THROW(ReadHelpText("veltrix [FILE]\n"), std::invalid_argument);
  EXPECT_THROW(ReadHelpText("Usage: x\nDoes.\n\n  --a b\n"), std::invalid_argument);
}

TEST(HelpPages, ManPageEscapesAndKeepsEveryOption) {
  const HelpPage lister = ReadHelpText(kListerHelp);
  const std::string page = ManPage(lister, "2.0.1", {"veltrix"});
  EXPECT_EQ(page.rfind(".TH VELTRIX\\-LIST 1 ", 0), 0u);
  EXPECT_NE(page.find("veltrix\\-list \\- lists Standard MIDI Files"), std::string::npos);
  EXPECT_NE(page.find("\\fB\\-\\-format\\fR\\fI tsv|csv|json|jsonl\\fR"), std::string::npos);
  EXPECT_NE(page.find("written \\et, \\er, \\en, \\e\\e."), std::string::npos);
  EXPECT_NE(page.find(".SH EXIT STATUS\n0 when"), std::string::npos);
  // Every line is a request or text; no text line starts as a request would.
  size_t start = 0;
  while (start < page.size()) {
    const size_t end = page.find('\n', start);
    const std::string line = page.substr(start, end - start);
    if (!line.empty() && line[0] == '.') {
      EXPECT_TRUE(isupper(line[1]) || line[1] == 'n' || line[1] == 'f') << line;
    }
    start = end + 1;
  }
}

TEST(HelpPages, ManualChapterTakesThePlaceOfItsMarker) {
  const std::string chapter =
      ManualChapter({ReadHelpText(kWindowHelpText), ReadHelpText(kListerHelp)});
  EXPECT_NE(chapter.find("- `--mark-running-status`: append \\* to events"), std::string::npos);
  EXPECT_NE(chapter.find("- **tsv**: a header line"), std::string::npos);
  EXPECT_LT(chapter.find("### veltrix\n"), chapter.find("### veltrix-list\n"));
  const std::string manual =
      WithChapter(std::string("# M\n\n") + kChapterMarker + "\n\n## Next\n", chapter);
  EXPECT_EQ(manual, "# M\n\n" + chapter + "\n## Next\n");
  EXPECT_THROW(WithChapter("# M\n", chapter), std::invalid_argument);
}

TEST(HelpPages, BashCompletionOffersEveryOptionAndItsChoices) {
  const HelpPage lister = ReadHelpText(kListerHelp);
  const std::string script = BashCompletion(lister, {{"--codepage", "UTF-8 SHIFT_JIS"}});
  for (const HelpOption& option : lister.options)
    EXPECT_NE(script.find(" " + option.name.substr(0, option.name.find(' '))), std::string::npos)
        << option.name;
  EXPECT_NE(script.find("--view) COMPREPLY=($(compgen -W \"midi casm ots mfd\""),
            std::string::npos);
  EXPECT_NE(script.find("--codepage) COMPREPLY=($(compgen -W \"UTF-8 SHIFT_JIS\""),
            std::string::npos);
  EXPECT_NE(script.find("--recursive) COMPREPLY=($(compgen -d "), std::string::npos);
  EXPECT_NE(script.find("complete -o filenames -F _veltrix_list veltrix-list\n"),
            std::string::npos);
}

}  // namespace
}  // namespace veltrix::manual
