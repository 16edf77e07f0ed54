// Checks one mutated file as a song and as a style. Any crash, sanitizer report or hang is a
// finding, and so is a finding placed outside the file, work that outgrows the input, or
// JSON that a parser refuses.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <span>

#include "check/file_check.h"
#include "views/check_report.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "check_fuzz: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const char* name : {"fuzz.mid", "fuzz.sty"}) {
    const veltrix::check::FileCheck check =
        veltrix::check::CheckFile(std::span<const uint8_t>(data, size), name);
    // Each code is kept at most 100 times; a file holds at most one finding per byte of each.
    if (check.findings.size() > 64 * 101) Fail("more findings than the cap allows");
    for (const veltrix::check::Finding& finding : check.findings) {
      if (finding.offset < -1 || finding.offset >= static_cast<int64_t>(size))
        Fail("a finding outside the file");
      if (finding.code.empty() || finding.message.empty()) Fail("a finding without code or text");
    }
    const std::string json = veltrix::CheckJson(name, check);
    if (!nlohmann::json::accept(json)) Fail("invalid JSON");
  }
  return 0;
}
