#pragma once

// Files for the targets that take a path: one private folder per fuzzing process, with the
// inputs in "in" and the program's own temporary files in "tmp" ($TMPDIR points there), so a
// target can tell whether anything was left behind. The folder goes when the process exits.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_checks.h"

namespace veltrix::fuzz {

class FuzzFolder {
 public:
  static const FuzzFolder& Get() {
    static FuzzFolder* folder = new FuzzFolder();  // lives until the exit handler removes it
    return *folder;
  }
  std::string Input(const std::string& name) const { return root_ + "/in/" + name; }
  const std::string& temporary() const { return temporary_; }

  // Fails when the program left anything in its temporary folder.
  void CheckNoLeftovers() const {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(temporary_, error))
      Fail("left behind in the temporary folder: %s", entry.path().c_str());
  }

 private:
  FuzzFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/veltrix-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) Fail("cannot make a temporary folder");
    root_ = pattern;
    temporary_ = root_ + "/tmp";
    std::filesystem::create_directory(root_ + "/in");
    std::filesystem::create_directory(temporary_);
    setenv("TMPDIR", temporary_.c_str(), 1);
    static std::string removeAtExit;
    removeAtExit = root_;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(removeAtExit, ignored);
    });
  }

  std::string root_;
  std::string temporary_;
};

inline void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) Fail("cannot write %s", path.c_str());
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) Fail("cannot read %s", path.c_str());
  std::vector<uint8_t> bytes(static_cast<size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!in) Fail("cannot read %s", path.c_str());
  return bytes;
}

// Fails when the file at `path` no longer holds exactly the given bytes.
inline void CheckUnchanged(const std::string& path, const uint8_t* data, size_t size) {
  const std::vector<uint8_t> now = ReadBytes(path);
  if (now.size() != size || (size != 0 && !std::equal(now.begin(), now.end(), data)))
    Fail("the input file %s was changed", path.c_str());
}

}  // namespace veltrix::fuzz
