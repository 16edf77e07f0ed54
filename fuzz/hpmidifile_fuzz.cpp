// The format-0 conversion library on any file: HP_Load, and when it accepts the file, HP_Save.
// A saved file must be a format-0 file of one track that the library reads back and saves
// again to the very same bytes, it must grow at most linearly with the input, and a refused
// file must leave nothing that HP_Save would write.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "fuzz_checks.h"
#include "fuzz_files.h"
#include "hpmidifile/hp_midifile.h"

using namespace veltrix::fuzz;

namespace {

// Running status gives two-byte events that the writer spells out in three, and the header
// and End of Track add a few bytes; twice the input is more than any file can need.
constexpr size_t kSavedBytesPerByte = 2;

uint32_t Number32(const std::vector<uint8_t>& bytes, size_t at) {
  return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
         (uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

void CheckFormat0(const std::vector<uint8_t>& saved) {
  static const uint8_t kHead[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
  if (saved.size() < 26 || !std::equal(std::begin(kHead), std::end(kHead), saved.begin()))
    Fail("the saved file has no format-0 header of one track");
  if (saved[14] != 'M' || saved[15] != 'T' || saved[16] != 'r' || saved[17] != 'k')
    Fail("the saved file has no track chunk behind its header");
  if (Number32(saved, 18) != saved.size() - 22)
    Fail("the saved track length %u does not match the file", Number32(saved, 18));
  static const uint8_t kEnd[] = {0xFF, 0x2F, 0x00};
  if (!std::equal(std::begin(kEnd), std::end(kEnd), saved.end() - 3))
    Fail("the saved track does not end with End of Track");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzFolder& folder = FuzzFolder::Get();
  const std::string source = folder.Input("source.mid");
  const std::string first = folder.Input("first.mid");
  const std::string second = folder.Input("second.mid");
  WriteBytes(source, data, size);

  void* handle = HP_Init();
  if (handle == nullptr) Fail("HP_Init gave no handle");
  if (HP_Load(handle, source.c_str()) != 0) {
    if (HP_Save(handle, first.c_str(), 0) == 0) Fail("HP_Save wrote a file that failed to load");
  } else {
    if (HP_Save(handle, first.c_str(), 1) == 0) Fail("HP_Save took a mode other than 0");
    if (HP_Save(handle, first.c_str(), 0) != 0) Fail("HP_Save failed on a loaded file");
    const std::vector<uint8_t> saved = ReadBytes(first);
    CheckFormat0(saved);
    CheckBudget("saved bytes", saved.size(), size, kSavedBytesPerByte);
    // The same handle reads its own output, which must come out unchanged.
    if (HP_Load(handle, first.c_str()) != 0) Fail("HP_Load refused the file HP_Save wrote");
    if (HP_Save(handle, second.c_str(), 0) != 0) Fail("HP_Save failed on its own output");
    if (ReadBytes(second) != saved) Fail("saving the saved file changed it");
  }
  if (HP_Free(handle) != 0) Fail("HP_Free failed");
  CheckUnchanged(source, data, size);

  for (const std::string& path : {source, first, second}) std::remove(path.c_str());
  folder.CheckNoLeftovers();
  return 0;
}
