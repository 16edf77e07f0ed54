#include "support/test_support.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "core/session.h"
#include "shell/open_command.h"
#include "views/select_view.h"

namespace veltrix::testing {

namespace fs = std::filesystem;

std::optional<std::string> RealDataDir() {
  std::error_code error;
  if (fs::is_directory(VELTRIX_REAL_DATA, error)) return std::string(VELTRIX_REAL_DATA);
  return std::nullopt;
}

std::vector<std::string> RealFiles(const std::string& subFolder) {
  std::vector<std::string> files;
  auto root = RealDataDir();
  if (!root) return files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(*root + "/" + subFolder, error))
    if (entry.is_regular_file()) files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "veltrix-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code error;
  fs::remove_all(path_, error);
}

CollectingReporter::CollectingReporter() {
  reporter.SetSink([this](const ErrorReport& report) { reports.push_back(report); });
}

std::vector<std::string> Listing::Commands() const {
  std::vector<std::string> commands;
  for (size_t row = 0; row < RowCount(); ++row) commands.push_back(Command(row));
  return commands;
}

Listing ListFile(const std::string& path, const std::string& view, Options options) {
  Listing listing;
  Session session;
  session.window.options = options;
  session.ConnectMessages([&](const std::string& text) { listing.messages.push_back(text); });
  ErrorReporter::Sink forward = [&](const ErrorReport& report) {
    listing.reports.push_back(report);
    if (!report.message.empty()) listing.messages.push_back(report.message);
  };
  session.reporter.SetSink(forward);
  if (OpenFile(session, path) == OpenOutcome::Listed && view != "Midi") SelectView(session, view);
  listing.window = session.window;
  listing.window.onProgress = nullptr;
  listing.window.onFitColumns = nullptr;
  return listing;
}

Listing ListBytes(const builder::Bytes& bytes, const std::string& view, Options options,
                  const std::string& fileName) {
  TempDir folder;
  std::string path = folder.File(fileName);
  builder::WriteFile(path, bytes);
  return ListFile(path, view, options);
}

builder::Bytes SingleTrackFile(const builder::TrackBuilder& track, uint16_t division) {
  return builder::SmfBuilder(0, division).Track(track).Build();
}

std::string RunCommand(const std::string& command, int& status) {
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + command);
  std::string out;
  char buffer[4096];
  size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
  const int result = pclose(pipe);
  status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  return out;
}

}  // namespace veltrix::testing
