#pragma once

#include <string>

#include "overview/file_overview.h"
#include "views/export_writers.h"

namespace veltrix::overview {

// The overview as one JSON object on one line, with the member names scripts rely on; an
// unknown member is null, never left out (a song's style members included).
std::string OverviewJson(const FileOverview& overview);

// The library report: a header line, then one line per file with path, kind, format,
// length, tempo, time signature, key, channels, sections ("Main A 4, ..."), voices
// ("1:Acoustic Grand Piano, 10:Standard Kit, ...") and the problem counts.
std::string OverviewTableHeader(TableFormat format);
std::string OverviewTableLine(TableFormat format, const FileOverview& overview);

// A number of at most two decimals without trailing zeros: "120", "93.75", "0.5".
std::string DecimalText(double value);
// "m:ss.mmm" of microseconds.
std::string TimeText(int64_t microseconds);

}  // namespace veltrix::overview
