// The differential net under the engine's fast paths: a fixed corpus of expressions (every
// string of the test tables, the solve fuzzer's seeds and a few thousand generated ones) is
// solved through Calculator, and a stable hash of each whole outcome (steps, answer, bits,
// fault, ans, the token lists, and for graph runs every point as an exact hex double and every
// table box) must equal the hash recorded in golden/outcomes.txt by the code before the change.
//
// Regenerate (only when an output is meant to change):
//   QUORVEX_GOLDEN_WRITE=tests/engine/golden/outcomes.txt build/tests/engine/golden_tests
// QUORVEX_GOLDEN_DUMP=<file> also writes every outcome in full, for a diff between two builds.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/calculator.h"
#include "common/number_text.h"
#include "library/constant_table.h"
#include "library/function_table.h"

namespace quorvex {
namespace {

const std::string kGoldenDir = QUORVEX_GOLDEN_DIR;

// Undoes the escapes of extract_corpus.py: \\, \n, \r, \t and \xNN.
std::string Unescape(const std::string& line) {
  std::string text;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\' || i + 1 >= line.size()) {
      text += line[i];
      continue;
    }
    const char c = line[++i];
    if (c == 'n') {
      text += '\n';
    } else if (c == 'r') {
      text += '\r';
    } else if (c == 't') {
      text += '\t';
    } else if (c == 'x' && i + 2 < line.size()) {
      text += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      text += c;
    }
  }
  return text;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// splitmix64: the same sequence on every platform, unlike the standard distributions.
class Prng {
 public:
  explicit Prng(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }
  template <typename T, size_t N>
  const T& Pick(const T (&list)[N]) {
    return list[Below(static_cast<int>(N))];
  }

 private:
  uint64_t state_;
};

const char* const kOddNumbers[] = {"0",
                                   "1",
                                   "2",
                                   "10",
                                   "0,1",
                                   "0.1",
                                   "-0",
                                   "1e-5",
                                   "999999999999999,5",
                                   "999999999999999",
                                   "0,0001",
                                   "0,00009",
                                   ",5",
                                   "1,2,3",
                                   "007",
                                   "1000000000000000",
                                   "123456789012345678901",
                                   "0,333333333333333",
                                   "0,999999999999999",
                                   "{1,5E-7}",
                                   "{1E300}",
                                   "{-1E-300}",
                                   "{1E4000}",
                                   "{1E-4940}",
                                   "{1E-5000}",
                                   "{ 2 }",
                                   "{1,7976931348623157E308}",
                                   "{-0}",
                                   "{5E-1}",
                                   "{1e15}",
                                   "{9,99999999999999949E14}",
                                   "{9,999999999999995E14}",
                                   "{NAN}",
                                   "{INF}",
                                   "{1E}",
                                   "{0,000000000000000000000000000001}",
                                   "{1,18973149535723176502E4932}",
                                   "{3,64519953188247460253E-4951}",
                                   "4294967296",
                                   "2147483648",
                                   "281474976710655",
                                   "281474976710656",
                                   "-5",
                                   "-2,5",
                                   "0,5",
                                   "1,5",
                                   "2,5",
                                   "0,05",
                                   "0,000125"};

const char* const kVariableNames[] = {"a", "b", "half", "neg", "curve", "empty"};
const char* const kRareVariableNames[] = {"loop", "nope"};

// Declares the variables the generated expressions and table strings may name.
void DeclareVariables(VariableStore& store) {
  AppendVariable(store, "a", "2+3");
  AppendVariable(store, "b", "a*2");
  AppendVariable(store, "half", "{0,5}");
  AppendVariable(store, "neg", "-7");
  AppendVariable(store, "curve", "x^2-1");
  AppendVariable(store, "loop", "loop+1");
  AppendVariable(store, "empty", "");
}

std::string RandomDigits(Prng& r, int count) {
  std::string digits;
  for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + r.Below(10));
  return digits;
}

std::string RandomNumber(Prng& r) {
  switch (r.Below(5)) {
    case 0:
      return r.Pick(kOddNumbers);
    case 1:
      return std::to_string(r.Below(21));
    case 2: {
      std::string digits = RandomDigits(r, 1 + r.Below(20));
      if (r.Chance(60))
        digits.insert(static_cast<size_t>(r.Below(static_cast<int>(digits.size()) + 1)), 1, ',');
      return digits;
    }
    case 3: {
      const int exponent =
          r.Chance(90) ? r.Below(61) - 30 : (r.Chance(50) ? 1 : -1) * (4900 + r.Below(100));
      return "{" + RandomDigits(r, 1) + "," + RandomDigits(r, r.Below(20)) + "E" +
             std::to_string(exponent) + "}";
    }
    default:
      return RandomDigits(r, 1) + "," + RandomDigits(r, 1 + r.Below(16));
  }
}

// Functions whose running time grows with the argument stay out of random expressions.
bool Slow(std::string_view name) { return name == "prime" || name == "primepi"; }

// Functions defined on most of the real line, for expressions that mostly succeed.
const char* const kTameFunctions[] = {"sin",  "cos",   "atan", "abs", "sqrt",  "ln",  "exp",
                                      "frac", "floor", "int",  "rec", "round", "log", "hypot",
                                      "mod",  "max",   "min",  "ave", "sum",   "!",   "sign"};

struct Style {
  bool with_x;  // the expression may hold x
  bool tame;    // plain numbers and tame functions: most solves succeed
};

std::string TameNumber(Prng& r) {
  switch (r.Below(4)) {
    case 0:
      return std::to_string(1 + r.Below(12));
    case 1:
      return std::to_string(r.Below(100)) + "," + RandomDigits(r, 1 + r.Below(3));
    case 2:
      return "0," + RandomDigits(r, 1 + r.Below(15));
    default:
      return RandomDigits(r, 1 + r.Below(15));
  }
}

std::string RandomExpression(Prng& r, int depth, const Style& style);

std::string FunctionCall(Prng& r, int depth, const Style& style) {
  const FunctionRow* row = nullptr;
  if (style.tame) {
    row = FindFunction(r.Pick(kTameFunctions));
  } else {
    const auto functions = FunctionTable();
    do {
      row = &functions[static_cast<size_t>(r.Below(static_cast<int>(functions.size())))];
    } while (Slow(row->name));
  }
  int params = row->param_count == 0 ? 1 + r.Below(4) : row->param_count;
  if (!style.tame && r.Chance(8)) params = 1 + r.Below(3);
  std::string call(row->name);
  call += '[';
  for (int p = 0; p < params; ++p) {
    if (p > 0) call += ';';
    call += RandomExpression(r, depth - 1, style);
  }
  return call + ']';
}

std::string RandomTerm(Prng& r, int depth, const Style& style) {
  const int pick = r.Below(100);
  const bool leaf = depth <= 0 && pick >= 55;
  if (style.with_x && (pick < 15 || (leaf && pick < 75))) return "x";
  if (pick < 40 || leaf) return style.tame ? TameNumber(r) : RandomNumber(r);
  if (pick < 46) {
    if (style.tame) return r.Chance(50) ? "pi" : "ans";
    const auto constants = ConstantTable();
    const size_t index = static_cast<size_t>(r.Below(static_cast<int>(constants.size())));
    return std::string(constants[index].name);
  }
  if (pick < 49) return "ans";
  if (pick < 52) {
    if (style.tame) return "a";
    return r.Chance(80) ? r.Pick(kVariableNames) : r.Pick(kRareVariableNames);
  }
  if (pick < 80) return FunctionCall(r, depth, style);
  if (pick < 96) return "(" + RandomExpression(r, depth - 1, style) + ")";
  return "-" + RandomTerm(r, depth - 1, style);
}

std::string RandomExpression(Prng& r, int depth, const Style& style) {
  static const char* const kOperators[] = {"+", "-", "*", "/", "^", "*", "+", "-"};
  std::string text = RandomTerm(r, depth, style);
  const int more = r.Below(4);
  for (int i = 0; i < more; ++i) {
    const std::string op = r.Pick(kOperators);
    text += r.Chance(10) ? " " + op + " " : op;
    // Mostly small exponents, so that powers rarely overflow.
    if (op == "^" && r.Chance(80)) {
      text += std::to_string(r.Below(4));
    } else {
      text += RandomTerm(r, depth - 1, style);
    }
  }
  return text;
}

// A generated expression; the wild ones now and then get a stray character or lose one.
std::string GeneratedExpression(Prng& r, const Style& style) {
  std::string text = RandomExpression(r, 1 + r.Below(3), style);
  if (!style.tame && r.Chance(8) && !text.empty()) {
    static const char kNoise[] = "()[];{}+-*/^ .,x";
    const size_t at = static_cast<size_t>(r.Below(static_cast<int>(text.size())));
    if (r.Chance(50)) {
      text.insert(at, 1, kNoise[r.Below(static_cast<int>(sizeof kNoise - 1))]);
    } else {
      text.erase(at, 1);
    }
  }
  return text;
}

// A tick that advances by one at every read: timing messages are reproducible.
class SteppingClock : public Clock {
 public:
  uint32_t TickCount() override { return ++now_; }

 private:
  uint32_t now_ = 0;
};

struct Range {
  const char* start;
  const char* stop;
  const char* inc;
};

const Range kRanges[] = {{"1", "10", "1"},
                         {"-2", "2", "0,1"},
                         {"0", "1", "0,125"},
                         {"-1E-5", "1E-5", "1E-6"},
                         {"99999999999990", "100000000000010", "1"},
                         {"1E15", "1,0000000000001E15", "1E1"},
                         {"-3", "3", "0,5"}};

// The settings of one solve: variant 0 is the default, the others vary one group of options.
void ApplyVariant(Calculator& calc, int variant, int range) {
  GeneralSettings& general = calc.general();
  general = GeneralSettings{};
  calc.mask() = MaskSettings{};
  switch (variant) {
    case 1:
      general.solcheck = false;
      general.tscheck = false;
      break;
    case 2:
      general.scicheck = true;
      break;
    case 3:
      general.numbersys = kHexadecimal;
      break;
    case 4:
      general.numbersys = kBinary;
      break;
    case 5:
      calc.mask().mask = "#,##0.000";
      calc.mask().suffix = " u";
      break;
    case 6:
      calc.mask().mask = "0.##E+00";
      break;
    case 7:
      general.numbersys = kOctal;
      general.solcheck = false;
      break;
    default:
      break;
  }
  const Range& r = kRanges[range];
  calc.graph().start = r.start;
  calc.graph().stop = r.stop;
  calc.graph().inc = r.inc;
}

std::string HexLong(long double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%La", value);
  return buffer;
}

std::string HexDouble(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%a", value);
  return buffer;
}

void AppendList(std::string& out, const char* name, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) out += std::string(name) + "=" + line + "\n";
}

// Everything a solve shows or leaves for the next one, one fact per line.
std::string Describe(const SolveOutcome& outcome, Calculator& calc) {
  std::string out;
  out += "answer=" + outcome.answer + "\n";
  AppendList(out, "step", outcome.steps);
  out += "bits=" + (outcome.bits ? "[" + *outcome.bits + "]" : std::string("none")) + "\n";
  out += "fault=" + (outcome.fault ? "[" + *outcome.fault + "]" : std::string("none")) + "\n";
  out += "succeeded=" + std::to_string(outcome.succeeded) +
         " graph_run=" + std::to_string(outcome.graph_run) +
         " points=" + std::to_string(outcome.graph_points) + "\n";
  out += "ans=" + FormatGeneral(calc.ans()) + " " + HexLong(calc.ans()) + "\n";
  const EngineState& engine = calc.engine();
  out += "working=" + std::to_string(engine.working.count) + ":" + engine.working.Joined() + "\n";
  out += "saved=" + std::to_string(engine.saved.count) + ":" + engine.saved.Joined() + "\n";
  out += "x_positions=";
  for (const int slot : engine.x_positions) out += std::to_string(slot) + " ";
  out += "\n";
  if (!outcome.graph_run) return out;
  out += "formula=" + (outcome.graph_formula ? *outcome.graph_formula : std::string("none")) + "\n";
  for (const ChartPoint& point : calc.chart().line().points()) {
    out += "point=" + HexDouble(point.x) + " " + HexDouble(point.y) + "\n";
  }
  const ValueTable& table = calc.table();
  AppendList(out, "row", table.table);
  AppendList(out, "top", table.top);
  AppendList(out, "max", table.max);
  AppendList(out, "bottom", table.bottom);
  AppendList(out, "min", table.min);
  AppendList(out, "zero", table.zero);
  out += "boxes=" + table.count + "|" + table.maxvalue + "|" + table.minvalue + "|" + table.sum +
         "|" + table.area + "|" + table.tcount + "|" + table.maxcount + "|" + table.bcount + "|" +
         table.mincount + "|" + table.zcount + "\n";
  out += "table_enabled=" + std::to_string(calc.graph_window().table_enabled) + "\n";
  return out;
}

uint64_t Fnv1a(const std::string& text) {
  uint64_t hash = 0xCBF29CE484222325ull;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001B3ull;
  }
  return hash;
}

struct Case {
  std::string label;
  std::string description;
};

// Solves each expression twice on one long-lived calculator, so ans and the random generators
// carry over as in a session: once with the defaults, once with a rotating variant.
void SolveSession(const std::string& name, const std::vector<std::string>& expressions,
                  std::vector<Case>& cases) {
  Calculator calc("/nonexistent-quorvex-golden", LogWriting::kOff);
  SteppingClock clock;
  calc.SetClock(&clock);
  DeclareVariables(calc.variables());
  for (size_t i = 0; i < expressions.size(); ++i) {
    const int range = static_cast<int>(i % std::size(kRanges));
    for (const int variant : {0, static_cast<int>(i % 7) + 1}) {
      ApplyVariant(calc, variant, range);
      const SolveOutcome outcome = calc.Solve(expressions[i]);
      cases.push_back({name + " #" + std::to_string(i) + " variant " + std::to_string(variant) +
                           ": " + expressions[i],
                       Describe(outcome, calc)});
    }
  }
}

// A solve fuzzer seed: number system byte, flags byte (scicheck, solcheck), then lines of the
// mask, the expression and name=assignment variables; solved twice on a fresh calculator.
void SolveSeed(size_t index, const std::string& seed, std::vector<Case>& cases) {
  Calculator calc("/nonexistent-quorvex-golden", LogWriting::kOff);
  SteppingClock clock;
  calc.SetClock(&clock);
  std::istringstream in(seed.size() >= 2 ? seed.substr(2) : std::string());
  calc.general().numbersys = seed.empty() ? 0 : static_cast<unsigned char>(seed[0]) % 5;
  const int flags = seed.size() < 2 ? 0 : static_cast<unsigned char>(seed[1]);
  calc.general().scicheck = (flags & 1) != 0;
  calc.general().solcheck = (flags & 2) != 0;
  std::string line;
  std::getline(in, calc.mask().mask);
  std::string expression;
  std::getline(in, expression);
  while (std::getline(in, line)) {
    const size_t equals = line.find('=');
    AppendVariable(calc.variables(), line.substr(0, equals),
                   equals == std::string::npos ? std::string() : line.substr(equals + 1));
  }
  for (int round = 0; round < 2; ++round) {
    const SolveOutcome outcome = calc.Solve(expression);
    cases.push_back(
        {"seed #" + std::to_string(index) + " round " + std::to_string(round) + ": " + expression,
         Describe(outcome, calc)});
  }
}

std::vector<Case> AllCases() {
  std::vector<Case> cases;
  std::vector<std::string> table_strings;
  for (const std::string& line : ReadLines(kGoldenDir + "/corpus.txt")) {
    table_strings.push_back(Unescape(line));
  }
  SolveSession("table", table_strings, cases);

  const std::vector<std::string> seeds = ReadLines(kGoldenDir + "/seeds.txt");
  for (size_t i = 0; i < seeds.size(); ++i) SolveSeed(i, Unescape(seeds[i]), cases);

  Prng r(20240607);
  std::vector<std::string> wild;
  for (int i = 0; i < 3000; ++i) wild.push_back(GeneratedExpression(r, {r.Chance(10), false}));
  SolveSession("wild", wild, cases);
  std::vector<std::string> tame;
  for (int i = 0; i < 1500; ++i) tame.push_back(GeneratedExpression(r, {false, true}));
  SolveSession("tame", tame, cases);
  std::vector<std::string> graphs;
  for (int i = 0; i < 700; ++i) graphs.push_back(GeneratedExpression(r, {true, true}));
  SolveSession("graph", graphs, cases);
  // Graph runs whose later x values fail, give NaN, fault in a function or draw random numbers.
  const std::vector<std::string> later_x = {"sin[x]*x^2+ln[x]",
                                            "3*x^2-2*x+1",
                                            "1/(x-3)",
                                            "1/x+x",
                                            "ln[x]",
                                            "ln[x]+1",
                                            "2*ln[x]",
                                            "sqrt[x]*2",
                                            "x^0,5+1",
                                            "(x-1)^0,5",
                                            "10^(x*1000)",
                                            "x^4000",
                                            "x^400",
                                            "rec[x]",
                                            "![x]",
                                            "fibo[x]+1",
                                            "x/(x-x)",
                                            "x*x*x-x/2+x",
                                            "curve*x+curve",
                                            "a*x+b",
                                            "ans*x+1",
                                            "rand[x]+x",
                                            "randr[x;5]*x",
                                            "randg[1;x]+1",
                                            "x+rand[2]",
                                            "max[x;1;x^2]",
                                            "sum[x;-x;x*2]/count[x;x]",
                                            "abs[x-1]+ceil[x/3]",
                                            "(x+1)*(x-1)/(x)",
                                            "x+(x*2)",
                                            "sin[cos[x]]^2+cos[sin[x]]^2",
                                            "log[x;10]+x",
                                            "mod[x;0]",
                                            "epay[x;1;2;3]",
                                            "[x]",
                                            "sin[x;2]",
                                            "x*1E4000",
                                            "1,23456789012345678*x",
                                            "(1,23456789012345678)+x",
                                            "x-1,00000000000000001",
                                            "int[x]*frac[x]-x/3",
                                            "x^2^0,5",
                                            "-x^2+x",
                                            "atanh[x]*x",
                                            "acos[x]-asin[x]",
                                            "ncr[x;2]+1",
                                            "round[x/3;2]*3",
                                            "x<0",
                                            "(x)",
                                            "x"};
  // The list's length is no multiple of the range count, so each copy shifts every expression
  // to the next x range; one session, so ans and the random generators carry over.
  std::vector<std::string> every_range;
  for (size_t copy = 0; copy < std::size(kRanges); ++copy) {
    every_range.insert(every_range.end(), later_x.begin(), later_x.end());
  }
  SolveSession("later x", every_range, cases);
  return cases;
}

TEST(GoldenOutcomes, EveryOutcomeEqualsTheRecordedOne) {
  const std::vector<Case> cases = AllCases();
  ASSERT_GT(cases.size(), 10000u);

  if (const char* dump = std::getenv("QUORVEX_GOLDEN_DUMP")) {
    std::ofstream out(dump, std::ios::binary);
    for (const Case& c : cases) out << "== " << c.label << "\n" << c.description;
  }
  if (const char* write = std::getenv("QUORVEX_GOLDEN_WRITE")) {
    std::ofstream out(write, std::ios::binary);
    for (const Case& c : cases) {
      char hash[20];
      std::snprintf(hash, sizeof hash, "%016llx",
                    static_cast<unsigned long long>(Fnv1a(c.description)));
      out << hash << "\n";
    }
    GTEST_SKIP() << "wrote " << cases.size() << " golden hashes to " << write;
  }

  const std::vector<std::string> golden = ReadLines(kGoldenDir + "/outcomes.txt");
  ASSERT_EQ(golden.size(), cases.size()) << "the corpus and the golden file differ in length";
  int reported = 0;
  for (size_t i = 0; i < cases.size() && reported < 5; ++i) {
    char hash[20];
    std::snprintf(hash, sizeof hash, "%016llx",
                  static_cast<unsigned long long>(Fnv1a(cases[i].description)));
    if (golden[i] != hash) {
      ++reported;
      ADD_FAILURE() << "outcome " << i << " changed: " << cases[i].label << "\nnow:\n"
                    << cases[i].description;
    }
  }
}

}  // namespace
}  // namespace quorvex
