// library: the built-ins as data. FunctionTable holds the 155 functions (name, parameter count,
// category, description, implementation), ConstantTable the 65 constants; the function
// families live one per file and the engine calls them through the table rows only.
#pragma once

#include "library/constant_table.h"
#include "library/function_table.h"
#include "library/random_generators.h"
