#include "settings/expression_log.h"

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;
using Lines = std::vector<std::string>;

TEST(ExpressionLogTest, WriteReplacesTheFileWithTheWholeList) {
  TempDir dir;
  const auto file = dir.File("log.ini");
  WriteBytes(file, "old\r\nolder\r\noldest\r\n");
  WriteExpressionLog(file, {"2+3", "4*5"});
  EXPECT_EQ(ReadBytes(file), "2+3\r\n4*5\r\n");
  WriteExpressionLog(file, {"2+3", "4*5"});
  EXPECT_EQ(ReadBytes(file), "2+3\r\n4*5\r\n");
}

TEST(ExpressionLogTest, WriteIntoMissingDirectoryThrows) {
  TempDir dir;
  EXPECT_THROW(WriteExpressionLog(dir.File("no/log.ini"), {"1"}), FileWriteError);
}

struct InsertCase {
  const char* name;
  std::string_view bytes;
  Lines list_before;
  Lines list_after;
};

const InsertCase kInsertCases[] = {
    {"IntoEmptyList", "2+3\r\n4*5\r\n", {}, {"2+3", "4*5"}},
    {"EmptyLinesSkipped", "2+3\r\n\r\n\r\n4*5\r\n", {}, {"2+3", "4*5"}},
    {"BlankLinesKept", "1\r\n  \r\n2", {}, {"1", "  ", "2"}},
    {"NonEmptyListUnchanged", "2+3\r\n4*5\r\n", {"7"}, {"7"}},
    {"EmptyFileInsertsNothing", "", {}, {}},
    {"OnlyEmptyLinesInsertNothing", "\r\n\r\n", {}, {}},
};

class InsertLogTest : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertLogTest, OnlyAnEmptyListReceivesTheNonEmptyLines) {
  TempDir dir;
  const auto file = dir.File("log.ini");
  WriteBytes(file, GetParam().bytes);
  Lines list = GetParam().list_before;
  EXPECT_TRUE(InsertExpressionLog(file, list));
  EXPECT_EQ(list, GetParam().list_after);
  EXPECT_EQ(ReadBytes(file), GetParam().bytes);  // inserting only reads
}

INSTANTIATE_TEST_SUITE_P(Files, InsertLogTest, ::testing::ValuesIn(kInsertCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExpressionLogTest, MissingLogFailsEvenForAFullList) {
  TempDir dir;
  for (const Lines& before : {Lines{}, Lines{"1+1"}}) {
    Lines list = before;
    EXPECT_FALSE(InsertExpressionLog(dir.File("log.ini"), list));
    EXPECT_EQ(list, before);
  }
  EXPECT_FALSE(ReadLogViewer(dir.File("log.ini")).has_value());
}

TEST(ExpressionLogTest, WrittenListComesBackByInsert) {
  TempDir dir;
  const auto file = dir.File("log.ini");
  WriteExpressionLog(file, {"2+3", "4*5"});
  Lines list;
  ASSERT_TRUE(InsertExpressionLog(file, list));
  EXPECT_EQ(list, (Lines{"2+3", "4*5"}));
}

TEST(ExpressionLogTest, ViewerShowsEveryLineEmptyOnesIncluded) {
  TempDir dir;
  const auto file = dir.File("log.ini");
  WriteBytes(file, "a\r\n\r\nb\r\n");
  EXPECT_EQ(ReadLogViewer(file), (Lines{"a", "", "b"}));
  WriteBytes(file, "");
  EXPECT_EQ(ReadLogViewer(file), Lines{});
}

TEST(ExpressionLogTest, ClearEmptiesFileAndViewer) {
  TempDir dir;
  const auto file = dir.File("log.ini");
  WriteBytes(file, "2+3\r\n4*5\r\n");
  Lines viewer = *ReadLogViewer(file);
  ASSERT_TRUE(ClearExpressionLog(file, viewer));
  EXPECT_TRUE(viewer.empty());
  EXPECT_EQ(ReadBytes(file), "");
}

TEST(ExpressionLogTest, ClearWithEmptyViewerTouchesNothing) {
  TempDir dir;
  const auto file = dir.File("log.ini");
  WriteBytes(file, "written after the viewer was loaded\r\n");
  Lines viewer;
  ASSERT_TRUE(ClearExpressionLog(file, viewer));
  EXPECT_TRUE(viewer.empty());
  EXPECT_EQ(ReadBytes(file), "written after the viewer was loaded\r\n");
}

}  // namespace
}  // namespace quorvex
