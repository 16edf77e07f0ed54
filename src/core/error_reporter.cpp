#include "core/error_reporter.h"

#include "core/number_text.h"

#include <new>
#include <stdexcept>

namespace veltrix {

std::optional<std::string> ErrorMessageText(int number, std::string_view description,
                                            std::string_view routine) {
  switch (number) {
    case kFileNotFound:
      return "This file is Not found.";
    case kBadFileMode:
      return "Can't open your file";
    case kDeviceIoError:
      return "Internal disk error.";
    case kDiskFull:
      return "Disk is full.";
    case kInputPastEnd:
      return "There was a problem With this file";
    case kDeviceUnavailable:
      return "That device appears unavailable.";
    case kPermissionDenied:
      return "Error writing to file- make sure it is not being used by another program and that "
             "the media is available.";
    case kDiskNotReady:
      return "Insert a disk in the drive ";
    case kPathFileAccessError:
      return "File may have read-only attribute. Change attribute or choose another name.";
    case kPathNotFound:
      return "That path doesn't exist.";
    case kFormMinimised:
      return std::nullopt;
    default:
      break;
  }
  std::string text = "Error #: ";
  text.append(PlainNumberText(number)).append(", ").append(description);
  text.append(", encountered in Function ").append(routine);
  text.append(". If the solution is not obvious, please report this to the author.");
  return text;
}

void ErrorReporter::Report(const Failure& failure, std::string_view routine) const {
  ++reported_;
  if (!sink_) return;
  auto message = ErrorMessageText(failure.number(), failure.description(), routine);
  sink_({failure.number(), std::string(routine), message.value_or(std::string())});
}

void ErrorReporter::Report(const std::exception& error, std::string_view routine) const {
  bool memory = dynamic_cast<const std::bad_alloc*>(&error) != nullptr ||
                dynamic_cast<const std::length_error*>(&error) != nullptr;
  Report(Failure(memory ? kOutOfMemory : kInvalidCall), routine);
}

}  // namespace veltrix
