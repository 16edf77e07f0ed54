#include "core/failure.h"

#include <cerrno>
#include <limits>

namespace veltrix {

std::string FailureDescription(int number) {
  switch (number) {
    case kInvalidCall:
      return "Invalid procedure call or argument";
    case kOverflow:
      return "Overflow";
    case kOutOfMemory:
      return "Out of memory";
    case kSubscriptOutOfRange:
      return "Subscript out of range";
    case kDivisionByZero:
      return "Division by zero";
    case kTypeMismatch:
      return "Type mismatch";
    case kFileNotFound:
      return "File not found";
    case kBadFileMode:
      return "Bad file mode";
    case kDeviceIoError:
      return "Device I/O error";
    case kDiskFull:
      return "Disk full";
    case kInputPastEnd:
      return "Input past end of file";
    case kDeviceUnavailable:
      return "Device unavailable";
    case kPermissionDenied:
      return "Permission denied";
    case kDiskNotReady:
      return "Disk not ready";
    case kPathFileAccessError:
      return "Path/File access error";
    case kPathNotFound:
      return "Path not found";
    default:
      return "Application-defined or object-defined error";
  }
}

Failure::Failure(int number) : Failure(number, FailureDescription(number)) {}

Failure::Failure(int number, const std::string& description)
    : std::runtime_error(description), number_(number), description_(description) {}

void Raise(int number) {
  throw Failure(number);
}

namespace {

// One map for both directions: a few errors only a write can meet mean "Device I/O error"
// when a read meets them.
int FailureForErrno(int error, bool writing) {
  switch (error) {
    case ENOENT:
      return writing ? kPathNotFound : kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
      return kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return kPermissionDenied;
    case EISDIR:
      return kPathFileAccessError;
    case EEXIST:
    case ELOOP:
    case EBUSY:
      return writing ? kPathFileAccessError : kDeviceIoError;
    case ENOSPC:
      return kDiskFull;
    case EDQUOT:
    case EFBIG:
      return writing ? kDiskFull : kDeviceIoError;
    default:
      return kDeviceIoError;
  }
}

}  // namespace

int WriteFailureForErrno(int error) {
  return FailureForErrno(error, true);
}

int ReadFailureForErrno(int error) {
  return FailureForErrno(error, false);
}

}  // namespace veltrix
