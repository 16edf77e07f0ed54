#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/background_writer.h"
#include "cli/batch_lister.h"
#include "cli/check_command.h"
#include "cli/lister.h"
#include "cli/overview_command.h"
#include "cli/lyrics_command.h"
#include "core/code_page.h"

namespace {

void WriteOut(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void WriteError(std::string_view text) {
  std::fflush(stdout);
  std::fwrite(text.data(), 1, text.size(), stderr);
}

int ListOneFile(const veltrix::ListerOptions& options) {
  // The listing is written on a second thread while it is made; it is all out before
  // anything goes to standard error.
  std::fflush(stdout);
  fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1 << 20);
  veltrix::BackgroundWriter out(STDOUT_FILENO);
  veltrix::ListerResult result =
      veltrix::RunLister(options, [&](std::string_view text) { out.Write(text); });
  out.Finish();
  if (!result.encodingNote.empty())
    std::fprintf(stderr, "%s: %s\n", options.file.c_str(), result.encodingNote.c_str());
  if (options.format != "json")
    for (const std::string& message : result.messages)
      std::fprintf(stderr, "%s\n", message.c_str());
  return result.exitStatus;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  veltrix::ListerOptions options;
  bool help = false;
  std::string error;
  if (!veltrix::ParseListerArguments(arguments, options, help, error)) {
    std::fprintf(stderr, "veltrix-list: %s\n\n%s", error.c_str(), veltrix::kListerHelp);
    return 2;
  }
  if (help) {
    std::fputs(veltrix::kListerHelp, stdout);
    return 0;
  }
  int status;
  try {
    // An unknown name is a usage error.
    if (options.codePage != veltrix::kGuessedCodePage) veltrix::CodePage checked(options.codePage);
    if (options.lyrics)
      status = veltrix::RunLyrics(options, WriteOut, WriteError);
    else if (options.check)
      status = veltrix::RunCheck(options, WriteOut, WriteError);
    else if (options.overview)
      status = veltrix::RunOverview(options, WriteOut, WriteError);
    else
      status = veltrix::IsBatch(options) ? veltrix::RunBatchLister(options, WriteOut, WriteError)
                                         : ListOneFile(options);
  } catch (const std::invalid_argument& bad) {
    std::fprintf(stderr, "veltrix-list: %s\n", bad.what());
    return 2;
  }
  std::fflush(stdout);
  return status;
}
