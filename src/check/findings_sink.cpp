#include "check/findings_sink.h"

namespace veltrix::check {

std::string_view SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Error:
      return "error";
    case Severity::Warning:
      return "warning";
    case Severity::Note:
      break;
  }
  return "note";
}

Finding MakeFinding(Severity severity, std::string_view code, std::string message, int64_t offset) {
  Finding finding;
  finding.severity = severity;
  finding.code = code;
  finding.message = std::move(message);
  finding.offset = offset;
  return finding;
}

std::array<size_t, 3> FileCheck::Counts() const {
  std::array<size_t, 3> counts{};
  for (const Finding& finding : findings) ++counts[static_cast<size_t>(finding.severity)];
  return counts;
}

void FindingsSink::Add(Finding finding) {
  if (finding.offset >= static_cast<int64_t>(fileSize_))
    finding.offset = static_cast<int64_t>(fileSize_) - 1;
  const size_t seen = ++seen_[finding.code];
  if (seen <= kKeptPerCode) {
    check_.findings.push_back(std::move(finding));
  } else {
    lastDropped_[finding.code] = std::move(finding);
  }
}

void FindingsSink::Finish() {
  for (auto& [code, last] : lastDropped_) {
    const size_t more = seen_[code] - kKeptPerCode;
    last.message = std::to_string(more) + " more finding" + (more == 1 ? "" : "s") +
                   " of this kind, the last: " + last.message;
    check_.findings.push_back(std::move(last));
  }
  lastDropped_.clear();
}

}  // namespace veltrix::check
