#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quorvex {

struct ConstantRow {
  std::string_view name;
  std::string_view category;
  std::string_view value;        // number text in the general form, with the decimal comma
  std::string_view description;  // Windows-1252
};

struct ConstantCategoryInfo {
  std::string_view code;
  std::string_view name;
};

// The 65 rows in table order.
std::span<const ConstantRow> ConstantTable();

// The first row whose name equals name byte for byte, or nullptr.
const ConstantRow* FindConstant(std::string_view name);

// The row index (0 to 64) of the name, or -1.
int FindConstantIndex(std::string_view name);

// The constant categories in browser order; browser position p (from 1) is entry p - 1.
std::span<const ConstantCategoryInfo> ConstantCategories();

// The category name of a code, or an empty text.
std::string_view ConstantCategoryName(std::string_view code);

// The code at browser position 1 to 8; empty for any other position ("All" is 0).
std::string_view ConstantCategoryCode(int position);

// The formula line shown by the constants browser (the value by the pattern "0.####").
std::string ConstantFormulaLine(const ConstantRow& row);

}  // namespace quorvex
