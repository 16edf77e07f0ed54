// Writes the man pages and the manual with its command-line chapter from the programs'
// --help texts:
//   veltrix-docgen man veltrix|veltrix-list VERSION OUTPUT.1
//   veltrix-docgen manual MANUAL.md OUTPUT.md
//   veltrix-docgen completion OUTPUT   (bash completion for veltrix-list)
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>

#include "core/program_help.h"
#include "manual/help_pages.h"

namespace {

// The code pages offered after --codepage: those of the window's Text Encoding menu.
constexpr const char* kCodePageWords = "WINDOWS-1252 SHIFT_JIS WINDOWS-1250 WINDOWS-1251 UTF-8";

void Write(const char* path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  if (!out) throw std::runtime_error(std::string("cannot write ") + path);
}

std::string Read(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(std::string("cannot read ") + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  using namespace veltrix::manual;
  const std::string command = argc > 1 ? argv[1] : "";
  try {
    const HelpPage window = ReadHelpText(veltrix::kWindowHelpText);
    const HelpPage lister = ReadHelpText(veltrix::kListerHelp);
    if (command == "man" && argc == 5) {
      const std::string program = argv[2];
      if (program != window.program && program != lister.program)
        throw std::invalid_argument("no help text for " + program);
      const HelpPage& page = program == window.program ? window : lister;
      const std::string other = program == window.program ? lister.program : window.program;
      Write(argv[4], ManPage(page, argv[3], {other}));
      return 0;
    }
    if (command == "completion" && argc == 3) {
      Write(argv[2], BashCompletion(lister, {{"--codepage", kCodePageWords}}));
      return 0;
    }
    if (command == "manual" && argc == 4) {
      Write(argv[3], WithChapter(Read(argv[2]), ManualChapter({window, lister})));
      return 0;
    }
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "veltrix-docgen: %s\n", failure.what());
    return 1;
  }
  std::fprintf(stderr,
               "usage: veltrix-docgen man PROGRAM VERSION OUTPUT.1\n"
               "       veltrix-docgen manual MANUAL.md OUTPUT.md\n"
               "       veltrix-docgen completion OUTPUT\n");
  return 2;
}
