#include "views/about_info.h"

#include <cstdio>
#include <string_view>

#include "core/number_text.h"

namespace veltrix {

std::string AboutCaption() {
  return std::string("About ") + kApplicationTitle;
}

std::string VersionText() {
  return "Version " + PlainNumberText(kVersionMajor) + "." + PlainNumberText(kVersionMinor) + "." +
         PlainNumberText(kVersionRevision);
}

bool GetKeyValue(RegistryAccess& registry, const std::string& keyRoot, const std::string& keyName,
                 const std::string& subKeyRef, std::string& keyVal) {
  constexpr size_t kBufferSize = 1024;
  constexpr uint32_t kStringType = 1;
  constexpr uint32_t kNumberType = 4;
  if (!registry.OpenKey(keyRoot, keyName)) {
    keyVal.clear();
    return false;
  }
  auto value = registry.QueryValue(subKeyRef, kBufferSize);
  if (!value) {
    keyVal.clear();
    registry.CloseKey();
    return false;
  }
  std::string text(value->bytes.begin(), value->bytes.end());
  if (text.size() > kBufferSize) text.resize(kBufferSize);
  if (!text.empty() && text.back() == '\0') text.pop_back();
  if (value->type == kStringType) {
    keyVal = text;
  } else if (value->type == kNumberType) {
    // The bytes, last first, each as two hexadecimal digits, read as one number. (Writing
    // each byte without its leading zero would read 0x010A as 0x1A.)
    std::string hex;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
      char digits[8];
      std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(*it));
      hex += digits;
    }
    unsigned long long number = hex.empty() ? 0 : std::stoull(hex.substr(0, 16), nullptr, 16);
    keyVal = std::to_string(number);
  }
  registry.CloseKey();
  return true;
}

void StartSysInfo(RegistryAccess* registry, const std::optional<std::string>& fallbackTool,
                  const SysInfoActions& actions) {
  const std::string root = "HKEY_LOCAL_MACHINE";
  std::string path;
  std::string value;
  if (registry &&
      GetKeyValue(*registry, root, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value)) {
    path = value;
  } else if (registry &&
             GetKeyValue(*registry, root, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                         value) &&
             actions.fileExists(value + "\\MSINFO32.EXE")) {
    path = value + "\\MSINFO32.EXE";
  } else if (!registry && fallbackTool) {
    path = *fallbackTool;
  }
  if (path.empty() || !actions.startProgram(path)) actions.showMessage(kSysInfoUnavailableMessage);
}

}  // namespace veltrix
