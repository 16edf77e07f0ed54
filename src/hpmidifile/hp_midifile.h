#pragma once

#include <cstdint>

// The format-0 conversion component: reads a Standard MIDI File of any format and writes
// it as format 0. Plain C functions on an opaque handle; 0 means success, any value above 0
// a failure.
extern "C" {

#if defined(__GNUC__)
#define HP_EXPORT __attribute__((visibility("default")))
#else
#define HP_EXPORT
#endif

// The failure number of HP_Save when the target cannot be created or written; errno then
// tells why (no room, no permission, ...), so a caller can try another folder or say so.
#define HP_WRITE_FAILED 11u

HP_EXPORT void* HP_Init();
HP_EXPORT uint32_t HP_Load(void* handle, const char* path);
HP_EXPORT uint32_t HP_Save(void* handle, const char* path, int32_t mode);
HP_EXPORT uint32_t HP_Free(void* handle);
}
