#include "shell/convert_format0.h"

#include <algorithm>
#include <cerrno>
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

// A folder of this process's own for the converted copy. It goes, with whatever is in it,
// when the conversion ends, whichever way it ends.
class ConversionFolder {
 public:
  ConversionFolder() = default;
  ~ConversionFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ConversionFolder(const ConversionFolder&) = delete;
  ConversionFolder& operator=(const ConversionFolder&) = delete;
  // Makes the folder below `base`; false (errno set) when that cannot be done.
  bool Make(const std::string& base) {
    std::string pattern = base + "/veltrix-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return false;
    path_ = pattern;
    return true;
  }
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

// Converts through the first of `folders` that takes the copy. A folder that cannot be made,
// or that has no room for the copy, passes the work on to the next one; when none takes it
// the failure of the last one is raised, so the user learns why the file was not converted.
std::string Convert(Session& session, const std::vector<std::string>& folders) {
  const std::string& source = session.window.fileName;
  const std::string name = ConversionTargetName(source);
  LibraryHandle library;
  bool loaded = false;
  int lastError = ENOENT;
  for (const std::string& base : folders) {
    ConversionFolder folder;
    if (!folder.Make(base)) {
      lastError = errno;
      continue;
    }
    const std::string target = folder.File(name);
    if (!loaded) {
      if (EndsInKar(source)) {
        SaveFile(session, target);
        HP_Load(library.get(), target.c_str());  // its result is not looked at
      }
      if (HP_Load(library.get(), source.c_str()) > 0) return "failed";
      loaded = true;
    }
    const uint32_t saved = HP_Save(library.get(), target.c_str(), 0);
    if (saved == HP_WRITE_FAILED) {
      lastError = errno;
      continue;
    }
    if (saved > 0) return "failed";
    if (library.Release() > 0) return "failed";
    session.image = LoadFileImage(target);
    return "OK";
  }
  Raise(WriteFailureForErrno(lastError));
}

}  // namespace

std::string ConversionTargetName(std::string_view sourcePath) {
  std::string name = "Veltrix_" + FileNamePart(sourcePath);
  if (EndsInKar(sourcePath)) name.replace(name.size() - 3, 3, "mid");
  return name;
}

std::vector<std::string> TemporaryFolders() {
  std::vector<std::string> folders;
  const char* base = std::getenv("TMPDIR");
  if (base != nullptr && *base != '\0') folders.emplace_back(base);
  for (const char* fallback : {"/tmp", "/var/tmp"})
    if (std::find(folders.begin(), folders.end(), fallback) == folders.end())
      folders.emplace_back(fallback);
  return folders;
}

std::string ConvertToFormat0(Session& session, const std::vector<std::string>& folders) {
  return Guarded(session.reporter, "ConvertToFormat0", std::string("failed"),
                 [&] { return Convert(session, folders); });
}

std::string ConvertToFormat0(Session& session) {
  return ConvertToFormat0(session, TemporaryFolders());
}

}  // namespace veltrix
