#pragma once

#include <span>
#include <string>
#include <string_view>

#include "library/random_generators.h"

namespace quorvex {

// The parameters of one call: n[0] is n1. Array functions read all count values.
struct FunctionArgs {
  const long double* n;
  int count;
  RandomGenerators& random;
};

// Computes one function. Faults of its own arithmetic throw UntrappedFault (FloatFault or a
// financial function's invalid-argument fault).
using FunctionImpl = long double (*)(const FunctionArgs& args);

struct FunctionRow {
  std::string_view name;
  int param_count;  // 1 to 5, or 0 for an array function taking one or more values
  std::string_view category;
  std::string_view description;  // Windows-1252
  FunctionImpl impl;
};

struct CategoryInfo {
  std::string_view code;
  std::string_view name;
};

// The 155 rows in table order.
std::span<const FunctionRow> FunctionTable();

// The first row whose name equals name byte for byte, or nullptr.
const FunctionRow* FindFunction(std::string_view name);

// The eleven categories in browser order; browser position p (1 to 11) is entry p - 1.
std::span<const CategoryInfo> FunctionCategories();

// The category name of a code, or an empty text.
std::string_view FunctionCategoryName(std::string_view code);

// The description of a name, or an empty text.
std::string_view FunctionDescription(std::string_view name);

// Whether a call's result depends on more than its parameters: it draws from a random generator.
bool DrawsRandomNumbers(const FunctionRow& row);

// name[n1;n2], or name[n1;n2;...] for an array function.
std::string FormulaLine(const FunctionRow& row);

}  // namespace quorvex
