#include <gtest/gtest.h>

#include "settings/data_files.h"
#include "settings/expression_log.h"
#include "settings/general_settings.h"
#include "settings/graph_settings.h"
#include "settings/mask_settings.h"
#include "settings/other_settings.h"
#include "settings/variable_store.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

// The data files installed with the program must load to the defaults, and saving the
// defaults must reproduce them byte for byte.
const DataDir kShipped(QUORVEX_SHIPPED_ROOT);

TEST(ShippedFilesTest, GeneralMaskAndGraphHoldTheDefaults) {
  GeneralSettings general{false, kBinary, true, true, false, false, false};
  ASSERT_TRUE(LoadGeneralSettings(kShipped.File(kGeneralFile), general));
  EXPECT_EQ(general, GeneralSettings{});

  MaskSettings mask{"x", "y", "z"};
  ASSERT_TRUE(LoadMaskSettings(kShipped.File(kMaskFile), mask));
  EXPECT_EQ(mask, MaskSettings{});

  GraphSettings graph;
  graph.start = "changed";
  ASSERT_TRUE(LoadGraphSettings(kShipped.File(kGraphFile), graph));
  EXPECT_EQ(graph, GraphSettings{});

  testing_support::TempDir dir;
  SaveGeneralSettings(dir.File("general.ini"), GeneralSettings{});
  SaveMaskSettings(dir.File("mask.ini"), MaskSettings{});
  SaveGraphSettings(dir.File("graph.ini"), GraphSettings{});
  EXPECT_EQ(testing_support::ReadBytes(dir.File("general.ini")),
            testing_support::ReadBytes(kShipped.File(kGeneralFile)));
  EXPECT_EQ(testing_support::ReadBytes(dir.File("mask.ini")),
            testing_support::ReadBytes(kShipped.File(kMaskFile)));
  EXPECT_EQ(testing_support::ReadBytes(dir.File("graph.ini")),
            testing_support::ReadBytes(kShipped.File(kGraphFile)));
}

TEST(ShippedFilesTest, FirstRunShowsWelcomeAndStoresAreEmpty) {
  OtherSettings other;
  ASSERT_TRUE(LoadOtherSettings(kShipped.File(kOtherFile), other));
  EXPECT_TRUE(other.ShowsWelcome());

  VariableStore store;
  store.declarations = {"old"};
  ASSERT_TRUE(LoadVariableStore(kShipped, store));
  EXPECT_EQ(store, VariableStore{});

  EXPECT_EQ(ReadLogViewer(kShipped.File(kLogFile)), std::vector<std::string>{});
}

}  // namespace
}  // namespace quorvex
