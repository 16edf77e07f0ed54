#include "hpmidifile/hp_midifile.h"

#include <new>

#include "hpmidifile/file_io.h"
#include "hpmidifile/format0_writer.h"
#include "hpmidifile/smf_reader.h"

namespace hpmidifile {
static_assert(kWriteFailed == HP_WRITE_FAILED);

namespace {

// The object behind a handle: the last file loaded, when its load succeeded.
struct MidiFile {
  SmfFile file;
  bool loaded = false;
};

uint32_t Load(MidiFile& object, const char* path) {
  object.loaded = false;
  uint32_t result = ReadWholeFile(path, object.file.bytes);
  if (result == kOk) result = ReadSmf(object.file);
  if (result != kOk) {
    object.file = SmfFile();  // nothing of a failed load stays around to be saved
    return result;
  }
  object.loaded = true;
  return kOk;
}

uint32_t Save(const MidiFile& object, const char* path, int32_t mode) {
  if (mode != 0) return kUnknownMode;
  if (!object.loaded) return kNothingLoaded;
  std::vector<uint8_t> out;
  uint32_t result = WriteFormat0(object.file, out);
  if (result != kOk) return result;
  return WriteWholeFile(path, out);
}

}  // namespace
}  // namespace hpmidifile

// No exception leaves these functions: a failure of any kind becomes a failure number.
extern "C" {

void* HP_Init() {
  return new (std::nothrow) hpmidifile::MidiFile();
}

uint32_t HP_Load(void* handle, const char* path) {
  if (handle == nullptr) return hpmidifile::kNoHandle;
  auto& object = *static_cast<hpmidifile::MidiFile*>(handle);
  try {
    return hpmidifile::Load(object, path);
  } catch (const std::bad_alloc&) {
    object = hpmidifile::MidiFile();
    return hpmidifile::kOutOfMemory;
  } catch (...) {
    object = hpmidifile::MidiFile();
    return hpmidifile::kReadFailed;
  }
}

uint32_t HP_Save(void* handle, const char* path, int32_t mode) {
  if (handle == nullptr) return hpmidifile::kNoHandle;
  try {
    return hpmidifile::Save(*static_cast<const hpmidifile::MidiFile*>(handle), path, mode);
  } catch (const std::bad_alloc&) {
    return hpmidifile::kOutOfMemory;
  } catch (...) {
    return hpmidifile::kWriteFailed;
  }
}

uint32_t HP_Free(void* handle) {
  delete static_cast<hpmidifile::MidiFile*>(handle);
  return hpmidifile::kOk;
}
}
