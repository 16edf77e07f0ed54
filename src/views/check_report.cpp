#include "views/check_report.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace veltrix {

namespace {

const std::vector<Column> kFindingColumns = {
    {"path", 0, Alignment::Left, ""},    {"severity", 0, Alignment::Left, ""},
    {"code", 0, Alignment::Left, ""},    {"offset", 0, Alignment::Left, ""},
    {"track", 0, Alignment::Left, ""},   {"tick", 0, Alignment::Left, ""},
    {"measure", 0, Alignment::Left, ""}, {"message", 0, Alignment::Left, ""},
};

std::string Known(int64_t value) {
  return value < 0 ? std::string() : std::to_string(value);
}

void AppendJsonNumber(std::optional<int64_t> value, std::string& out) {
  out += value && *value >= 0 ? std::to_string(*value) : "null";
}

}  // namespace

std::string CheckJson(std::string_view path, const check::FileCheck& check) {
  std::string out = "{\"path\":";
  AppendJsonString(path, out);
  out += ",\"format\":";
  AppendJsonNumber(check.format, out);
  out += ",\"tracks\":";
  AppendJsonNumber(check.tracks, out);
  out += ",\"findings\":[";
  for (size_t i = 0; i < check.findings.size(); ++i) {
    const check::Finding& finding = check.findings[i];
    out += i == 0 ? "{" : ",{";
    out += "\"severity\":";
    AppendJsonString(check::SeverityName(finding.severity), out);
    out += ",\"code\":";
    AppendJsonString(finding.code, out);
    out += ",\"offset\":";
    AppendJsonNumber(finding.offset, out);
    out += ",\"track\":";
    AppendJsonNumber(finding.track, out);
    out += ",\"tick\":";
    AppendJsonNumber(finding.tick, out);
    out += ",\"measure\":";
    if (finding.measure.empty())
      out += "null";
    else
      AppendJsonString(finding.measure, out);
    out += ",\"message\":";
    AppendJsonString(finding.message, out);
    out += "}";
  }
  const auto counts = check.Counts();
  out += "],\"counts\":{\"error\":" + std::to_string(counts[0]) +
         ",\"warning\":" + std::to_string(counts[1]) + ",\"note\":" + std::to_string(counts[2]) +
         "}}";
  return out;
}

std::string CheckTableHeader(TableFormat format) {
  std::string text;
  const TextSink into = [&](std::string_view part) { text.append(part); };
  TableTextWriter table(format, into);
  table.Header(kFindingColumns);
  table.Flush();
  return text;
}

std::string CheckTableLines(TableFormat format, std::string_view path,
                            const check::FileCheck& check) {
  std::string text;
  const TextSink into = [&](std::string_view part) { text.append(part); };
  TableTextWriter table(format, into);
  table.SetColumnCount(kFindingColumns.size());  // the header line comes once, before all files
  for (const check::Finding& finding : check.findings) {
    const std::string offset = Known(finding.offset), track = Known(finding.track),
                      tick = Known(finding.tick);
    const std::string_view cells[] = {path,
                                      check::SeverityName(finding.severity),
                                      finding.code,
                                      offset,
                                      track,
                                      tick,
                                      finding.measure,
                                      finding.message};
    table.Row(cells, std::size(cells));
  }
  table.Flush();
  return text;
}

}  // namespace veltrix
