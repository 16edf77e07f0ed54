#include "check/sysex_check.h"

#include <string>

#include "universal/gs_message.h"
#include "universal/message_family.h"

namespace veltrix::check {

namespace {

std::string Hex(uint8_t byte) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

}  // namespace

std::vector<Finding> SysexFindings(std::span<const uint8_t> bytes, size_t messageOffset,
                                   size_t eventOffset) {
  std::vector<Finding> findings;
  const universal::MessageBytes message(bytes);
  if (const auto checksum = universal::GsDataSetChecksum(message); checksum && !checksum->Right())
    findings.push_back(MakeFinding(Severity::Warning, "sysex-checksum",
                                   "the GS data set at offset " + std::to_string(eventOffset) +
                                       " has the checksum " + Hex(checksum->found) +
                                       " where its address and data call for " +
                                       Hex(checksum->expected) + "; a device ignores it",
                                   static_cast<int64_t>(messageOffset + checksum->at)));
  if (const auto request = universal::DataRequestName(message))
    findings.push_back(MakeFinding(Severity::Note, "sysex-data-request",
                                   "a " + std::string(*request) + " at offset " +
                                       std::to_string(eventOffset) +
                                       " asks a device for data; played from a file it does "
                                       "nothing",
                                   static_cast<int64_t>(eventOffset)));
  return findings;
}

}  // namespace veltrix::check
