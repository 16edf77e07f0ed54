#pragma once

#include <functional>
#include <string>
#include <vector>

namespace veltrix {

// Called for an entry that could not be read, with its path and the reason.
using SkippedEntry = std::function<void(const std::string& path, const std::string& reason)>;

// Every regular file below `folder`, at any depth, sorted by path (component by component, so
// a folder's files stay together). Symbolic links to files count as files; linked folders are
// not entered, so a link cannot make the walk go round. Entries that cannot be read, and a
// `folder` that is no folder, are handed to `skipped` and left out.
std::vector<std::string> FilesBelow(const std::string& folder, const SkippedEntry& skipped);

}  // namespace veltrix
