#include "ui/constants_browser.h"

#include "library/constant_table.h"
#include "ui/text_convert.h"

namespace quorvex {
namespace {

BrowserContent ConstantsContent() {
  BrowserContent content{
      .object_name = "TForm9",
      .caption = "Constants",
      .search_caption = "Search for a constant",
      .search_hint = "Type in a constant you want to find",
      .list_caption = "Choose constant",
      .count_caption = "# of constants:",
      .not_found = "Could not find constant '",
      .entries = {},
      .categories = {},
  };
  for (const ConstantRow& row : ConstantTable()) {
    content.entries.push_back({std::string(row.name), std::string(row.category),
                               ToQString(ConstantFormulaLine(row)), ToQString(row.description)});
  }
  for (const ConstantCategoryInfo& category : ConstantCategories()) {
    content.categories.push_back({ToQString(category.name), std::string(category.code)});
  }
  return content;
}

}  // namespace

ConstantsBrowser::ConstantsBrowser(Notifier& notifier, QWidget* parent)
    : TableBrowser(ConstantsContent(), notifier, parent) {}

}  // namespace quorvex
