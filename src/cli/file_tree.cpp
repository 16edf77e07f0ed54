#include "cli/file_tree.h"

#include <algorithm>
#include <filesystem>

namespace veltrix {

namespace fs = std::filesystem;

namespace {

void Collect(const fs::path& folder, std::vector<fs::path>& files, const SkippedEntry& skipped) {
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) {
    skipped(folder.string(), error.message());
    return;
  }
  for (const fs::directory_iterator end; entries != end; entries.increment(error)) {
    if (error) {
      skipped(folder.string(), error.message());
      return;
    }
    const fs::directory_entry& entry = *entries;
    std::error_code statusError;
    const fs::file_status own = entry.symlink_status(statusError);
    if (!statusError && fs::is_directory(own)) {
      Collect(entry.path(), files, skipped);
      continue;
    }
    const fs::file_status target = entry.status(statusError);
    if (statusError) {
      skipped(entry.path().string(), statusError.message());
    } else if (fs::is_regular_file(target)) {
      files.push_back(entry.path());
    } else if (fs::is_symlink(own) && !fs::exists(target)) {
      skipped(entry.path().string(), "the link points nowhere");
    }
  }
}

}  // namespace

std::vector<std::string> FilesBelow(const std::string& folder, const SkippedEntry& skipped) {
  std::vector<fs::path> files;
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    skipped(folder, error ? error.message() : "not a folder");
    return {};
  }
  Collect(folder, files, skipped);
  std::sort(files.begin(), files.end());
  std::vector<std::string> paths;
  paths.reserve(files.size());
  for (const fs::path& file : files) paths.push_back(file.string());
  return paths;
}

}  // namespace veltrix
