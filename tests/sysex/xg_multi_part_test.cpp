#include <gtest/gtest.h>

#include "core/failure.h"
#include "xg_message_checks.h"

namespace veltrix {
namespace {

using xg_checks::AddressText;
using xg_checks::MessageCase;

class XgMultiPartMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(XgMultiPartMessage, GivesTextOrReports) {
  xg_checks::ExpectMessage(GetParam());
}

const MessageCase kMultiPartCases[] = {
    {"Volume", "43 10 4C 08 00 0B 64 F7", "XG MultiPart Part # =  0 , Volume =  100"},
    {"PartModeDrums", "43 10 4C 08 03 07 02 F7", "XG MultiPart Part # =  3 , Part Mode = Drums"},
    {"PartModeOtherParts", "43 10 4C 08 03 07 00 F7",
     "XG MultiPart Part # =  3 , Part Mode = Other Parts"},
    {"Detune", "43 10 4C 08 00 09 08 00 F7", "XG MultiPart Part # =  0 , Detune = 08 00"},
    {"PartShownAsStored", "43 10 4C 08 0F 0E 40 F7", "XG MultiPart Part # =  15 , Pan =  64"},
    {"UnlistedGivesRawFormAfterPart", "43 10 4C 08 00 29 00 F7",
     "XG MultiPart Part # =  0 , F0 43 10 4C 08 00 29 00 F7 "},
    {"MissingParameterGivesRawForm", "43 10 4C 08 01",
     "XG MultiPart Part # =  1 , F0 43 10 4C 08 01 "},
    {"PartModeWithoutDataIsDrums", "43 10 4C 08 00 07",
     "XG MultiPart Part # =  0 , Part Mode = Drums"},
    {"DetuneWithoutDataIsEmpty", "43 10 4C 08 00 09", "XG MultiPart Part # =  0 , Detune = "},
    {"DecimalWithoutDataFails", "43 10 4C 08 00 0B", "", kTypeMismatch},
    {"MissingPartFails", "43 10 4C 08", "", kTypeMismatch},
};
INSTANTIATE_TEST_SUITE_P(MultiPart, XgMultiPartMessage, ::testing::ValuesIn(kMultiPartCases),
                         [](const auto& info) { return std::string(info.param.name); });

// All 108 labels, each with the data of xg_checks::kWalkData.
TEST(XgMultiPartWalk, EveryParameter) {
  static constexpr AddressText kMultiPart[] = {
      {0x00, "Element Reserve =  64"},
      {0x01, "Bank Select MSB =  64"},
      {0x02, "Bank Select LSB  =  64"},
      {0x03, "Program Number =  64"},
      {0x04, "Rcv Channel =  64"},
      {0x05, "Mono(0)/Poly mode =  64"},
      {0x06, "Same Note /Key On =  64"},
      {0x07, "Part Mode = Drums"},
      {0x08, "Channel Transpose =  64"},
      {0x09, "Detune = 40 01"},
      {0x0A, "CAT Amplitude=  64"},
      {0x0B, "Volume =  64"},
      {0x0C, "Velocity Sense Depth =  64"},
      {0x0D, "Velocity Sense Offset =  64"},
      {0x0E, "Pan =  64"},
      {0x0F, "Note Limit Low =  64"},
      {0x10, "Note Limit High =  64"},
      {0x11, "Dry Level =  64"},
      {0x12, "Chorus Send =  64"},
      {0x13, "Reverb Send =  64"},
      {0x14, "Variation Send =  64"},
      {0x15, "Vibrato Rate =  64"},
      {0x16, "Vibrato Depth =  64"},
      {0x17, "Vibrato Delay =  64"},
      {0x18, "Filter Cutoff Freq =  64"},
      {0x19, "Filter Resonance =  64"},
      {0x1A, "EG Attack Time =  64"},
      {0x1B, "EG Decay Time =  64"},
      {0x1C, "EG Release Time =  64"},
      {0x1D, "MW Pitch Control =  64"},
      {0x1E, "MW Filter Control =  64"},
      {0x1F, "MW Amp. Control =  64"},
      {0x20, "MW LFO PMod Depth =  64"},
      {0x21, "MW LFO FMod Depth =  64"},
      {0x22, "MW MW LFO FMod Depth=  64"},
      {0x23, "Bend Pitch Control =  64"},
      {0x24, "Bend Filter Control =  64"},
      {0x25, "Bend Amp Control =  64"},
      {0x26, "Bend LFO PMod Depth =  64"},
      {0x27, "Bend LFO FMod Depth =  64"},
      {0x28, "Bend LFO AMod Depth =  64"},
      {0x30, "Rcv Pitch Bend On/0ff =  64"},
      {0x31, "Rcv Channel After Touch(CAT) On/Off(0) =  64"},
      {0x32, "Rcv Program Change On/Off(0)=  64"},
      {0x33, "Rcv Control Change On/Off(0)=  64"},
      {0x34, "Rcv Poly After Touch(PAT)On/Off(0)=  64"},
      {0x35, "Rcv Note Message On/Off(0)=  64"},
      {0x36, "Rcv RPN On/Off(0) =  64"},
      {0x37, "Rcv NRPN On/Off(0) =  64"},
      {0x38, "Rcv Modulation On/Off(0) =  64"},
      {0x39, "Rcv Volume On/Off(0) =  64"},
      {0x3A, "Rcv Pan On/Off(0) =  64"},
      {0x3B, "Rcv Expression On/Off(0) =  64"},
      {0x3C, "Rcv Hold1 On/Off(0) =  64"},
      {0x3D, "Rcv Portamento On/Off(0) =  64"},
      {0x3E, "Rcv Sostenuto On/Off(0) =  64"},
      {0x3F, "Rcv Soft Pedal On/Off(0) =  64"},
      {0x40, "Rcv Bank Select On/Off(0) =  64"},
      {0x41, "Scale Tuning C =  64"},
      {0x42, "Scale Tuning C# =  64"},
      {0x43, "Scale Tuning D =  64"},
      {0x44, "Scale Tuning D# =  64"},
      {0x45, "Scale Tuning E =  64"},
      {0x46, "Scale Tuning F =  64"},
      {0x47, "Scale Tuning F#=  64"},
      {0x48, "Scale Tuning G =  64"},
      {0x49, "Scale Tuning G# =  64"},
      {0x4A, "Scale Tuning A =  64"},
      {0x4B, "Scale Tuning A# =  64"},
      {0x4C, "Scale Tuning B=  64"},
      {0x4D, "CAT Pitch Control =  64"},
      {0x4E, "CAT Filter Control =  64"},
      {0x4F, "CAT Amplitude Control =  64"},
      {0x50, "CAT LFO PMod Depth =  64"},
      {0x51, "CAT LFO FMod Depth =  64"},
      {0x52, "CAT LFO AMod Depth =  64"},
      {0x53, "PAT Pitch Control =  64"},
      {0x54, "PAT Lo Pass Filter Control =  64"},
      {0x55, "PAT Amplitude Control =  64"},
      {0x56, "PAT LFO PMod Depth =  64"},
      {0x57, "PAT LFO FMod Depth =  64"},
      {0x58, "PAT LFO AMod Depth =  64"},
      {0x59, "AC1 Controler Number =  64"},
      {0x5A, "AC1 Pitch Control =  64"},
      {0x5B, "AC1 Lo Pass Filter Control =  64"},
      {0x5C, "AC1 Amplitude Control =  64"},
      {0x5D, "AC1 LFO PMod Depth =  64"},
      {0x5E, "AC1 LFO FMod Depth =  64"},
      {0x5F, "AC1 LFO AMod Depth =  64"},
      {0x60, "AC2 Controler Number =  64"},
      {0x61, "AC2 Pitch Control =  64"},
      {0x62, "AC2 Lo Pass Filter Control =  64"},
      {0x63, "AC2 Amplitude Control =  64"},
      {0x64, "AC2 LFO PMod Depth =  64"},
      {0x65, "AC2 LFO FMod Depth =  64"},
      {0x66, "AC2 LFO AMod Depth =  64"},
      {0x67, "Portamento Switch =  64"},
      {0x68, "Portamento Time =  64"},
      {0x69, "Pitch EQ Initial Level =  64"},
      {0x6A, "Pitch EQ Attack Time =  64"},
      {0x6B, "Pitch EQ Release Level =  64"},
      {0x6C, "Pitch EQ Release Time =  64"},
      {0x6D, "Velocity Limit Low =  64"},
      {0x6E, "Velocity Limit High =  64"},
      {0x72, "EQ Bass Gain =  64"},
      {0x73, "EQ Treble Gain =  64"},
      {0x76, "EQ Bass Frequency =  64"},
      {0x77, "EQ Treble Frequency =  64"},
  };
  static_assert(std::size(kMultiPart) == 108);
  xg_checks::WalkAddresses({0x08, 0x05}, "XG MultiPart Part # =  5 , ", kMultiPart);
}

}  // namespace
}  // namespace veltrix
