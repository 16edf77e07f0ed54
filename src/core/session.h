#pragma once

// src/core, the lowest layer: the file image, failures and error reports, number, hex and
// code-page texts, and the window as plain data (its rows, the event index beside them, the
// column layouts, the list sort and the sinks a listing's rows go to). It includes no other
// folder.

#include <cstdint>
#include <string>

#include "core/code_page.h"
#include "core/error_reporter.h"
#include "core/file_image.h"
#include "core/messages.h"
#include "core/window_model.h"

namespace veltrix {

// The state the readers and decoders share: the walk's cursor (the file image, its one read
// position and the length of the event at it), the window they fill, the error sink and the
// code page for texts. Readers return what they read; nothing here carries a result from
// one reader to another.
struct Session {
  FileImage image;
  int32_t ReadPos = 0;      // within a walk: the last byte already consumed
  int32_t EventLength = 0;  // body length of the current event, set by its decoder

  WindowModel window;
  ErrorReporter reporter;
  CodePage codePage;

  MessageSink messageSink;

  const Options& options() const { return window.options; }
  void ShowMessage(const std::string& text) const {
    if (messageSink) messageSink(text);
  }
  // Sends both plain messages and error reports to one sink, in the order they arise.
  void ConnectMessages(MessageSink sink) {
    messageSink = std::move(sink);
    reporter.SetSink([this](const ErrorReport& report) {
      if (!report.message.empty()) ShowMessage(report.message);
    });
  }
};

}  // namespace veltrix
