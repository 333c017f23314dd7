// engine: an expression text becomes a flat TokenList (Tokenize), symbols are substituted
// (SubstituteSymbols), and the Solver rewrites the list in place, innermost bracket group first
// (a function group through EvaluateCall), recording a step line per cycle, until one number is
// left in ans; FormatAnswer writes it in the chosen number system. There is no tree: every
// intermediate result is number text in the list.
//
// Solver::Solve is the one way to start a solve; it says what the solve became (failed before
// any reduction, reduced, or handed to the graph run). A graph run solves the same tokens for
// every x through GraphReplay, which records the reductions of the first x (the solver tells a
// ReductionObserver of each) and replays them on values for the later ones.
#pragma once

#include "engine/answer_format.h"
#include "engine/engine_state.h"
#include "engine/function_call.h"
#include "engine/graph_replay.h"
#include "engine/messages.h"
#include "engine/reduction.h"
#include "engine/solver.h"
#include "engine/substitution.h"
#include "engine/token_list.h"
#include "engine/tokenizer.h"
