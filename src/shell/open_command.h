#pragma once

// src/shell: the Open command and the format-0 conversion, without a window. Above views; the
// desktop program and veltrix-list are built on it.

#include <string>

#include "core/session.h"

namespace veltrix {

inline constexpr const char* kBadFileMessage = "Bad File";
inline constexpr const char* kNotMidiMessage =
    "This file is not based on the midi standard and can not be processed.";
inline constexpr const char* kNotConvertedMessage =
    "This file could not be converted to type 0 midi format";

enum class OpenOutcome {
  Listed,      // the file was listed (reports during the listing included)
  Refused,     // one of the three refusals was shown
  Unreadable,  // the file could not be read; reported through the error report
};

// The Open command once the user has chosen `path`: caption, loading, the checks, the
// conversion of a file that is not format 0, and the listing. With `rows` the listing's rows
// go there instead of into the window.
OpenOutcome OpenFile(Session& session, const std::string& path, RowSink* rows = nullptr);

// The same for a file whose bytes were already read into `image`; `path` names it in the
// caption and the window. The conversion of a file that is not format 0 reads the file at
// `path`, as it does after OpenFile.
OpenOutcome OpenFileImage(Session& session, const std::string& path, FileImage image,
                          RowSink* rows = nullptr);

// The start-up's road for a file named on the command line: the same steps without the
// caption, ending in the Midi view.
OpenOutcome OpenCommandLineFile(Session& session, const std::string& path);

// The path named by a command line: the text between surrounding double quotes, or the
// whole line.
std::string CommandLinePath(const std::string& commandLine);

}  // namespace veltrix
