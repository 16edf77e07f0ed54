#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace veltrix {

// Run-time failure numbers. They keep the numbering users of the original Windows
// program know from its messages, so a report reads the same on every platform.
enum FailureNumber : int {
  kInvalidCall = 5,
  kOverflow = 6,
  kOutOfMemory = 7,
  kSubscriptOutOfRange = 9,
  kDivisionByZero = 11,
  kTypeMismatch = 13,
  kFileNotFound = 53,
  kBadFileMode = 54,
  kDeviceIoError = 57,
  kDiskFull = 61,
  kInputPastEnd = 62,
  kDeviceUnavailable = 68,
  kPermissionDenied = 70,
  kDiskNotReady = 71,
  kPathFileAccessError = 75,
  kPathNotFound = 76,
  kFormMinimised = 384,
};

// The description that goes with a failure number in the general error message.
std::string FailureDescription(int number);

// The one exception type of the readers and decoders: a failure number and its description.
class Failure : public std::runtime_error {
 public:
  explicit Failure(int number);
  Failure(int number, const std::string& description);
  int number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  int number_;
  std::string description_;
};

[[noreturn]] void Raise(int number);

// The failure number of an error met while creating or writing a file (an errno value).
int WriteFailureForErrno(int error);
// The same for an error met while opening or reading a file; a missing file (ENOENT) is
// "File not found".
int ReadFailureForErrno(int error);

// Range checks for the 16- and 32-bit signed values the readers work with.
int16_t CheckedInt16(int64_t value);
int32_t CheckedInt32(int64_t value);
// Integer division that fails with "Division by zero" instead of trapping.
int64_t CheckedDivide(int64_t numerator, int64_t denominator);

}  // namespace veltrix
