#include "shell/open_command.h"

#include "midi/midi_list.h"
#include "midi/smf_layout.h"
#include "shell/convert_format0.h"
#include "timing/time_column.h"
#include "views/select_view.h"

namespace veltrix {

namespace {

// The checks and the conversion of the loaded image; true when it is ready to be listed.
bool CheckAndConvert(Session& session, OpenOutcome& outcome) {
  WindowModel& window = session.window;
  outcome = OpenOutcome::Refused;
  if (session.image.FileLength() == 0) {
    session.ShowMessage(kBadFileMessage);
    return false;
  }
  if (session.image.FileLength() < 2 || session.image.at(0) != 'M' || session.image.at(1) != 'T') {
    session.ShowMessage(kNotMidiMessage);
    return false;
  }
  // A file whose format field has a low byte other than 0 is converted to format 0.
  constexpr int64_t kFormatLowByte = kFormatOffset + 1;
  if (session.image.FileLength() > kFormatLowByte && session.image.at(kFormatLowByte) != 0) {
    if (ConvertToFormat0(session) == "failed") {
      window.busy = false;
      session.ShowMessage(kNotConvertedMessage);
      return false;
    }
  }
  outcome = OpenOutcome::Listed;
  return true;
}

// Loading, the checks and the conversion; true when the file image is ready to be listed.
bool LoadAndCheck(Session& session, const std::string& path, OpenOutcome& outcome) {
  session.window.fileName = path;
  bool loaded = Guarded(session.reporter, "Action Bar Action", false, [&] {
    session.image = LoadFileImage(path);
    return true;
  });
  if (!loaded) {
    session.image = FileImage();
    outcome = OpenOutcome::Unreadable;
    return false;
  }
  return CheckAndConvert(session, outcome);
}

// The Midi listing of a checked image, into the window or to `rows`.
void ListOpened(Session& session, RowSink* rows) {
  if (rows && session.window.options.TimeColumn) {
    TimedRows timed(session, *rows);
    getMidiList(session, timed);
    timed.Finish();
  } else if (rows) {
    getMidiList(session, *rows);
  } else {
    ListMidiView(session);
  }
}

}  // namespace

OpenOutcome OpenFile(Session& session, const std::string& path, RowSink* rows) {
  session.window.caption = "Veltrix   " + path;
  OpenOutcome outcome;
  if (LoadAndCheck(session, path, outcome)) ListOpened(session, rows);
  return outcome;
}

OpenOutcome OpenFileImage(Session& session, const std::string& path, FileImage image,
                          RowSink* rows) {
  session.window.caption = "Veltrix   " + path;
  session.window.fileName = path;
  session.image = std::move(image);
  OpenOutcome outcome;
  if (CheckAndConvert(session, outcome)) ListOpened(session, rows);
  return outcome;
}

OpenOutcome OpenCommandLineFile(Session& session, const std::string& path) {
  OpenOutcome outcome;
  if (LoadAndCheck(session, path, outcome)) SelectView(session, "Midi");
  return outcome;
}

std::string CommandLinePath(const std::string& commandLine) {
  if (commandLine.empty() || commandLine.front() != '"') return commandLine;
  if (commandLine.size() < 2) return {};
  return commandLine.substr(1, commandLine.size() - 2);
}

}  // namespace veltrix
