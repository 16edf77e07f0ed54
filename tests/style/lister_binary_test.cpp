#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "style_fixtures.h"
#include "support/required_data.h"

namespace veltrix::style_test {
namespace {

// Runs veltrix-list on `path` with `arguments` and reads its JSON.
nlohmann::json ListWithBinary(const std::string& arguments, const std::string& path) {
  std::string command =
      std::string(VELTRIX_LIST_BINARY) + " --format json " + arguments + " '" + path + "'";
  int status = 0;
  return nlohmann::json::parse(testing::RunCommand(command, status));
}

TEST(ListerBinary, CasmViewOfABuiltStyle) {
  CtabRecord record;
  record.head.name = "Piano";
  record.head.destinationChannel = 11;
  Bytes bytes = StyleWith(CasmBuilder().Cseg().Sdec("Main A").Ctab(record).Cntt(0, 1));
  testing::TempDir folder;
  builder::WriteFile(folder.File("built.sty"), bytes);
  nlohmann::json json = ListWithBinary("--view casm", folder.File("built.sty"));

  EXPECT_EQ(json["view"].get<std::string>(), "Casm");
  ASSERT_EQ(json["columns"].size(), 3u);
  EXPECT_EQ(json["columns"][0].get<std::string>(), "   ");
  const nlohmann::json& rows = json["rows"];
  ASSERT_EQ(rows.size(), 17u);
  EXPECT_EQ(rows[0][0].get<std::string>(), "001");
  EXPECT_EQ(rows[0][2].get<std::string>(), "Main A");
  EXPECT_EQ(rows[2][1].get<std::string>(), "          Name");
  EXPECT_EQ(rows[2][2].get<std::string>(), "Piano   ");
  EXPECT_EQ(rows[3][2].get<std::string>(), "Chord 1");
  EXPECT_EQ(rows[16][0].get<std::string>(), "017");
  EXPECT_EQ(rows[16][2].get<std::string>(), "1: Melody + Bass/ Bass Off");
  EXPECT_EQ(json["messages"].size(), 0u);
  EXPECT_EQ(json["labels"]["filename"].get<std::string>(), "built.sty");
}

TEST(ListerBinary, MfdAndOtsViewsOfARealStyle) {
  std::string path;
  for (const std::string& file : testing::RealFiles("styles"))
    if (file.ends_with("Cool8Beat.S737.sst")) path = file;
  if (path.empty()) VELTRIX_SKIP_WHEN_MISSING("Cool8Beat.S737.sst is not in this clone");

  nlohmann::json mfd = ListWithBinary("--view mfd", path);
  EXPECT_EQ(mfd["view"].get<std::string>(), "Mfd");
  ASSERT_EQ(mfd["rows"].size(), 13u);
  for (size_t row = 0; row < mfd["rows"].size(); ++row) {
    EXPECT_EQ(mfd["rows"][row].size(), 5u);
    EXPECT_EQ(mfd["rows"][row][3].get<std::string>(), " 4/ 4");
  }

  nlohmann::json ots = ListWithBinary("--view ots --no-decode-sysex", path);
  EXPECT_EQ(ots["view"].get<std::string>(), "Ots");
  ASSERT_GT(ots["rows"].size(), 0u);
  EXPECT_EQ(ots["rows"][0][0].get<std::string>(), "1");
  EXPECT_EQ(ots["rows"][ots["rows"].size() - 1][0].get<std::string>(), "4");
  EXPECT_EQ(ots["messages"].size(), 0u);
}

}  // namespace
}  // namespace veltrix::style_test
