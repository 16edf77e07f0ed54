#pragma once

// The --help texts of the two programs, veltrix and veltrix-list, kept here below both so the
// page writer reads them too. They are the one source of the command lines: the man pages and the
// manual's command-line chapter are written from them at build time, so the three always agree.
// Plain C++, for the page writer too.
//
// Their form, which the page writer reads: "Usage: " lines (further forms indented to line
// up), one line that says what the program does, a blank line, the options (two blanks, the
// option padded to 27 columns, a blank, its text), then paragraphs separated by blank lines.
// A paragraph whose later lines are indented is a list with one entry per unindented line;
// the paragraph that starts with "Exit status: " is the exit status.

namespace veltrix {

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

inline constexpr char kListerHelp[] =
    "Usage: veltrix-list [OPTIONS] FILE...\n"
    "       veltrix-list [OPTIONS] --recursive FOLDER\n"
    "Lists Standard MIDI Files and keyboard style files as the Veltrix window shows them.\n"
    "\n"
    "  --view midi|casm|ots|mfd    the view to show (default midi)\n"
    "  --no-decode-sysex           show system-exclusive and sequencer-specific data as hex\n"
    "  --mark-running-status       append * to events written with running status\n"
    "  --format tsv|csv|json|jsonl output format (default tsv)\n"
    "  --codepage NAME|auto        code page of the files' texts (default WINDOWS-1252)\n"
    "  --recursive FOLDER          list every regular file below FOLDER, sorted by path\n"
    "  --jobs N                    list N files at once (default: one per processor)\n"
    "  --time                      add the column Time: each event's clock time (m:ss.mmm)\n"
    "  --check                     report what is wrong with each file instead of listing it\n"
    "  --decode-universal          show GM, GS and universal system-exclusive messages as text\n"
    "  --overview                  report what each file holds instead of listing it\n"
    "  --lyrics                    write each file's lyrics instead of listing it\n"
    "  --syllables                 with --lyrics in lrc: the time of each syllable too\n"
    "  --help                      show this text\n"
    "\n"
    "tsv: a header line, then a line per row, cells joined by TAB, lines ended by LF;\n"
    "     TAB, CR, LF and backslash inside a cell are written \\t, \\r, \\n, \\\\.\n"
    "csv: RFC 4180. With tsv and csv the messages the window would show in message\n"
    "     boxes go to standard error, one a line.\n"
    "json: one object with caption, view, columns, rows, labels (filename, tracks,\n"
    "     ticks, length), warning, status and messages.\n"
    "jsonl: one line per file holding the json object with \"path\" as its first member.\n"
    "json and jsonl are always UTF-8: bytes of a path or text that are not UTF-8 (a file\n"
    "     name written on another system) become U+FFFD there; tsv and csv keep the bytes.\n"
    "\n"
    "Several files (several FILE arguments, or --recursive, which may be given more than\n"
    "once and mixed with FILEs) are listed in parallel and printed in argument order.\n"
    "With tsv and csv a line \"==> PATH <==\" goes before each file's table and each\n"
    "message on standard error starts with \"PATH: \". With json the objects, each with\n"
    "\"path\", form one array. A file that cannot be listed never stops the others;\n"
    "folder entries that cannot be read are skipped with a message on standard error.\n"
    "\n"
    "Exit status: 0 when every file was listed (even with error reports), 1 when a file\n"
    "was refused or could not be read, 2 on a usage error.\n"
    "\n"
    "--check reads each file by the rules of its format and writes one line per finding:\n"
    "path, severity (error, warning, note), code, offset, track, tick, measure, message,\n"
    "then a summary on standard error; json and jsonl write an object per file with path,\n"
    "format, tracks, findings and counts. Exit status 0 when no file has an error, 1 when\n"
    "one has or cannot be read.\n"
    "\n"
    "--overview tells what each file holds. tsv and csv write one line per file (the\n"
    "library report): path, kind (song or style), format, length, tempo, time signature,\n"
    "key, channels, sections with their bars, voices by channel and the problem counts.\n"
    "json and jsonl write an object per file with path, kind, format, tracks, division,\n"
    "length, seconds, tempo {first, lowest, highest, changes}, time_signatures, keys,\n"
    "names, copyright, lyrics, markers, channels (notes, range, velocities, drums,\n"
    "programs with bank and voice name, controllers), sysex, problems and, for a style,\n"
    "style_format, sections, parts, ots and music_finder_records; unknown members are\n"
    "null. Exit status 0, or 1 when a file cannot be read.\n"
    "\n"
    "--lyrics makes lines of the lyric events (a carriage return ends a line, a line feed\n"
    "starts a page; else \"/\" ends a line, \"<\" starts a page, \"^\" is a blank), also in the\n"
    "karaoke chunk behind the track, or else of a .kar's text events (\"/\" starts a line,\n"
    "\"\\\" a paragraph, \"@\" lines are the header). Formats (--format): lrc (the default),\n"
    "\"[mm:ss.xx]line\" lines after [ti:] and [ar:] from the header; txt, the lines with a\n"
    "blank line between paragraphs; json, an object with path, source (\"lyric\", \"kar\" or\n"
    "null), encoding, title, author, language and lines (tick, time, seconds, text,\n"
    "paragraph, syllables with tick, seconds, text and offset). Several files: \"==> PATH <==\"\n"
    "before each, or one JSON array. A file without lyrics gives no lines and status 0.\n"
    "\n"
    "--codepage auto guesses the code page of each file from all its texts and names the\n"
    "guess on standard error (\"PATH: text encoding guessed: NAME\"); windows-1252 is used\n"
    "when there is no guess.\n";

}  // namespace veltrix
