#include "shell/convert_format0.h"

#include <cstdlib>
#include <filesystem>

#include "core/number_text.h"
#include "hpmidifile/hp_midifile.h"
#include "shell/save_file.h"

namespace veltrix {

namespace {

bool EndsInKar(std::string_view path) {
  if (path.size() < 3) return false;
  std::string_view last = path.substr(path.size() - 3);
  auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); };
  return lower(last[0]) == 'k' && lower(last[1]) == 'a' && lower(last[2]) == 'r';
}

// A folder of this process's own under $TMPDIR (or /tmp) for the converted copy. It goes,
// with whatever is in it, when the conversion ends, whichever way it ends.
class ConversionFolder {
 public:
  ConversionFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = (base != nullptr && *base != '\0') ? base : "/tmp";
    pattern += "/veltrix-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) Raise(kPathNotFound);
    path_ = pattern;
  }
  ~ConversionFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ConversionFolder(const ConversionFolder&) = delete;
  ConversionFolder& operator=(const ConversionFolder&) = delete;
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// The library handle, given back on every way out. Release() is the one call whose result
// the conversion looks at.
class LibraryHandle {
 public:
  LibraryHandle() : handle_(HP_Init()) {
    if (handle_ == nullptr) Raise(kOutOfMemory);
  }
  ~LibraryHandle() {
    if (handle_ != nullptr) HP_Free(handle_);
  }
  LibraryHandle(const LibraryHandle&) = delete;
  LibraryHandle& operator=(const LibraryHandle&) = delete;
  void* get() const { return handle_; }
  uint32_t Release() {
    void* handle = handle_;
    handle_ = nullptr;
    return HP_Free(handle);
  }

 private:
  void* handle_;
};

std::string Convert(Session& session) {
  const std::string& source = session.window.fileName;
  LibraryHandle library;
  ConversionFolder folder;
  const std::string target = folder.File(ConversionTargetName(source));
  if (EndsInKar(source)) {
    SaveFile(session, target);
    HP_Load(library.get(), target.c_str());  // its result is not looked at
  }
  if (HP_Load(library.get(), source.c_str()) > 0) return "failed";
  if (HP_Save(library.get(), target.c_str(), 0) > 0) return "failed";
  if (library.Release() > 0) return "failed";
  session.image = LoadFileImage(target);
  return "OK";
}

}  // namespace

std::string ConversionTargetName(std::string_view sourcePath) {
  std::string name = "Veltrix_" + FileNamePart(sourcePath);
  if (EndsInKar(sourcePath)) name.replace(name.size() - 3, 3, "mid");
  return name;
}

std::string ConvertToFormat0(Session& session) {
  try {
    return Convert(session);
  } catch (...) {
    return "OK";
  }
}

}  // namespace veltrix
