#include <gtest/gtest.h>

#include <map>

#include "views/about_info.h"

namespace veltrix {
namespace {

class FakeRegistry : public RegistryAccess {
 public:
  std::map<std::string, std::map<std::string, Value>> keys;
  bool OpenKey(const std::string&, const std::string& keyName) override {
    auto it = keys.find(keyName);
    open_ = it == keys.end() ? nullptr : &it->second;
    return open_ != nullptr;
  }
  std::optional<Value> QueryValue(const std::string& name, size_t bufferSize) override {
    auto it = open_->find(name);
    if (it == open_->end()) return std::nullopt;
    Value value = it->second;
    if (value.bytes.size() > bufferSize) value.bytes.resize(bufferSize);
    return value;
  }
  void CloseKey() override { open_ = nullptr; }

 private:
  std::map<std::string, Value>* open_ = nullptr;
};

RegistryAccess::Value StringValue(const std::string& text, bool withNul) {
  RegistryAccess::Value value{1, std::vector<char>(text.begin(), text.end())};
  if (withNul) value.bytes.push_back('\0');
  return value;
}

TEST(About, CaptionAndVersion) {
  EXPECT_EQ(AboutCaption(), "About Veltrix");
  EXPECT_EQ(VersionText(), "Version 2.0.1");
}

TEST(GetKeyValue, StringsLoseOneTerminatingNulAndNumbersReadWhole) {
  FakeRegistry registry;
  registry.keys["K"]["with"] = StringValue("C:\\Tools", true);
  registry.keys["K"]["without"] = StringValue("C:\\Tools", false);
  registry.keys["K"]["number"] = {4, {0x0A, 0x01, 0x00, 0x00}};  // 266, little-endian
  std::string value = "old";
  EXPECT_TRUE(GetKeyValue(registry, "HKLM", "K", "with", value));
  EXPECT_EQ(value, "C:\\Tools");
  EXPECT_TRUE(GetKeyValue(registry, "HKLM", "K", "without", value));
  EXPECT_EQ(value, "C:\\Tools");
  EXPECT_TRUE(GetKeyValue(registry, "HKLM", "K", "number", value));
  EXPECT_EQ(value, "266");
  EXPECT_FALSE(GetKeyValue(registry, "HKLM", "K", "missing", value));
  EXPECT_EQ(value, "");
  value = "old";
  EXPECT_FALSE(GetKeyValue(registry, "HKLM", "Nope", "x", value));
  EXPECT_EQ(value, "");
}

TEST(StartSysInfo, UsesTheRegisteredToolOrSaysItIsUnavailable) {
  std::vector<std::string> started, messages;
  SysInfoActions actions{[](const std::string& path) { return path == "D:\\Info\\MSINFO32.EXE"; },
                         [&](const std::string& path) {
                           started.push_back(path);
                           return true;
                         },
                         [&](const std::string& text) { messages.push_back(text); }};
  FakeRegistry registry;
  registry.keys["SOFTWARE\\Microsoft\\Shared Tools Location"]["MSINFO"] =
      StringValue("C:\\Empty", true);
  StartSysInfo(&registry, std::nullopt, actions);  // the folder has no MSINFO32.EXE
  EXPECT_TRUE(started.empty());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "System Information Is Unavailable At This Time");

  registry.keys["SOFTWARE\\Microsoft\\Shared Tools Location"]["MSINFO"] =
      StringValue("D:\\Info", true);
  StartSysInfo(&registry, std::nullopt, actions);
  EXPECT_EQ(started, (std::vector<std::string>{"D:\\Info\\MSINFO32.EXE"}));

  StartSysInfo(nullptr, std::string("/usr/bin/sysinfo-tool"), actions);
  EXPECT_EQ(started.back(), "/usr/bin/sysinfo-tool");
  StartSysInfo(nullptr, std::nullopt, actions);
  EXPECT_EQ(messages.size(), 2u);
}

}  // namespace
}  // namespace veltrix
