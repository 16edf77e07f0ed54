#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/failure.h"

namespace veltrix {

// The text of the message box for a failure reported by `routine`; no text for failure 384.
std::optional<std::string> ErrorMessageText(int number, std::string_view description,
                                            std::string_view routine);

// The one sink for run-time failures. Each reporting routine catches its own failure and
// hands it here with its own routine name; the sink decides how the message is shown (a
// message box in the window, a collected line in the lister).
struct ErrorReport {
  int number;
  std::string routine;
  std::string message;  // empty when nothing is shown (failure 384)
};

class ErrorReporter {
 public:
  using Sink = std::function<void(const ErrorReport&)>;

  void SetSink(Sink sink) { sink_ = std::move(sink); }
  void Report(const Failure& failure, std::string_view routine) const;
  // For failures that are not a Failure: memory and length errors are "Out of memory", any
  // other "Invalid procedure call or argument".
  void Report(const std::exception& error, std::string_view routine) const;
  // The number of failures reported so far, shown or not.
  size_t ReportCount() const { return reported_; }

 private:
  Sink sink_;
  mutable size_t reported_ = 0;
};

// Runs `body`; a failure inside it is reported under `routine` and `fallback` is returned.
// This is the boundary every reporting routine puts around its work.
template <class Result, class Body>
Result Guarded(const ErrorReporter& reporter, std::string_view routine, Result fallback,
               Body&& body) {
  try {
    return body();
  } catch (const Failure& failure) {
    reporter.Report(failure, routine);
  } catch (const std::exception& error) {
    reporter.Report(error, routine);
  }
  return fallback;
}

}  // namespace veltrix
