// app: Calculator, the one object that owns a run's long-lived state (ans, the token lists, the
// counters, the random generators, the settings records, the chart and the value table). It runs
// the start-up sequence, a solve and a graph run, and reaches the outside world only through the
// seams it is handed (Notifier, Clock, GraphHost); the windows and the command line show what a
// SolveOutcome holds.
#pragma once

#include "app/calculator.h"
#include "app/seams.h"
