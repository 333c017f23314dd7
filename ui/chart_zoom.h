#pragma once

#include "graph/chart_model.h"

namespace quorvex {

// The view arithmetic of wheel zoom and panning. A logarithmic axis zooms and pans by
// factors, a linear one by differences, so the pointer's value stays under the pointer.

// range scaled by factor (below 1 zooms in) about the point (x, y), which stays in place.
ZoomRect ZoomAbout(const ZoomRect& range, double x, double y, double factor, bool x_log,
                   bool y_log);

// range moved so that the value at from lands where to is: (from_x, from_y) and (to_x, to_y)
// are the values under the pointer at the start and end of a drag.
ZoomRect PanRange(const ZoomRect& range, double from_x, double from_y, double to_x, double to_y,
                  bool x_log, bool y_log);

// Whether every edge is finite and each axis keeps a width (and on a log axis stays above 0).
bool UsableRange(const ZoomRect& range, bool x_log, bool y_log);

}  // namespace quorvex
