#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/lister.h"

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
  veltrix::ListerResult result;
  try {
    result = veltrix::RunLister(
        options, [](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); });
  } catch (const std::invalid_argument& bad) {
    std::fprintf(stderr, "veltrix-list: %s\n", bad.what());
    return 2;
  }
  if (options.format != "json")
    for (const std::string& message : result.messages)
      std::fprintf(stderr, "%s\n", message.c_str());
  std::fflush(stdout);
  return result.exitStatus;
}
