#pragma once

#include <cstddef>
#include <map>
#include <string_view>

#include "check/finding.h"

namespace veltrix::check {

// Collects the findings of one file. A damaged file can repeat one fault at every event, so
// each code is kept at most `kKeptPerCode` times and then counted; the count goes into one
// closing finding of that code. Memory stays small whatever the file holds.
class FindingsSink {
 public:
  static constexpr size_t kKeptPerCode = 100;

  // `fileSize`: offsets are kept inside the file (a place at its very end is its last byte).
  FindingsSink(FileCheck& check, size_t fileSize) : check_(check), fileSize_(fileSize) {}
  void Add(Finding finding);
  // Adds the closing counts; call once, after the last Add.
  void Finish();

 private:
  FileCheck& check_;
  size_t fileSize_;
  std::map<std::string_view, size_t> seen_;
  std::map<std::string_view, Finding> lastDropped_;
};

}  // namespace veltrix::check
