#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace veltrix {

inline constexpr const char* kApplicationTitle = "Veltrix";
inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 1;

std::string AboutCaption();  // "About Veltrix"
std::string VersionText();   // "Version 2.0.1"

inline constexpr const char* kManualFileName = "Veltrix.pdf";
inline constexpr const char* kManualMissingMessage =
    "Cannot find the Information File named Veltrix.pdf";
inline constexpr const char* kSysInfoUnavailableMessage =
    "System Information Is Unavailable At This Time";

// Access to a registry of keys and values, where the platform has one. A value comes back
// as its raw bytes (at most the buffer size asked for) and its type.
class RegistryAccess {
 public:
  virtual ~RegistryAccess() = default;
  struct Value {
    uint32_t type = 0;
    std::vector<char> bytes;
  };
  virtual bool OpenKey(const std::string& root, const std::string& keyName) = 0;
  virtual std::optional<Value> QueryValue(const std::string& valueName, size_t bufferSize) = 0;
  virtual void CloseKey() = 0;
};

// Reads one value as text: a string value without its terminating NUL, a 32-bit number value
// as its decimal text. False, with an empty text, when the key or value cannot be read.
bool GetKeyValue(RegistryAccess& registry, const std::string& keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal);

// Finds the system-information tool through the registry and starts it; shows
// kSysInfoUnavailableMessage when it cannot. Where there is no registry, `registry` is null and
// `fallbackTool` (the desktop's own system-information program, if installed) is started.
struct SysInfoActions {
  std::function<bool(const std::string& path)> fileExists;
  std::function<bool(const std::string& path)> startProgram;
  std::function<void(const std::string& text)> showMessage;
};
void StartSysInfo(RegistryAccess* registry, const std::optional<std::string>& fallbackTool,
                  const SysInfoActions& actions);

}  // namespace veltrix
