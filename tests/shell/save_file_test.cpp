#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/session.h"
#include "shell/save_file.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

builder::Bytes ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return builder::Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct SaveCase {
  const char* name;
  bool existing;  // a file of that name is there already
  bool inMissingFolder;
  int failure;  // 0 when the save must work
};

class SaveFileTest : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveFileTest, WritesTheImageOrReports) {
  const SaveCase& c = GetParam();
  testing::TempDir folder;
  std::string path = c.inMissingFolder ? folder.File("missing/copy.mid") : folder.File("copy.mid");
  const builder::Bytes existing = {'k', 'e', 'e', 'p'};
  if (c.existing) builder::WriteFile(path, existing);

  Session session;
  std::vector<ErrorReport> reports;
  session.reporter.SetSink([&](const ErrorReport& report) { reports.push_back(report); });
  const builder::Bytes image = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0, 96};
  session.image = FileImage(image);
  SaveFile(session, path);

  if (c.failure == 0) {
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(ReadBytes(path), image);
    return;
  }
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].routine, "SaveFile");
  EXPECT_EQ(reports[0].number, c.failure);
  if (c.existing) {
    EXPECT_EQ(ReadBytes(path), existing);  // another file is never replaced
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SaveFileTest,
                         ::testing::Values(SaveCase{"NewFile", false, false, 0},
                                           SaveCase{"ExistingFile", true, false,
                                                    kPathFileAccessError},
                                           SaveCase{"MissingFolder", false, true, kPathNotFound}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veltrix
