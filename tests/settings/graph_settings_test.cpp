#include "settings/graph_settings.h"

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

constexpr std::string_view kDefaultBytes =
    "1\r\n10\r\n1\r\n1\r\n0\r\n0\r\n0\r\n10\r\n1\r\n0\r\n0\r\n0\r\n10\r\n0\r\n0\r\n0\r\n0\r\n"
    "15102720\r\n16777215\r\n13158600\r\n13158600\r\n0\r\n10\r\n";

// Every field away from its default, with texts that must survive unchanged.
GraphSettings Unusual() {
  GraphSettings s;
  s.start = " 1,5";
  s.stop = "2.5e3";
  s.inc = "abc";
  s.xautocheck = false;
  s.xinvcheck = true;
  s.xlogcheck = true;
  s.xmin = "-3";
  s.xmax = "";
  s.yautocheck = false;
  s.yinvcheck = true;
  s.ylogcheck = true;
  s.ymin = " ";
  s.ymax = "1E3";
  s.scheck = true;
  s.pcheck = true;
  s.hgcheck = true;
  s.vgcheck = true;
  s.gcolor = 0;
  s.bcolor = 255;
  s.grcolor = 4294967295u;
  s.pcolor = 65280;
  s.dcheck = true;
  s.percent = "0";
  return s;
}

TEST(GraphSettingsTest, DefaultsSaveAsTheTwentyThreeLines) {
  TempDir dir;
  const auto file = dir.File("graph.ini");
  SaveGraphSettings(file, GraphSettings{});
  EXPECT_EQ(ReadBytes(file), kDefaultBytes);
  GraphSettings loaded = Unusual();
  ASSERT_TRUE(LoadGraphSettings(file, loaded));
  EXPECT_EQ(loaded, GraphSettings{});
}

TEST(GraphSettingsTest, EveryFieldRoundTrips) {
  TempDir dir;
  const auto file = dir.File("graph.ini");
  SaveGraphSettings(file, Unusual());
  EXPECT_EQ(ReadBytes(file),
            " 1,5\r\n2.5e3\r\nabc\r\n0\r\n1\r\n1\r\n-3\r\n\r\n0\r\n1\r\n1\r\n \r\n1E3\r\n"
            "1\r\n1\r\n1\r\n1\r\n0\r\n255\r\n4294967295\r\n65280\r\n1\r\n0\r\n");
  GraphSettings loaded;
  ASSERT_TRUE(LoadGraphSettings(file, loaded));
  EXPECT_EQ(loaded, Unusual());
}

// The default file with line `index` (0-based) replaced.
std::string DefaultWithLine(size_t index, std::string_view text) {
  std::string bytes;
  size_t line = 0;
  size_t begin = 0;
  while (begin < kDefaultBytes.size()) {
    const size_t end = kDefaultBytes.find("\r\n", begin);
    bytes +=
        line == index ? std::string(text) : std::string(kDefaultBytes.substr(begin, end - begin));
    bytes += "\r\n";
    begin = end + 2;
    ++line;
  }
  return bytes;
}

struct FlagCase {
  const char* name;
  std::string_view line;
  bool checked;
};

const FlagCase kFlagCases[] = {
    {"OneChecks", "1", true},        {"ZeroUnchecks", "0", false},
    {"TrueUnchecks", "true", false}, {"BlankOneUnchecks", " 1", false},
    {"EmptyUnchecks", "", false},    {"TwoUnchecks", "2", false},
};

class GraphFlagTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(GraphFlagTest, FlagIsCheckedOnlyByWholeOne) {
  TempDir dir;
  const auto file = dir.File("graph.ini");
  WriteBytes(file, DefaultWithLine(21, GetParam().line));  // dcheck
  GraphSettings loaded;
  ASSERT_TRUE(LoadGraphSettings(file, loaded));
  EXPECT_EQ(loaded.dcheck, GetParam().checked);
  SaveGraphSettings(file, loaded);
  EXPECT_EQ(ReadBytes(file), DefaultWithLine(21, GetParam().checked ? "1" : "0"));
}

INSTANTIATE_TEST_SUITE_P(Lines, GraphFlagTest, ::testing::ValuesIn(kFlagCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
  const char* name;
  std::string bytes;
};

const BadCase kBadCases[] = {
    {"EmptyFile", ""},
    {"TwentyTwoLines", std::string(kDefaultBytes.substr(0, kDefaultBytes.size() - 4))},
    {"ColourNotANumber", DefaultWithLine(17, "blue")},
    {"ColourNegative", DefaultWithLine(18, "-1")},
    {"ColourWithBlank", DefaultWithLine(19, " 255")},
    {"ColourWithTrailingText", DefaultWithLine(20, "255x")},
    {"ColourEmpty", DefaultWithLine(17, "")},
    {"ColourBeyond32Bits", DefaultWithLine(18, "4294967296")},
};

class GraphBadFileTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(GraphBadFileTest, TreatedAsUnreadableAndLeavesSettings) {
  TempDir dir;
  const auto file = dir.File("graph.ini");
  WriteBytes(file, GetParam().bytes);
  GraphSettings settings = Unusual();
  EXPECT_FALSE(LoadGraphSettings(file, settings));
  EXPECT_EQ(settings, Unusual());
}

INSTANTIATE_TEST_SUITE_P(Files, GraphBadFileTest, ::testing::ValuesIn(kBadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GraphSettingsTest, MissingFileFails) {
  TempDir dir;
  GraphSettings settings = Unusual();
  EXPECT_FALSE(LoadGraphSettings(dir.File("graph.ini"), settings));
  EXPECT_EQ(settings, Unusual());
}

TEST(GraphSettingsTest, LinesAfterTheTwentyThirdIgnoredAndLfAccepted) {
  TempDir dir;
  const auto file = dir.File("graph.ini");
  WriteBytes(file, std::string(kDefaultBytes) + "junk\r\n1\r\n");
  GraphSettings loaded = Unusual();
  ASSERT_TRUE(LoadGraphSettings(file, loaded));
  EXPECT_EQ(loaded, GraphSettings{});

  WriteBytes(file, "5\n6\n1\n0\n0\n0\n0\n10\n1\n0\n0\n0\n10\n0\n0\n0\n0\n1\n2\n3\n4\n0\n10");
  ASSERT_TRUE(LoadGraphSettings(file, loaded));
  EXPECT_EQ(loaded.start, "5");
  EXPECT_EQ(loaded.stop, "6");
  EXPECT_FALSE(loaded.xautocheck);
  EXPECT_EQ(loaded.pcolor, 4u);
  EXPECT_EQ(loaded.percent, "10");
}

TEST(GraphSettingsTest, SaveIntoMissingDirectoryThrows) {
  TempDir dir;
  EXPECT_THROW(SaveGraphSettings(dir.File("no/graph.ini"), GraphSettings{}), FileWriteError);
}

TEST(GraphSettingsTest, XRangeStatusTextUsesTextsAsTyped) {
  struct Row {
    const char* why;
    std::string start;
    std::string stop;
    std::string_view text;
  };
  const Row rows[] = {
      {"defaults", "1", "10", "xE[1;10]"},
      {"comma and blank kept", " 1,5", "2.5", "xE[ 1,5;2.5]"},
      {"empty texts", "", "", "xE[;]"},
  };
  for (const Row& row : rows) {
    GraphSettings settings;
    settings.start = row.start;
    settings.stop = row.stop;
    EXPECT_EQ(XRangeStatusText(settings), row.text) << row.why;
  }
}

}  // namespace
}  // namespace quorvex
