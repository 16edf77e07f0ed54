#pragma once

#include <cstdint>
#include <vector>

#include "hpmidifile/smf_data.h"

namespace hpmidifile {

// The file as format 0: MThd (length 6, format 0, one track, the division as read) and one
// MTrk with every event in time order, each channel event with its own status byte, lengths
// and delta times as shortest variable-length quantities, and one End of Track at the latest
// end of any track. Returns kOk, or kTooLarge when the track exceeds a 32-bit length.
uint32_t WriteFormat0(const SmfFile& file, std::vector<uint8_t>& out);

}  // namespace hpmidifile
