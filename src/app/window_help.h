#pragma once

// The window's --help text. It and the lister's (kListerHelp) are the one source of the
// programs' command lines: the man pages and the manual's command-line chapter are written
// from them at build time, so the three always agree. Plain C++, for the page writer too.
//
// Their form, which the page writer reads: "Usage: " lines (further forms indented to line
// up), one line that says what the program does, a blank line, the options (two blanks, the
// option padded to 27 columns, a blank, its text), then paragraphs separated by blank lines.
// A paragraph whose later lines are indented is a list with one entry per unindented line;
// the paragraph that starts with "Exit status: " is the exit status.

namespace veltrix::app {

inline constexpr char kWindowHelpText[] =
    "Usage: veltrix [OPTIONS] [FILE...]\n"
    "Shows Standard MIDI Files and keyboard style files in a window, one event a row.\n"
    "\n"
    "  --quit-after-load           end once the file is listed\n"
    "  --screenshot FILE.png       save the window with the file listed as a PNG picture and end\n"
    "  --filter TEXT               put TEXT in the filter bar once the file is listed\n"
    "  --detail ROW                show the event detail pane for shown row ROW (from 1)\n"
    "  --view midi|casm|ots|mfd    switch to this view once the file is listed\n"
    "  --version                   show the program's name and version\n"
    "  --help                      show this text\n"
    "  --                          take the words that follow as FILE, even from --\n"
    "\n"
    "FILE is listed as the Open command lists a file. A FILE whose name has blanks may be\n"
    "given as one word or as several. When several files are given, the first is listed\n"
    "and a message names the others, which are not opened.\n"
    "\n"
    "The window keeps its size and place, its panes, the column widths of each view, the\n"
    "Open dialog's last folder, the text encoding and the last eight files listed (Options >\n"
    "Recent Files) in ~/.config/Veltrix/Veltrix.conf. Decode Sysex Commands, Hide Gridlines\n"
    "and the running-status mark start every run as at the first. Runs with --screenshot or\n"
    "--quit-after-load neither read nor change the settings.\n"
    "\n"
    "Exit status: 0 when the window was closed, 1 when --screenshot could not write its\n"
    "picture, 2 on a usage error.\n";

}  // namespace veltrix::app
