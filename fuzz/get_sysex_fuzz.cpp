// GetSysex on the hex text of any system-exclusive data, with and without the headers of the
// messages it decodes. A failure may be reported, once and as "GetSysex"; the text it gives
// stays within a fixed length per byte of data. The same bytes go through the GM, GS and
// universal decoders, the family and the checksum, which never read past the message: their
// text stays within a length per byte too, and a checksum they call right makes the address,
// data and checksum bytes add up to a multiple of 128.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_checks.h"
#include "hex_input.h"
#include "sysex/get_sysex.h"
#include "universal/gs_message.h"
#include "universal/message_family.h"
#include "universal/universal_decoder.h"

using namespace veltrix;
using namespace veltrix::fuzz;

namespace {

const std::vector<Header> kHeaders = {
    {0x43, 0x10, 0x4C}, {0x43, 0x73, 0x01}, {0x43, 0x7E, 0x00}, {0x43, 0x7E, 0x01},
    {0x43, 0x7E, 0x02}, {0x43, 0x7E, 0x03}, {0x43, 0x00, 0x4C}, {0x7F, 0x7E, 0x04},
    {0x43, 0x60, 0x7A}, {0x7E, 0x7F, 0x09}, {0x46, 0x10, 0x4C}, {0x43, 0x7E},
    {0x7E, 0x7F, 0x04}, {0x7E, 0x7F, 0x06}, {0x7E, 0x7F, 0x08}, {0x7F, 0x7F, 0x01},
    {0x7F, 0x7F, 0x04}, {0x7F, 0x7F, 0x06}, {0x7F, 0x7F, 0x08}, {0x41, 0x10, 0x42},
};

// The longest fixed texts of the tables plus the raw form of the data.
constexpr size_t kTextBytesPerByte = 16;

void DecodeUniversalBytes(const std::string& hex) {
  const std::vector<uint8_t> bytes =
      BytesOfHexText(reinterpret_cast<const uint8_t*>(hex.data()), hex.size());
  const universal::MessageBytes message(bytes.data(), bytes.size());
  // A reverb or chorus parameter of Global Parameter Control names its parameter and value in
  // up to some 60 characters for two bytes.
  constexpr size_t kUniversalTextBytesPerByte = 32;
  if (const auto text = universal::DecodeUniversal(message))
    CheckBudget("DecodeUniversal text bytes", text->size(), bytes.size(),
                kUniversalTextBytesPerByte);
  universal::FamilyOf(message);
  universal::DataRequestName(message);
  if (const auto checksum = universal::GsDataSetChecksum(message); checksum && checksum->Right()) {
    unsigned sum = 0;
    for (size_t at = 4; at <= checksum->at; ++at) sum += bytes[at];
    if (sum % 128 != 0) Fail("a GS checksum called right leaves a sum of %u", sum);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string hex = HexTextOfInput(data, size, kHeaders);
  ErrorReporter reporter;
  size_t reports = 0;
  reporter.SetSink([&](const ErrorReport& report) {
    if (report.routine != "GetSysex") Fail("GetSysex reported as \"%s\"", report.routine.c_str());
    ++reports;
  });
  const std::string text = GetSysex(hex, reporter);
  if (reports > 1) Fail("GetSysex reported %zu failures for one message", reports);
  if (reports == 1 && !text.empty()) Fail("GetSysex reported a failure and gave a text");
  CheckBudget("GetSysex text bytes", text.size(), hex.size() / 3, kTextBytesPerByte);
  DecodeUniversalBytes(hex);
  return 0;
}
