#pragma once

#include <cstdint>

#include "hpmidifile/smf_data.h"

namespace hpmidifile {

// Reads the header and every MTrk chunk of file.bytes into file; other chunks are skipped.
// Returns kOk or the failure number of the first fault; every read stays inside the data.
uint32_t ReadSmf(SmfFile& file);

}  // namespace hpmidifile
