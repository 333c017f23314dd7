// engine: an expression text becomes a flat TokenList (Tokenize), symbols are substituted, and
// the Solver rewrites the list in place, innermost bracket group first, recording a step line
// per cycle, until one number is left in ans; FormatAnswer writes it in the chosen number
// system. There is no tree: every intermediate result is number text in the list.
#pragma once

#include "engine/answer_format.h"
#include "engine/engine_state.h"
#include "engine/messages.h"
#include "engine/solver.h"
#include "engine/token_list.h"
#include "engine/tokenizer.h"
