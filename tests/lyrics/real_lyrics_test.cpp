#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "lyrics/indexed_file.h"
#include "support/required_data.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

// The lyric and .kar files of the real set that a strict reader takes as they are.
constexpr const char* kSongs[] = {"Dont_be_Cruel.kar",
                                  "I_Want_It_That_Way.kar",
                                  "test-karaoke-kar.mid",
                                  "MIDIOkFormat1-lyrics.mid",
                                  "MEGALOVANIA.mid",
                                  "ARMSTRONG.Ramona_K.MID",
                                  "MORRISSETTE.You_oughta_know_K.mid"};

std::string FirstWord(const std::string& text) {
  std::istringstream words(text);
  std::string word;
  words >> word;
  return word;
}

TEST(RealLyrics, LinesAgreeWithAnIndependentReading) {
  const std::optional<std::string> data = testing::RealDataDir();
  if (!data) VELTRIX_SKIP_WHEN_MISSING("no real files beside the repository");
  int status = 0;
  testing::RunCommand("/usr/bin/python3 -c 'import mido' 2>/dev/null", status);
  if (status != 0) VELTRIX_SKIP_WHEN_MISSING("python3-mido is not installed (scripts/deps.sh)");
  for (const char* name : kSongs) {
    SCOPED_TRACE(name);
    const std::string path = *data + "/midi/" + name;
    const std::string read =
        testing::RunCommand("/usr/bin/python3 " VELTRIX_LYRICS_SCRIPT " '" + path + "'", status);
    ASSERT_EQ(status, 0);
    const std::vector<std::string> expected = nlohmann::json::parse(read);
    const IndexedFile file = IndexFile(path, CodePage());
    std::vector<std::string> firstWords;
    for (const LyricLine& line : LyricsOf(file, CodePage()).lines)
      firstWords.push_back(FirstWord(line.text));
    EXPECT_EQ(firstWords, expected);
  }
}

}  // namespace
}  // namespace veltrix
