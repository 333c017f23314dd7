// quorvex-cli: solves expressions over one Calculator, as one run of the window program would.
// Its options, JSON keys and exit statuses are a contract: change them only by adding.
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "app/calculator.h"
#include "common/cp1252.h"
#include "common/number_text.h"

namespace {

constexpr int kAllSolved = 0;
constexpr int kSomeFailed = 1;
constexpr int kUnusable = 2;

constexpr const char* kUsage =
    "usage: quorvex-cli [--dir DIR] [--json] [--table] [EXPRESSION ...]\n"
    "Solves each EXPRESSION (or each line of standard input) step by step. An expression with\n"
    "x is calculated over the x range of bin/graph.ini without windows (never stopping for a\n"
    "reminder); its answer is the timing message.\n"
    "  --dir DIR   working directory whose bin/ holds the data files (default: .)\n"
    "  --json      one JSON object per expression: expression, steps, answer, bits, ans, fault,\n"
    "              graph (null unless the expression holds x; else formula, null unless the\n"
    "              run completed, and points, the number of points the run calculated)\n"
    "  --table     with x: also the table and statistics (with tscheck on); plain output\n"
    "              prints the table rows after the answer, JSON adds to graph the keys table,\n"
    "              count, maxvalue, minvalue, sum, area, top, tcount, max, maxcount, bottom,\n"
    "              bcount, min, mincount, zero, zcount (lists as arrays of rows; all null when\n"
    "              the run did not complete or tscheck is off)\n"
    "  --help      this text\n"
    "  --version   the program's version\n"
    "Exit status: 0 all solved, 1 a message or fault, 2 unusable arguments or data files.\n";

class StderrNotifier : public quorvex::Notifier {
 public:
  void ShowMessage(std::string_view text) override {
    std::cerr << quorvex::Cp1252ToUtf8(text) << '\n';
  }
  void ShowErrorReport(std::string_view text) override {
    std::cerr << "Error: " << quorvex::Cp1252ToUtf8(text) << '\n';
  }
};

struct Options {
  std::string dir = ".";
  bool json = false;
  bool table = false;
  std::vector<std::string> expressions;  // UTF-8 as given
};

// nullopt when the arguments cannot be used (after saying why), or when only help was wanted.
std::optional<Options> ParseArguments(int argc, char** argv, int& status) {
  Options options;
  bool options_ended = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (options_ended || arg.rfind("--", 0) != 0) {
      options.expressions.push_back(arg);
    } else if (arg == "--") {
      options_ended = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--table") {
      options.table = true;
    } else if (arg == "--dir") {
      if (i + 1 >= argc) {
        std::cerr << "quorvex-cli: --dir needs a directory\n" << kUsage;
        status = kUnusable;
        return std::nullopt;
      }
      options.dir = argv[++i];
    } else if (arg == "--help") {
      std::cout << kUsage;
      status = kAllSolved;
      return std::nullopt;
    } else if (arg == "--version") {
      std::cout << "quorvex-cli " << QUORVEX_VERSION << '\n';
      status = kAllSolved;
      return std::nullopt;
    } else {
      std::cerr << "quorvex-cli: unknown option " << arg << '\n' << kUsage;
      status = kUnusable;
      return std::nullopt;
    }
  }
  return options;
}

// The rows are formatted one at a time from the stored values.
nlohmann::ordered_json JsonRows(const quorvex::RowList& rows) {
  nlohmann::ordered_json array = nlohmann::ordered_json::array();
  rows.ForEachRow([&](const std::string& row) { array.push_back(quorvex::Cp1252ToUtf8(row)); });
  return array;
}

// Whether the table and statistics window could show this run's boxes.
bool TableAvailable(const quorvex::SolveOutcome& outcome, const quorvex::Calculator& calculator) {
  return outcome.graph_run && outcome.succeeded && calculator.graph_window().table_enabled;
}

// null for an expression without x, so that every line has the same keys.
nlohmann::ordered_json GraphJson(const Options& options, const quorvex::SolveOutcome& outcome,
                                 const quorvex::Calculator& calculator) {
  using quorvex::Cp1252ToUtf8;
  using Json = nlohmann::ordered_json;
  if (!outcome.graph_run) return Json();
  Json graph = {
      {"formula", outcome.graph_formula ? Json(Cp1252ToUtf8(*outcome.graph_formula)) : Json()},
      {"points", outcome.graph_points},
  };
  if (!options.table) return graph;
  const bool available = TableAvailable(outcome, calculator);
  const quorvex::ValueTable& t = calculator.table();
  auto rows = [&](const quorvex::RowList& list) { return available ? JsonRows(list) : Json(); };
  auto text = [&](const std::string& box) { return available ? Json(Cp1252ToUtf8(box)) : Json(); };
  graph["table"] = rows(t.table);
  graph["count"] = text(t.count);
  graph["maxvalue"] = text(t.maxvalue);
  graph["minvalue"] = text(t.minvalue);
  graph["sum"] = text(t.sum);
  graph["area"] = text(t.area);
  graph["top"] = rows(t.top);
  graph["tcount"] = text(t.tcount);
  graph["max"] = rows(t.max);
  graph["maxcount"] = text(t.maxcount);
  graph["bottom"] = rows(t.bottom);
  graph["bcount"] = text(t.bcount);
  graph["min"] = rows(t.min);
  graph["mincount"] = text(t.mincount);
  graph["zero"] = rows(t.zero);
  graph["zcount"] = text(t.zcount);
  return graph;
}

void Print(const Options& options, const std::string& expression,
           const quorvex::SolveOutcome& outcome, const quorvex::Calculator& calculator) {
  using quorvex::Cp1252ToUtf8;
  const long double ans = calculator.ans();
  if (options.json) {
    nlohmann::ordered_json steps = nlohmann::ordered_json::array();
    for (const std::string& step : outcome.steps) steps.push_back(Cp1252ToUtf8(step));
    nlohmann::ordered_json line = {
        {"expression", expression},
        {"steps", steps},
        {"answer", Cp1252ToUtf8(outcome.answer)},
        {"bits", outcome.bits ? nlohmann::ordered_json(Cp1252ToUtf8(*outcome.bits))
                              : nlohmann::ordered_json()},
        {"ans", Cp1252ToUtf8(quorvex::FormatGeneral(ans))},
        {"fault", outcome.fault ? nlohmann::ordered_json(Cp1252ToUtf8(*outcome.fault))
                                : nlohmann::ordered_json()},
        {"graph", GraphJson(options, outcome, calculator)},
    };
    std::cout << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
              << '\n';
    return;
  }
  for (const std::string& step : outcome.steps) std::cout << Cp1252ToUtf8(step) << '\n';
  std::cout << Cp1252ToUtf8(outcome.answer) << '\n';
  if (options.table && TableAvailable(outcome, calculator)) {
    calculator.table().table.ForEachRow(
        [](const std::string& row) { std::cout << Cp1252ToUtf8(row) << '\n'; });
  }
  if (outcome.fault) std::cerr << "Error: " << Cp1252ToUtf8(*outcome.fault) << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  int status = kAllSolved;
  const std::optional<Options> options = ParseArguments(argc, argv, status);
  if (!options) return status;

  quorvex::Calculator calculator(options->dir, quorvex::LogWriting::kOff);
  StderrNotifier notifier;
  if (!calculator.StartUp(notifier)) return kUnusable;
  quorvex::SteadyClock clock;
  quorvex::HeadlessGraphHost host;  // no reminder, no gauge, no window
  calculator.SetClock(&clock);
  calculator.SetGraphHost(&host);

  // Only the expression log reads the rest of the list, and this run never writes it: each
  // expression is solved alone, so standard input of any length runs in constant memory.
  auto solve = [&](const std::string& utf8) {
    const quorvex::SolveOutcome outcome = calculator.Solve(quorvex::Utf8ToCp1252(utf8));
    Print(*options, utf8, outcome, calculator);
    if (!outcome.succeeded) status = kSomeFailed;
  };

  if (!options->expressions.empty()) {
    for (const std::string& expression : options->expressions) solve(expression);
  } else {
    std::string line;
    while (std::getline(std::cin, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      solve(line);
    }
  }
  std::cout.flush();
  return std::cout.good() ? status : kSomeFailed;
}
