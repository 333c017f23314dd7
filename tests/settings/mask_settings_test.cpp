#include "settings/mask_settings.h"

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

struct LoadCase {
  const char* name;
  std::string_view bytes;
  MaskSettings expected;
};

const LoadCase kLoadCases[] = {
    {"DefaultsKeepTrailingBlank", "= \r\n\r\n\r\n", MaskSettings{"= ", "", ""}},
    {"BlanksKeptOnEveryLine", "  Result: \r\n 0.000 \r\n m \r\n",
     MaskSettings{"  Result: ", " 0.000 ", " m "}},
    {"MissingLinesReadEmpty", "x = \r\n", MaskSettings{"x = ", "", ""}},
    {"EmptyFileClearsAll", "", MaskSettings{"", "", ""}},
    {"LinesAfterTheThirdIgnored", "a\r\nb\r\nc\r\nd\r\n", MaskSettings{"a", "b", "c"}},
    {"Windows1252BytesKept",
     "\x80 \r\n#,##0.00\r\n \xB0"
     "C\r\n",
     MaskSettings{"\x80 ", "#,##0.00",
                  " \xB0"
                  "C"}},
};

class MaskLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(MaskLoadTest, ReadsLinesWhole) {
  TempDir dir;
  const auto file = dir.File("mask.ini");
  WriteBytes(file, GetParam().bytes);
  MaskSettings settings{"old", "old", "old"};
  ASSERT_TRUE(LoadMaskSettings(file, settings));
  EXPECT_EQ(settings, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, MaskLoadTest, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MaskSettingsTest, MissingFileFailsAndLeavesSettings) {
  TempDir dir;
  MaskSettings settings{"p", "0.0", "s"};
  EXPECT_FALSE(LoadMaskSettings(dir.File("mask.ini"), settings));
  EXPECT_EQ(settings, (MaskSettings{"p", "0.0", "s"}));
}

TEST(MaskSettingsTest, SaveWritesThreeCrLfLines) {
  TempDir dir;
  const auto file = dir.File("mask.ini");
  SaveMaskSettings(file, MaskSettings{});
  EXPECT_EQ(ReadBytes(file), "= \r\n\r\n\r\n");
  SaveMaskSettings(file, MaskSettings{"Result: ", "0.000", " m"});
  EXPECT_EQ(ReadBytes(file), "Result: \r\n0.000\r\n m\r\n");
  MaskSettings loaded;
  ASSERT_TRUE(LoadMaskSettings(file, loaded));
  EXPECT_EQ(loaded, (MaskSettings{"Result: ", "0.000", " m"}));
}

TEST(MaskSettingsTest, SaveIntoMissingDirectoryThrows) {
  TempDir dir;
  EXPECT_THROW(SaveMaskSettings(dir.File("no/mask.ini"), MaskSettings{}), FileWriteError);
}

struct TextCase {
  const char* name;
  MaskSettings mask;
  long double value;
  std::string_view masked;
  std::string_view status;
};

const TextCase kTextCases[] = {
    {"DefaultInteger", MaskSettings{}, 4.0L, "= 4", "= "},
    {"EmptyMaskFallsBackToGeneralForm", MaskSettings{}, 0.1L, "= 0,1", "= "},
    {"PrefixPatternSuffix", MaskSettings{"Result: ", "0.000", " m"}, 2.0L, "Result: 2,000 m",
     "Result: 0.000 m"},
    {"HugeValueUsesGeneralForm", MaskSettings{"= ", "0.00", ""}, 1e20L, "= 1E20", "= 0.00"},
    {"EmptyPrefix", MaskSettings{"", "0", ""}, 2.6L, "3", "0"},
};

class MaskTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(MaskTextTest, MaskedAndStatusText) {
  EXPECT_EQ(MaskedText(GetParam().mask, GetParam().value), GetParam().masked);
  EXPECT_EQ(MaskStatusText(GetParam().mask), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Masks, MaskTextTest, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvex
