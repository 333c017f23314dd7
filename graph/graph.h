// graph: the calculation of an expression over an x range. RunGraph reads the range from the
// graph settings, configures the ChartModel (ApplyGraphOptions), then for every x writes x into
// the engine's x slots, solves, adds the point to the chart's series, keeps the running sum
// and area and, with tscheck, the ValueTable rows; the clock and the windows come in through
// the Clock and GraphHost seams. Nothing here draws. A run may hold millions of points, so the
// series keeps two doubles per point and the table keeps x and f(x) as values (PointRows),
// formatting a row only when it is read.
#pragma once

#include "graph/chart_model.h"
#include "graph/graph_options.h"
#include "graph/graph_run.h"
#include "graph/messages.h"
#include "graph/point_rows.h"
#include "graph/seams.h"
#include "graph/value_table.h"
