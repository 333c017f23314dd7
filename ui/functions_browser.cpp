#include "ui/functions_browser.h"

#include "library/function_table.h"
#include "ui/text_convert.h"

namespace quorvex {
namespace {

BrowserContent FunctionsContent() {
  BrowserContent content{
      .object_name = "TForm4",
      .caption = "Functions",
      .search_caption = "Search for a function",
      .search_hint = "Type in a function you want to find",
      .list_caption = "Choose function",
      .count_caption = "# of functions:",
      .not_found = "Could not find function '",
      .entries = {},
      .categories = {},
  };
  for (const FunctionRow& row : FunctionTable()) {
    content.entries.push_back({std::string(row.name), std::string(row.category),
                               ToQString(FormulaLine(row)), ToQString(row.description)});
  }
  for (const CategoryInfo& category : FunctionCategories()) {
    content.categories.push_back({ToQString(category.name), std::string(category.code)});
  }
  return content;
}

}  // namespace

FunctionsBrowser::FunctionsBrowser(Notifier& notifier, QWidget* parent)
    : TableBrowser(FunctionsContent(), notifier, parent) {}

}  // namespace quorvex
