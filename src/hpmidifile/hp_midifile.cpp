#include "hpmidifile/hp_midifile.h"

// Placeholder until the conversion lands: every call fails, so callers list files as loaded.
extern "C" {
void* HP_Init() {
  return nullptr;
}
uint32_t HP_Load(void*, const char*) {
  return 1;
}
uint32_t HP_Save(void*, const char*, int32_t) {
  return 1;
}
uint32_t HP_Free(void*) {
  return 0;
}
}
