// Writes a generated large MIDI file for the benchmarks.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/large_file.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: veltrix-make-large OUTPUT EVENTS [TRACKS]\n");
    return 2;
  }
  uint32_t events = static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10));
  int tracks = argc > 3 ? std::atoi(argv[3]) : 1;
  auto bytes = tracks > 1 ? veltrix::bench::LargeFormat1File(events, tracks)
                          : veltrix::bench::LargeFormat0File(events);
  try {
    veltrix::builder::WriteFile(argv[1], bytes);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
