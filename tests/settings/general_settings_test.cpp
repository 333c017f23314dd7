#include "settings/general_settings.h"

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

GeneralSettings Make(bool log, int sys, bool sci, bool ac, bool store, bool sol, bool ts) {
  return GeneralSettings{log, sys, sci, ac, store, sol, ts};
}

struct LoadCase {
  const char* name;
  std::string_view bytes;
  GeneralSettings expected;
};

const LoadCase kLoadCases[] = {
    {"ShippedDefaults", "1\r\n1\r\n0\r\n0\r\n1\r\n1\r\n1\r\n", GeneralSettings{}},
    {"FourIsBinary", "1\r\n4\r\n0\r\n0\r\n1\r\n1\r\n1\r\n", Make(1, kBinary, 0, 0, 1, 1, 1)},
    {"SevenIsBinary", "1\r\n7\r\n0\r\n0\r\n1\r\n1\r\n1\r\n", Make(1, kBinary, 0, 0, 1, 1, 1)},
    {"MinusOneIsBinary", "1\r\n-1\r\n0\r\n0\r\n1\r\n1\r\n1\r\n", Make(1, kBinary, 0, 0, 1, 1, 1)},
    {"EmptySystemIsBinary", "1\r\n\r\n0\r\n0\r\n1\r\n1\r\n1\r\n", Make(1, kBinary, 0, 0, 1, 1, 1)},
    {"ZeroIsHexadecimal", "0\r\n0\r\n1\r\n1\r\n0\r\n0\r\n0\r\n",
     Make(0, kHexadecimal, 1, 1, 0, 0, 0)},
    {"TwoIsOctal", "1\r\n2\r\n1\r\n1\r\n1\r\n1\r\n1\r\n", Make(1, kOctal, 1, 1, 1, 1, 1)},
    {"ThreeIsQuaternary", "1\r\n3\r\n0\r\n0\r\n1\r\n1\r\n1\r\n",
     Make(1, kQuaternary, 0, 0, 1, 1, 1)},
    {"ShortFileTurnsTheRestOff", "1\r\n1\r\n1\r\n", Make(1, kDecimal, 1, 0, 0, 0, 0)},
    {"EmptyFileIsAllOffAndBinary", "", Make(0, kBinary, 0, 0, 0, 0, 0)},
    {"LeadingBlankAndTrueReadOff", " 1\r\n 1\r\ntrue\r\n1 \r\nTRUE\r\n01\r\non\r\n",
     Make(0, kBinary, 0, 0, 0, 0, 0)},
    {"LinesAfterTheSeventhIgnored", "1\r\n1\r\n0\r\n0\r\n1\r\n1\r\n1\r\n0\r\n0\r\n",
     GeneralSettings{}},
    {"LfLineEndsAccepted", "0\n1\n1\n1\n0\n0\n0\n", Make(0, kDecimal, 1, 1, 0, 0, 0)},
    {"NoFinalLineEnd", "1\r\n1\r\n0\r\n0\r\n1\r\n1\r\n1", GeneralSettings{}},
};

class GeneralLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(GeneralLoadTest, ReadsWholeLinesExactly) {
  TempDir dir;
  const auto file = dir.File("general.ini");
  WriteBytes(file, GetParam().bytes);
  // Start from the opposite of the expectation so every field must really be set.
  GeneralSettings settings =
      Make(!GetParam().expected.logcheck, -5, !GetParam().expected.scicheck,
           !GetParam().expected.autocomplete, !GetParam().expected.storeinput,
           !GetParam().expected.solcheck, !GetParam().expected.tscheck);
  ASSERT_TRUE(LoadGeneralSettings(file, settings));
  EXPECT_EQ(settings, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Files, GeneralLoadTest, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GeneralSettingsTest, MissingFileFailsAndLeavesSettings) {
  TempDir dir;
  GeneralSettings settings = Make(0, kOctal, 1, 1, 0, 0, 0);
  EXPECT_FALSE(LoadGeneralSettings(dir.File("missing.ini"), settings));
  EXPECT_EQ(settings, Make(0, kOctal, 1, 1, 0, 0, 0));
}

struct SaveCase {
  const char* name;
  GeneralSettings settings;
  std::string_view bytes;
};

const SaveCase kSaveCases[] = {
    {"Defaults", GeneralSettings{}, "1\r\n1\r\n0\r\n0\r\n1\r\n1\r\n1\r\n"},
    {"HexadecimalKeepsSciTicked", Make(1, kHexadecimal, 1, 0, 1, 1, 1),
     "1\r\n0\r\n1\r\n0\r\n1\r\n1\r\n1\r\n"},
    {"AllOffBinary", Make(0, kBinary, 0, 0, 0, 0, 0), "0\r\n4\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"},
    {"OutOfRangeSystemWrittenAsBinary", Make(1, 9, 0, 1, 0, 1, 0),
     "1\r\n4\r\n0\r\n1\r\n0\r\n1\r\n0\r\n"},
};

class GeneralSaveTest : public ::testing::TestWithParam<SaveCase> {};

TEST_P(GeneralSaveTest, WritesSevenCrLfLines) {
  TempDir dir;
  const auto file = dir.File("general.ini");
  WriteBytes(file, "old content that is longer than seven short lines\r\n");
  SaveGeneralSettings(file, GetParam().settings);
  EXPECT_EQ(ReadBytes(file), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Records, GeneralSaveTest, ::testing::ValuesIn(kSaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GeneralSettingsTest, SaveThenLoadRoundTrips) {
  TempDir dir;
  const auto file = dir.File("general.ini");
  for (int sys = kHexadecimal; sys <= kBinary; ++sys) {
    const GeneralSettings saved = Make(sys % 2, sys, 1, sys % 2 == 0, 0, 1, 0);
    SaveGeneralSettings(file, saved);
    GeneralSettings loaded;
    ASSERT_TRUE(LoadGeneralSettings(file, loaded));
    EXPECT_EQ(loaded, saved) << "number system " << sys;
  }
}

TEST(GeneralSettingsTest, SaveIntoMissingDirectoryThrows) {
  TempDir dir;
  EXPECT_THROW(SaveGeneralSettings(dir.File("no/such/general.ini"), GeneralSettings{}),
               FileWriteError);
}

struct StatusCase {
  const char* name;
  int numbersys;
  bool scicheck;
  std::string_view text;
  bool sci_available;
};

const StatusCase kStatusCases[] = {
    {"Decimal", kDecimal, false, "Decimal", true},
    {"DecimalSci", kDecimal, true, "Decimal (sci)", true},
    {"HexadecimalIgnoresSci", kHexadecimal, true, "Hexadecimal", false},
    {"Octal", kOctal, false, "Octal", false},
    {"QuaternaryIgnoresSci", kQuaternary, true, "Quaternary", false},
    {"Binary", kBinary, false, "Binary", false},
    {"OutOfRangeShowsBinary", 17, true, "Binary", false},
    {"NegativeShowsBinary", -1, false, "Binary", false},
};

class GeneralStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(GeneralStatusTest, PanelTextAndSciAvailability) {
  GeneralSettings settings;
  settings.numbersys = GetParam().numbersys;
  settings.scicheck = GetParam().scicheck;
  EXPECT_EQ(NumberSystemStatusText(settings), GetParam().text);
  EXPECT_EQ(ScientificAvailable(settings), GetParam().sci_available);
}

INSTANTIATE_TEST_SUITE_P(Systems, GeneralStatusTest, ::testing::ValuesIn(kStatusCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvex
