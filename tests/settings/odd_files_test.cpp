// Data files of random bytes, without line ends, or of a megabyte: every loader reads them as
// its format says (a line per CR LF, LF or CR; the fields by line; a missing line empty) and
// nothing else happens.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "settings/expression_log.h"
#include "settings/general_settings.h"
#include "settings/graph_settings.h"
#include "settings/mask_settings.h"
#include "settings/other_settings.h"
#include "settings/variable_store.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing_support::TempDir;
using testing_support::WriteBytes;

// Bytes drawn from alphabet (every byte when empty), from a fixed seed.
std::string RandomBytes(size_t size, uint32_t seed, const std::string& alphabet = "") {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& byte : bytes) {
    const uint32_t draw = random();
    byte = alphabet.empty() ? static_cast<char>(draw & 0xFF) : alphabet[draw % alphabet.size()];
  }
  return bytes;
}

// The line rule written out plainly: CR LF, LF and a lone CR each end a line.
std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      lines.push_back(line);
      line.clear();
      open = false;
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += bytes[i];
      open = true;
    }
  }
  if (open) lines.push_back(line);
  return lines;
}

std::string Line(const std::vector<std::string>& lines, size_t i) {
  return i < lines.size() ? lines[i] : std::string();
}

struct OddFile {
  const char* name;
  std::string bytes;
};

const OddFile kOddFiles[] = {
    {"RandomBytes", RandomBytes(65536, 1)},
    // Mostly the bytes the formats care about, so that fields are hit.
    {"RandomLinesOfFlags", RandomBytes(65536, 2, "0123\r\n\r\n\n1111")},
    {"RandomBytesAroundFlags", RandomBytes(4096, 3, std::string("1\r\n\0\xFF\xE9 ;x", 10))},
    {"OneFlagWithoutLineEnd", "1"},
    {"TextWithoutLineEnd", "= value"},
    {"MegabyteWithoutLineEnds", std::string(1 << 20, '1')},
    {"MegabyteOfCarriageReturns", std::string(1 << 20, '\r')},
    {"NulBytes", std::string(100, '\0')},
    {"Empty", ""},
};

class OddFileTest : public ::testing::TestWithParam<OddFile> {
 protected:
  void SetUp() override { WriteBytes(file_, GetParam().bytes); }
  const std::vector<std::string> lines_ = Lines(GetParam().bytes);
  TempDir dir_;
  const std::filesystem::path file_ = dir_.File("bin/data.ini");
};

TEST_P(OddFileTest, GeneralSettingsByLine) {
  GeneralSettings settings;
  ASSERT_TRUE(LoadGeneralSettings(file_, settings));
  EXPECT_EQ(settings.logcheck, Line(lines_, 0) == "1");
  const std::string system = Line(lines_, 1);
  const int expected_system =
      system.size() == 1 && system[0] >= '0' && system[0] <= '3' ? system[0] - '0' : kBinary;
  EXPECT_EQ(settings.numbersys, expected_system);
  EXPECT_EQ(settings.scicheck, Line(lines_, 2) == "1");
  EXPECT_EQ(settings.autocomplete, Line(lines_, 3) == "1");
  EXPECT_EQ(settings.storeinput, Line(lines_, 4) == "1");
  EXPECT_EQ(settings.solcheck, Line(lines_, 5) == "1");
  EXPECT_EQ(settings.tscheck, Line(lines_, 6) == "1");
}

TEST_P(OddFileTest, FirstRunFlagIsTheFirstLine) {
  OtherSettings settings;
  ASSERT_TRUE(LoadOtherSettings(file_, settings));
  EXPECT_EQ(settings.firstrun, Line(lines_, 0));
}

TEST_P(OddFileTest, MaskTakesThreeWholeLines) {
  MaskSettings settings;
  ASSERT_TRUE(LoadMaskSettings(file_, settings));
  EXPECT_EQ(settings.prefix, Line(lines_, 0));
  EXPECT_EQ(settings.mask, Line(lines_, 1));
  EXPECT_EQ(settings.suffix, Line(lines_, 2));
}

// A colour line is a whole number from 0 to 4294967295.
bool IsColour(const std::string& line) {
  if (line.empty() || line.size() > 10) return false;
  for (char c : line) {
    if (c < '0' || c > '9') return false;
  }
  return std::stoull(line) <= 4294967295ull;
}

// 23 lines with four colours load as typed; anything else leaves the old settings.
TEST_P(OddFileTest, GraphSettingsWholeOrNotAtAll) {
  GraphSettings settings;
  settings.start = "kept";
  const bool loadable = lines_.size() >= 23 && IsColour(lines_[17]) && IsColour(lines_[18]) &&
                        IsColour(lines_[19]) && IsColour(lines_[20]);
  EXPECT_EQ(LoadGraphSettings(file_, settings), loadable);
  EXPECT_EQ(settings.start, loadable ? lines_[0] : "kept");
  if (loadable) {
    EXPECT_EQ(settings.percent, lines_[22]);
    EXPECT_EQ(settings.gcolor, std::stoull(lines_[17]));
  }
}

TEST_P(OddFileTest, VariablesAreEveryLine) {
  VariableStore store;
  ASSERT_TRUE(LoadVariableStore(file_, file_, store));
  EXPECT_EQ(store.declarations, lines_);
  EXPECT_EQ(store.assignments, lines_);
}

TEST_P(OddFileTest, LogInsertsTheNonEmptyLines) {
  std::vector<std::string> expected;
  for (const std::string& line : lines_) {
    if (!line.empty()) expected.push_back(line);
  }
  std::vector<std::string> evaluate;
  ASSERT_TRUE(InsertExpressionLog(file_, evaluate));
  EXPECT_EQ(evaluate, expected);
  EXPECT_EQ(ReadLogViewer(file_), lines_);
}

INSTANTIATE_TEST_SUITE_P(Shapes, OddFileTest, ::testing::ValuesIn(kOddFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// A graph file with 23 lines of random text around valid colours loads those lines as they are.
TEST(OddGraphFile, RandomTextLinesLoadAsTyped) {
  TempDir dir;
  std::vector<std::string> lines = Lines(RandomBytes(23 * 40, 4, "0123,.-xE ab\xE9"));
  lines.resize(23, "?");
  for (size_t i = 17; i <= 20; ++i) lines[i] = "4294967295";
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  WriteBytes(dir.File("graph.ini"), bytes);
  GraphSettings settings;
  ASSERT_TRUE(LoadGraphSettings(dir.File("graph.ini"), settings));
  EXPECT_EQ(settings.start, lines[0]);
  EXPECT_EQ(settings.percent, lines[22]);
  EXPECT_EQ(settings.gcolor, 4294967295u);
}

}  // namespace
}  // namespace quorvex
