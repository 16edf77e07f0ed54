// YamahaSequencerInfo on the hex text of any sequencer-specific data, with and without the
// headers of the events it decodes, through a single-byte and a multi-byte code page. A failure
// may be reported, once and as "YamahaSequencerInfo"; the text stays within a fixed length per
// byte of data.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/code_page.h"
#include "fuzz_checks.h"
#include "hex_input.h"
#include "yamaha/sequencer_info.h"

using namespace veltrix;
using namespace veltrix::fuzz;

namespace {

const std::vector<Header> kHeaders = {
    {0x43, 0x73, 0x0A, 0x00, 0x04},
    {0x43, 0x73, 0x0A, 0x00, 0x05},
    {0x43, 0x73, 0x0A, 0x00, 0x06},
    {0x43, 0x73, 0x0C},
    {0x43, 0x73, 0x0D},
    {0x43, 0x7B, 0x01},
    {0x43, 0x7B, 0x03},
    {0x43, 0x7B, 0x04},
    {0x43, 0x7B, 0x0C},
    {0x43, 0x7B, 0x21},
    {0x00, 0x00, 0x41},
    {0x43, 0x73},
    {0x43, 0x7B},
};

// A character of the code page takes up to four bytes of UTF-8; the labels add a fixed part.
constexpr size_t kTextBytesPerByte = 16;

const CodePage& CodePageFor(size_t size) {
  static const CodePage single("WINDOWS-1252");
  static const CodePage multi("SHIFT_JIS");
  return size % 2 == 0 ? single : multi;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string hex = HexTextOfInput(data, size, kHeaders);
  ErrorReporter reporter;
  size_t reports = 0;
  reporter.SetSink([&](const ErrorReport& report) {
    if (report.routine != "YamahaSequencerInfo")
      Fail("YamahaSequencerInfo reported as \"%s\"", report.routine.c_str());
    ++reports;
  });
  const std::string text = YamahaSequencerInfo(hex, reporter, CodePageFor(size));
  if (reports > 1) Fail("YamahaSequencerInfo reported %zu failures for one event", reports);
  if (reports == 1 && !text.empty()) Fail("YamahaSequencerInfo reported a failure and gave a text");
  CheckBudget("YamahaSequencerInfo text bytes", text.size(), hex.size() / 3, kTextBytesPerByte);
  return 0;
}
