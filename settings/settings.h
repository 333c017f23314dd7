// settings: the records that outlive a run (general options, answer mask, graph options, the
// first-run flag, the variable store) and the expression log, each read from and written to its
// line file under bin/. Loading a file that cannot be opened returns false and leaves the record
// as it was; saving replaces the file atomically or throws FileWriteError.
#pragma once

#include "settings/data_files.h"
#include "settings/expression_log.h"
#include "settings/general_settings.h"
#include "settings/graph_settings.h"
#include "settings/mask_settings.h"
#include "settings/messages.h"
#include "settings/other_settings.h"
#include "settings/variable_store.h"
