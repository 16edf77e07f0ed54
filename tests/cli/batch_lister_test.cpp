#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <nlohmann/json.hpp>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "cli/batch_lister.h"
#include "cli/file_tree.h"
#include "cli/ordered_parallel.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

using nlohmann::json;

// A file of `notes` note-on events, so each file can be told apart by its row count.
builder::Bytes NotesFile(int notes) {
  builder::TrackBuilder track;
  for (int i = 0; i < notes; ++i) track.Event(10, {0x90, static_cast<uint8_t>(i % 128), 100});
  track.EndOfTrack();
  return testing::SingleTrackFile(track);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct BatchRun {
  int status = -1;
  std::string out;
  std::string errors;
};

BatchRun RunBatch(ListerOptions options) {
  BatchRun run;
  run.status = RunBatchLister(
      options, [&](std::string_view text) { run.out.append(text); },
      [&](std::string_view text) { run.errors.append(text); });
  return run;
}

ListerOptions FilesOptions(const std::vector<std::string>& paths, const std::string& format,
                           unsigned jobs) {
  ListerOptions options;
  options.format = format;
  options.jobs = jobs;
  for (const std::string& path : paths) options.inputs.push_back({path, false});
  return options;
}

TEST(BatchArguments, SeveralFilesFoldersJobsAndJsonLines) {
  ListerOptions options;
  bool help = false;
  std::string error;
  ASSERT_TRUE(ParseListerArguments(
      {"a.mid", "--recursive", "songs", "--jobs", "3", "--format", "jsonl", "b.mid"}, options, help,
      error))
      << error;
  ASSERT_EQ(options.inputs.size(), 3u);
  EXPECT_EQ(options.inputs[0].path, "a.mid");
  EXPECT_FALSE(options.inputs[0].recursive);
  EXPECT_EQ(options.inputs[1].path, "songs");
  EXPECT_TRUE(options.inputs[1].recursive);
  EXPECT_EQ(options.inputs[2].path, "b.mid");
  EXPECT_EQ(options.jobs, 3u);
  EXPECT_TRUE(IsBatch(options));

  struct Case {
    std::vector<std::string> arguments;
    bool batch;
  };
  for (const Case& c : {Case{{"a.mid"}, false}, Case{{"--format", "json", "a.mid"}, false},
                        Case{{"--format", "jsonl", "a.mid"}, true}, Case{{"a.mid", "b.mid"}, true},
                        Case{{"--recursive", "d"}, true}}) {
    ListerOptions parsed;
    ASSERT_TRUE(ParseListerArguments(c.arguments, parsed, help, error)) << error;
    EXPECT_EQ(IsBatch(parsed), c.batch) << c.arguments.back();
  }
  for (const std::vector<std::string>& bad :
       std::vector<std::vector<std::string>>{{"--jobs", "0", "a"},
                                             {"--jobs", "-1", "a"},
                                             {"--jobs", "two", "a"},
                                             {"--jobs", "4x", "a"},
                                             {"--jobs", "99999", "a"},
                                             {"--recursive"},
                                             {"--jobs", "2"},
                                             {"a", "--jobs"}}) {
    ListerOptions o;
    EXPECT_FALSE(ParseListerArguments(bad, o, help, error)) << bad[0] << " " << bad.back();
    EXPECT_FALSE(error.empty());
  }
}

TEST(BatchLister, PrintsInArgumentOrderWhateverFinishesFirst) {
  testing::TempDir folder;
  std::vector<std::string> paths;
  // The first file is by far the largest, so with two threads the later ones finish first.
  for (int i = 0; i < 12; ++i) {
    paths.push_back(folder.File("f" + std::to_string(i) + ".mid"));
    builder::WriteFile(paths.back(), NotesFile(i == 0 ? 40000 : i));
  }
  BatchRun run = RunBatch(FilesOptions(paths, "jsonl", 2));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "");
  std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), paths.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    json object = json::parse(lines[i]);
    EXPECT_EQ(object["path"].get<std::string>(), paths[i]);
    EXPECT_EQ(object["rows"].size(), i == 0 ? 40000u : i) << paths[i];
  }
  // One thread gives the same bytes.
  EXPECT_EQ(RunBatch(FilesOptions(paths, "jsonl", 1)).out, run.out);
}

TEST(BatchLister, OneBadFileAmongGoodOnesStopsNothing) {
  testing::TempDir folder;
  const std::string good1 = folder.File("good1.mid"), good2 = folder.File("good2.mid");
  const std::string refused = folder.File("notes.txt"), missing = folder.File("missing.mid");
  builder::WriteFile(good1, NotesFile(3));
  builder::WriteFile(good2, NotesFile(5));
  builder::WriteFile(refused, {'h', 'e', 'l', 'l', 'o'});
  for (unsigned jobs : {1u, 2u}) {
    BatchRun run = RunBatch(FilesOptions({good1, refused, missing, good2}, "tsv", jobs));
    EXPECT_EQ(run.status, 1);
    std::vector<std::string> headers;
    size_t rowsOfGood2 = 0;
    bool inGood2 = false;
    for (const std::string& line : Lines(run.out)) {
      if (line.rfind("==> ", 0) == 0) {
        headers.push_back(line);
        inGood2 = line == "==> " + good2 + " <==";
      } else if (inGood2 && line.rfind("0000", 0) == 0) {
        ++rowsOfGood2;
      }
    }
    EXPECT_EQ(headers,
              (std::vector<std::string>{"==> " + good1 + " <==", "==> " + refused + " <==",
                                        "==> " + missing + " <==", "==> " + good2 + " <=="}));
    EXPECT_EQ(rowsOfGood2, 5u);
    EXPECT_EQ(run.errors, refused +
                              ": This file is not based on the midi standard and can not be "
                              "processed.\n" +
                              missing + ": This file is Not found.\n");
  }
}

TEST(BatchLister, JsonLinesCarryThePathAndTheSingleFileObject) {
  testing::TempDir folder;
  const std::string path = folder.File("tab\tname.mid");
  builder::TrackBuilder track;
  track.Meta(0, 0x01, "line\nbreak").Event(0, {0x90, 60, 100}).EndOfTrack();
  builder::WriteFile(path, testing::SingleTrackFile(track));

  ListerOptions single;
  single.file = path;
  single.format = "json";
  json alone = json::parse(RunLister(single).output);

  BatchRun run = RunBatch(FilesOptions({path}, "jsonl", 0));
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(Lines(run.out).size(), 1u);
  EXPECT_EQ(run.out.back(), '\n');
  EXPECT_EQ(run.out.rfind("{\"path\":", 0), 0u);
  json line = json::parse(run.out);
  EXPECT_EQ(line["path"].get<std::string>(), path);
  for (const char* key :
       {"caption", "view", "columns", "rows", "labels", "warning", "status", "messages"}) {
    const json& a = alone.at(key);
    const json& b = line.at(key);
    EXPECT_EQ(a, b) << key;
  }
  EXPECT_EQ(line["rows"][0][5].get<std::string>(), "Text Event: line\nbreak");
  EXPECT_EQ(line.size(), alone.size() + 1);

  // Several files as --format json: one array of the same objects.
  BatchRun array = RunBatch(FilesOptions({path, path}, "json", 2));
  json objects = json::parse(array.out);
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[1]["path"].get<std::string>(), path);
  EXPECT_EQ(objects[1]["rows"].size(), alone["rows"].size());
}

TEST(BatchLister, RecursiveListsEveryRegularFileSortedByPath) {
  testing::TempDir folder;
  namespace fs = std::filesystem;
  const std::string root = folder.File("songs");
  for (const char* sub : {"songs/b", "songs/b.x", "songs/a/deep/er", "songs/empty"})
    fs::create_directories(folder.File(sub));
  // Component by component: "b" < "b.mid" < "b.x", so b's files come before b.mid.
  const std::vector<std::string> relative = {"a/deep/er/1.mid", "a/z.mid",   "b/c.mid",
                                             "b.mid",           "b.x/d.mid", "c.sty"};
  for (const std::string& name : relative) builder::WriteFile(root + "/" + name, NotesFile(1));
  fs::create_symlink(root, root + "/b/loop");            // not entered
  fs::create_symlink(root + "/b.mid", root + "/l.mid");  // a link to a file is a file
  mkfifo((root + "/pipe").c_str(), 0600);                // not a regular file

  std::vector<std::string> expected;
  for (const std::string& name : relative) expected.push_back(root + "/" + name);
  expected.push_back(root + "/l.mid");
  std::vector<std::string> skipped;
  EXPECT_EQ(
      FilesBelow(root, [&](const std::string& p, const std::string&) { skipped.push_back(p); }),
      expected);
  EXPECT_TRUE(skipped.empty());

  ListerOptions options;
  options.format = "jsonl";
  options.jobs = 2;
  options.inputs = {{root + "/c.sty", false}, {root, true}, {folder.File("none"), true}};
  BatchRun run = RunBatch(options);
  EXPECT_EQ(run.status, 1);  // the missing folder
  EXPECT_EQ(run.errors, "veltrix-list: " + folder.File("none") + ": No such file or directory\n");
  std::vector<std::string> paths;
  for (const std::string& line : Lines(run.out))
    paths.push_back(json::parse(line)["path"].get<std::string>());
  expected.insert(expected.begin(), root + "/c.sty");
  EXPECT_EQ(paths, expected);
}

TEST(BatchLister, UnreadableEntriesAreSkippedWithAMessage) {
  testing::TempDir folder;
  std::filesystem::create_directories(folder.File("d/closed"));
  builder::WriteFile(folder.File("d/ok.mid"), NotesFile(2));
  std::filesystem::create_symlink(folder.File("gone.mid"), folder.File("d/broken.mid"));
  std::string expectedErrors =
      "veltrix-list: " + folder.File("d/broken.mid") + ": No such file or directory\n";
  // Permissions do not bind the superuser; the folder is then simply empty.
  const bool closable = geteuid() != 0;
  if (closable) {
    chmod(folder.File("d/closed").c_str(), 0);
    expectedErrors =
        "veltrix-list: " + folder.File("d/closed") + ": Permission denied\n" + expectedErrors;
  }
  ListerOptions options;
  options.format = "jsonl";
  options.inputs = {{folder.File("d"), true}};
  BatchRun run = RunBatch(options);
  if (closable) chmod(folder.File("d/closed").c_str(), 0700);
  EXPECT_EQ(run.status, 1);
  ASSERT_EQ(Lines(run.out).size(), 1u);
  EXPECT_EQ(json::parse(run.out)["path"].get<std::string>(), folder.File("d/ok.mid"));
  EXPECT_EQ(run.errors, expectedErrors);
}

TEST(RunInOrder, DeliversInOrderWithABoundedWindowAndRethrowsAtItsTurn) {
  std::atomic<int> inFlight{0}, mostInFlight{0};
  std::vector<size_t> delivered;
  const size_t window = 3;
  RunInOrder<size_t>(
      40, 2, window,
      [&](size_t i) {
        int now = ++inFlight;
        for (int seen = mostInFlight; now > seen && !mostInFlight.compare_exchange_weak(seen, now);)
          ;
        std::this_thread::sleep_for(std::chrono::microseconds((i * 7919) % 900));
        return i * i;
      },
      [&](size_t i, size_t& square) {
        EXPECT_EQ(square, i * i);
        delivered.push_back(i);
        --inFlight;  // an item leaves the window when it is delivered
      });
  ASSERT_EQ(delivered.size(), 40u);
  for (size_t i = 0; i < delivered.size(); ++i) EXPECT_EQ(delivered[i], i);
  EXPECT_LE(mostInFlight.load(), static_cast<int>(window));

  std::vector<size_t> before;
  EXPECT_THROW(RunInOrder<int>(
                   20, 3, 6,
                   [](size_t i) {
                     if (i == 5) throw std::runtime_error("item 5");
                     return static_cast<int>(i);
                   },
                   [&](size_t i, int&) { before.push_back(i); }),
               std::runtime_error);
  EXPECT_EQ(before, (std::vector<size_t>{0, 1, 2, 3, 4}));
}

TEST(BatchLister, BinaryListsSeveralFilesAndRefusesBadJobs) {
  testing::TempDir folder;
  const std::string a = folder.File("a.mid"), b = folder.File("b.mid");
  builder::WriteFile(a, NotesFile(1));
  builder::WriteFile(b, NotesFile(2));
  const auto run = testing::RunCommand;
  const std::string binary = VELTRIX_LIST_BINARY;
  int status = -1;
  std::string out = run(binary + " --jobs 2 '" + b + "' '" + a + "'", status);
  EXPECT_EQ(status, 0);
  std::vector<std::string> lines = Lines(out);
  ASSERT_EQ(lines.size(), 1u + 1 + 2 + 1 + 1 + 1);
  EXPECT_EQ(lines[0], "==> " + b + " <==");
  EXPECT_EQ(lines[1], "ID\tDelay\tMeasure\tCh\tType\tCommand");
  EXPECT_EQ(lines[4], "==> " + a + " <==");
  out = run(
      binary + " --recursive '" + folder.path() + "' '" + folder.File("none.mid") + "' 2>/dev/null",
      status);
  EXPECT_EQ(status, 1);
  EXPECT_NE(out.find("==> " + folder.File("none.mid") + " <=="), std::string::npos);
  run(binary + " --jobs 0 '" + a + "' 2>/dev/null", status);
  EXPECT_EQ(status, 2);
  run(binary + " --codepage NO-SUCH-PAGE --recursive '" + folder.path() + "' 2>/dev/null", status);
  EXPECT_EQ(status, 2);
}

}  // namespace
}  // namespace veltrix
