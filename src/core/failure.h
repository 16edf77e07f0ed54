#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace veltrix {

// Failure numbers, one for each kind of run-time failure: 5 to 13 are failures of a
// computation (a call out of its range, an overflow, no memory, an index past the data, a
// division by zero, a text that is not a number); 53 to 76 are failures of the file system,
// each of which has a message of its own for the user; 384 is a window that cannot be sized.
// The numbers are part of the messages the user sees and of veltrix-list's output.
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

// Range checks for the 16- and 32-bit signed values the readers work with. Inline: the walk
// checks several values of every event.
inline int16_t CheckedInt16(int64_t value) {
  if (value < INT16_MIN || value > INT16_MAX) Raise(kOverflow);
  return static_cast<int16_t>(value);
}
inline int32_t CheckedInt32(int64_t value) {
  if (value < INT32_MIN || value > INT32_MAX) Raise(kOverflow);
  return static_cast<int32_t>(value);
}
// Integer division that fails with "Division by zero" instead of trapping.
inline int64_t CheckedDivide(int64_t numerator, int64_t denominator) {
  if (denominator == 0) Raise(kDivisionByZero);
  return numerator / denominator;
}

}  // namespace veltrix
