#include <gtest/gtest.h>

#include "json_value.h"
#include "style_fixtures.h"

namespace veltrix::style_test {
namespace {

// Runs veltrix-list on `path` with `arguments` and reads its JSON.
JsonValue ListWithBinary(const std::string& arguments, const std::string& path) {
  std::string command =
      std::string(VELTRIX_LIST_BINARY) + " --format json " + arguments + " '" + path + "'";
  int status = 0;
  return JsonReader(testing::RunCommand(command, status)).Read();
}

TEST(ListerBinary, CasmViewOfABuiltStyle) {
  CtabRecord record;
  record.head.name = "Piano";
  record.head.destinationChannel = 11;
  Bytes bytes = StyleWith(CasmBuilder().Cseg().Sdec("Main A").Ctab(record).Cntt(0, 1));
  testing::TempDir folder;
  builder::WriteFile(folder.File("built.sty"), bytes);
  JsonValue json = ListWithBinary("--view casm", folder.File("built.sty"));

  EXPECT_EQ(json["view"].text, "Casm");
  ASSERT_EQ(json["columns"].size(), 3u);
  EXPECT_EQ(json["columns"][0].text, "   ");
  const JsonValue& rows = json["rows"];
  ASSERT_EQ(rows.size(), 17u);
  EXPECT_EQ(rows[0][0].text, "001");
  EXPECT_EQ(rows[0][2].text, "Main A");
  EXPECT_EQ(rows[2][1].text, "          Name");
  EXPECT_EQ(rows[2][2].text, "Piano   ");
  EXPECT_EQ(rows[3][2].text, "Chord 1");
  EXPECT_EQ(rows[16][0].text, "017");
  EXPECT_EQ(rows[16][2].text, "1: Melody + Bass/ Bass Off");
  EXPECT_EQ(json["messages"].size(), 0u);
  EXPECT_EQ(json["labels"]["filename"].text, "built.sty");
}

TEST(ListerBinary, MfdAndOtsViewsOfARealStyle) {
  std::string path;
  for (const std::string& file : testing::RealFiles("styles"))
    if (file.ends_with("Cool8Beat.S737.sst")) path = file;
  if (path.empty()) GTEST_SKIP() << "Cool8Beat.S737.sst is not in this clone";

  JsonValue mfd = ListWithBinary("--view mfd", path);
  EXPECT_EQ(mfd["view"].text, "Mfd");
  ASSERT_EQ(mfd["rows"].size(), 13u);
  for (size_t row = 0; row < mfd["rows"].size(); ++row) {
    EXPECT_EQ(mfd["rows"][row].size(), 5u);
    EXPECT_EQ(mfd["rows"][row][3].text, " 4/ 4");
  }

  JsonValue ots = ListWithBinary("--view ots --no-decode-sysex", path);
  EXPECT_EQ(ots["view"].text, "Ots");
  ASSERT_GT(ots["rows"].size(), 0u);
  EXPECT_EQ(ots["rows"][0][0].text, "1");
  EXPECT_EQ(ots["rows"][ots["rows"].size() - 1][0].text, "4");
  EXPECT_EQ(ots["messages"].size(), 0u);
}

}  // namespace
}  // namespace veltrix::style_test
