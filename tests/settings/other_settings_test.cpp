#include "settings/other_settings.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

struct FlagCase {
  const char* name;
  std::string_view bytes;
  std::string_view firstrun;
  bool welcome;
};

const FlagCase kFlagCases[] = {
    {"InstalledZeroShowsWelcome", "0\r\n", "0", true},
    {"ZeroWithoutLineEnd", "0", "0", true},
    {"OneShowsNone", "1\r\n", "1", false},
    {"EmptyFileShowsNone", "", "", false},
    {"ZeroWithBlankShowsNone", "0 \r\n", "0 ", false},
    {"OnlyFirstLineCounts", "1\r\n0\r\n", "1", false},
    {"LaterLinesIgnored", "0\r\nanything\r\n", "0", true},
};

class OtherLoadTest : public ::testing::TestWithParam<FlagCase> {};

TEST_P(OtherLoadTest, FirstLineIsTheFlag) {
  TempDir dir;
  const auto file = dir.File("other.ini");
  WriteBytes(file, GetParam().bytes);
  OtherSettings settings{"old"};
  ASSERT_TRUE(LoadOtherSettings(file, settings));
  EXPECT_EQ(settings.firstrun, GetParam().firstrun);
  EXPECT_EQ(settings.ShowsWelcome(), GetParam().welcome);
}

INSTANTIATE_TEST_SUITE_P(Files, OtherLoadTest, ::testing::ValuesIn(kFlagCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OtherSettingsTest, MissingFileFailsAndLeavesFlag) {
  TempDir dir;
  OtherSettings settings{"0"};
  EXPECT_FALSE(LoadOtherSettings(dir.File("other.ini"), settings));
  EXPECT_EQ(settings.firstrun, "0");
}

TEST(OtherSettingsTest, FirstRunDoneWritesOneAndEndsTheWelcome) {
  TempDir dir;
  const auto file = dir.File("other.ini");
  WriteBytes(file, "0\r\nextra\r\n");
  SaveFirstRunDone(file);
  EXPECT_EQ(ReadBytes(file), "1\r\n");
  OtherSettings settings;
  ASSERT_TRUE(LoadOtherSettings(file, settings));
  EXPECT_FALSE(settings.ShowsWelcome());
}

}  // namespace
}  // namespace quorvex
