// The net under the engine: a fixed corpus of expressions (every string of the test tables, the
// solve fuzzer's seeds and a few thousand generated ones) is solved through Calculator, and what
// each solve shows or leaves behind (step lines, answer, bit count, fault, ans as its 15-digit
// text, the token lists, and for graph runs every point and every table box) must equal the
// outcome recorded under the case's label in golden/outcomes.txt.gz (gzip text, one
// "== label" line and then one fact per line). Every changed case is reported with its old and
// new lines.
//
// A processor whose x87 long double functions round the last bit the other way now and then
// flips a 15-digit text. The recording is therefore made three times, as built and under the
// preload in tests/support/ in both directions; an outcome seen under the preload that differs
// from the plain one is stored as well ("=~ label") and is accepted for that case.
//
// Record (only when outcomes are meant to change; writes the file in the source tree):
//   QUORVEX_GOLDEN_RECORD=1 build/tests/engine/golden_tests
#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/calculator.h"
#include "common/number_text.h"
#include "library/constant_table.h"
#include "library/function_table.h"
#include "tests/engine/golden_corpus.h"

namespace quorvex {
namespace {

const std::string kGoldenDir = QUORVEX_GOLDEN_DIR;

using testing_support::ReadLines;
using testing_support::Unescape;

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

// One line of the golden file: escapes line breaks, tabs, backslashes and every byte outside
// printable ASCII, so that a value never splits a line.
std::string Escape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte >= 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

void AddLine(std::string& out, std::string_view key, std::string_view value) {
  out += key;
  out += '=';
  out += Escape(value);
  out += '\n';
}

void AddList(std::string& out, std::string_view key, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) AddLine(out, key, line);
}

std::string Optional(const std::optional<std::string>& text) {
  return text ? "[" + *text + "]" : std::string("none");
}

// Everything a solve shows or leaves for the next one, one fact per line. Numbers appear as the
// 15-digit text users see, never as bits.
std::string Describe(const SolveOutcome& outcome, Calculator& calc) {
  std::string out;
  AddLine(out, "answer", outcome.answer);
  AddList(out, "step", outcome.steps);
  AddLine(out, "bits", Optional(outcome.bits));
  AddLine(out, "fault", Optional(outcome.fault));
  AddLine(out, "flags",
          "succeeded=" + std::to_string(outcome.succeeded) +
              " graph_run=" + std::to_string(outcome.graph_run) +
              " points=" + std::to_string(outcome.graph_points));
  AddLine(out, "ans", FormatGeneral(calc.ans()));
  const EngineState& engine = calc.engine();
  AddLine(out, "working", std::to_string(engine.working.count) + ":" + engine.working.Joined());
  AddLine(out, "saved", std::to_string(engine.saved.count) + ":" + engine.saved.Joined());
  std::string positions;
  for (const int slot : engine.x_positions) positions += std::to_string(slot) + " ";
  AddLine(out, "x_positions", positions);
  if (!outcome.graph_run) return out;
  AddLine(out, "formula", Optional(outcome.graph_formula));
  for (const ChartPoint& point : calc.chart().line().points()) {
    AddLine(out, "point", FormatGeneral(point.x) + " " + FormatGeneral(point.y));
  }
  const ValueTable& table = calc.table();
  AddList(out, "row", table.table);
  AddList(out, "top", table.top);
  AddList(out, "max", table.max);
  AddList(out, "bottom", table.bottom);
  AddList(out, "min", table.min);
  AddList(out, "zero", table.zero);
  AddLine(out, "boxes",
          table.count + "|" + table.maxvalue + "|" + table.minvalue + "|" + table.sum + "|" +
              table.area + "|" + table.tcount + "|" + table.maxcount + "|" + table.bcount + "|" +
              table.mincount + "|" + table.zcount);
  AddLine(out, "table_enabled", std::to_string(calc.graph_window().table_enabled));
  return out;
}

struct Case {
  std::string label;
  std::string description;
};

// Solves each expression twice on one long-lived calculator, so ans and the random generators
// carry over as in a session: once with the defaults, once with a rotating variant.
void SolveSession(const std::string& name, const std::vector<std::string>& expressions, bool replay,
                  std::vector<Case>& cases) {
  Calculator calc("/nonexistent-quorvex-golden", LogWriting::kOff);
  calc.SetGraphReplay(replay);
  SteppingClock clock;
  calc.SetClock(&clock);
  DeclareVariables(calc.variables());
  for (size_t i = 0; i < expressions.size(); ++i) {
    const int range = static_cast<int>(i % std::size(kRanges));
    for (const int variant : {0, static_cast<int>(i % 7) + 1}) {
      ApplyVariant(calc, variant, range);
      const SolveOutcome outcome = calc.Solve(expressions[i]);
      cases.push_back({name + " #" + std::to_string(i) + " variant " + std::to_string(variant) +
                           ": " + Escape(expressions[i]),
                       Describe(outcome, calc)});
    }
  }
}

// A solve fuzzer seed: number system byte, flags byte (scicheck, solcheck), then lines of the
// mask, the expression and name=assignment variables; solved twice on a fresh calculator.
void SolveSeed(size_t index, const std::string& seed, bool replay, std::vector<Case>& cases) {
  Calculator calc("/nonexistent-quorvex-golden", LogWriting::kOff);
  calc.SetGraphReplay(replay);
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
    cases.push_back({"seed #" + std::to_string(index) + " round " + std::to_string(round) + ": " +
                         Escape(expression),
                     Describe(outcome, calc)});
  }
}

// Every case, with graph runs replaying later x values or (replay off) running their cycles.
std::vector<Case> AllCases(bool replay) {
  std::vector<Case> cases;
  std::vector<std::string> table_strings;
  for (const std::string& line : ReadLines(kGoldenDir + "/corpus.txt")) {
    table_strings.push_back(Unescape(line));
  }
  SolveSession("table", table_strings, replay, cases);

  const std::vector<std::string> seeds = ReadLines(kGoldenDir + "/seeds.txt");
  for (size_t i = 0; i < seeds.size(); ++i) SolveSeed(i, Unescape(seeds[i]), replay, cases);

  Prng r(20240607);
  std::vector<std::string> wild;
  for (int i = 0; i < 3000; ++i) wild.push_back(GeneratedExpression(r, {r.Chance(10), false}));
  SolveSession("wild", wild, replay, cases);
  std::vector<std::string> tame;
  for (int i = 0; i < 1500; ++i) tame.push_back(GeneratedExpression(r, {false, true}));
  SolveSession("tame", tame, replay, cases);
  std::vector<std::string> graphs;
  for (int i = 0; i < 700; ++i) graphs.push_back(GeneratedExpression(r, {true, true}));
  SolveSession("graph", graphs, replay, cases);
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
  SolveSession("later x", every_range, replay, cases);
  return cases;
}

const std::string kGoldenFile = kGoldenDir + "/outcomes.txt.gz";
constexpr std::string_view kPlain = "== ";     // the outcome as built
constexpr std::string_view kAccepted = "=~ ";  // also accepted: seen under the preload

std::string Inflate(const std::string& path) {
  std::string text;
  gzFile file = gzopen(path.c_str(), "rb");
  if (file == nullptr) return text;
  char buffer[1 << 16];
  int read = 0;
  while ((read = gzread(file, buffer, sizeof buffer)) > 0) text.append(buffer, read);
  gzclose(file);
  return text;
}

bool Deflate(const std::string& path, const std::string& text) {
  gzFile file = gzopen(path.c_str(), "wb9");
  if (file == nullptr) return false;
  const bool written = gzwrite(file, text.data(), static_cast<unsigned>(text.size())) ==
                       static_cast<int>(text.size());
  return gzclose(file) == Z_OK && written;
}

// Label -> every accepted outcome, the plain one first.
using Recorded = std::map<std::string, std::vector<std::string>>;

Recorded Parse(const std::string& text) {
  Recorded recorded;
  std::string* current = nullptr;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.starts_with(kPlain) || line.starts_with(kAccepted)) {
      std::vector<std::string>& outcomes = recorded[line.substr(kPlain.size())];
      current = &outcomes.emplace_back();
    } else if (current != nullptr) {
      *current += line + "\n";
    }
  }
  return recorded;
}

std::string Serialize(const std::vector<Case>& cases, const Recorded& accepted) {
  std::string text;
  for (const Case& c : cases) {
    text += std::string(kPlain) + c.label + "\n" + c.description;
    const auto more = accepted.find(c.label);
    if (more == accepted.end()) continue;
    for (const std::string& outcome : more->second) {
      text += std::string(kAccepted) + c.label + "\n" + outcome;
    }
  }
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// The lines that differ, old and new next to each other; lines both share are only counted.
std::string SideBySide(const std::string& was, const std::string& now) {
  const std::vector<std::string> old_lines = Lines(was);
  const std::vector<std::string> new_lines = Lines(now);
  size_t front = 0;
  while (front < old_lines.size() && front < new_lines.size() &&
         old_lines[front] == new_lines[front]) {
    ++front;
  }
  size_t back = 0;
  while (back + front < old_lines.size() && back + front < new_lines.size() &&
         old_lines[old_lines.size() - 1 - back] == new_lines[new_lines.size() - 1 - back]) {
    ++back;
  }
  std::string out =
      "  (" + std::to_string(front) + " equal lines before, " + std::to_string(back) + " after)\n";
  const size_t old_end = old_lines.size() - back;
  const size_t new_end = new_lines.size() - back;
  for (size_t i = front; i < std::max(old_end, new_end); ++i) {
    if (i < old_end && i < new_end && old_lines[i] == new_lines[i]) {
      out += "  same: " + old_lines[i] + "\n";
      continue;
    }
    out += "  was: " + (i < old_end ? old_lines[i] : std::string("(no line)")) + "\n";
    out += "  now: " + (i < new_end ? new_lines[i] : std::string("(no line)")) + "\n";
  }
  return out;
}

std::string SelfPath() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

// This test again in a child under the preload; its plain outcomes, by label.
Recorded SolveUnderPreload(const char* shift) {
  char raw[] = "/tmp/quorvex-golden-XXXXXX";
  const int fd = mkstemp(raw);
  if (fd < 0) return {};
  close(fd);
  const std::string command = "LD_PRELOAD='" + std::string(QUORVEX_ULP_SHIM) +
                              "' QUORVEX_ULP_SHIFT=" + shift + " QUORVEX_GOLDEN_RAW='" + raw +
                              "' '" + SelfPath() + "' --gtest_filter='GoldenOutcomes.*' >/dev/null";
  const int status = std::system(command.c_str());
  std::ifstream in(raw, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  std::remove(raw);
  if (status != 0) return {};
  return Parse(text.str());
}

void Record(const std::vector<Case>& cases) {
  const char* preload = std::getenv("LD_PRELOAD");
  ASSERT_TRUE(preload == nullptr || std::string(preload).find("ulp_shim") == std::string::npos)
      << "record without the preload; the test runs itself under it in both directions";
  Recorded accepted;
  for (const char* shift : {"away", "toward"}) {
    const Recorded moved = SolveUnderPreload(shift);
    ASSERT_FALSE(moved.empty()) << "the run under the preload (" << shift << ") failed";
    for (const Case& c : cases) {
      const auto found = moved.find(c.label);
      ASSERT_NE(found, moved.end()) << "no outcome under the preload for " << c.label;
      const std::string& outcome = found->second.front();
      std::vector<std::string>& more = accepted[c.label];
      if (outcome != c.description && std::find(more.begin(), more.end(), outcome) == more.end()) {
        more.push_back(outcome);
      }
    }
  }
  size_t flipped = 0;
  for (const auto& [label, more] : accepted) flipped += more.empty() ? 0 : 1;
  ASSERT_TRUE(Deflate(kGoldenFile, Serialize(cases, accepted))) << "cannot write " << kGoldenFile;
  std::printf("recorded %zu outcomes in %s; %zu cases differ under the preload\n", cases.size(),
              kGoldenFile.c_str(), flipped);
  for (const auto& [label, more] : accepted) {
    if (!more.empty()) std::printf("  differs under the preload: %s\n", label.c_str());
  }
}

void ExpectRecordedOutcomes(const std::vector<Case>& cases) {
  const Recorded recorded = Parse(Inflate(kGoldenFile));
  ASSERT_FALSE(recorded.empty()) << "no outcomes in " << kGoldenFile
                                 << "; record them with QUORVEX_GOLDEN_RECORD=1";
  // Details for the first changes; past that only labels, so that a planned change of many
  // outcomes stays readable.
  constexpr int kDetailed = 100;
  int changed = 0;
  std::string more_labels;
  std::map<std::string, bool> produced;
  for (const Case& c : cases) {
    produced[c.label] = true;
    const auto found = recorded.find(c.label);
    std::string detail;
    if (found == recorded.end()) {
      detail = "case not recorded: " + c.label + "\n" + c.description;
    } else if (std::find(found->second.begin(), found->second.end(), c.description) ==
               found->second.end()) {
      detail =
          "outcome changed: " + c.label + "\n" + SideBySide(found->second.front(), c.description);
    } else {
      continue;
    }
    if (++changed <= kDetailed) {
      ADD_FAILURE() << detail;
    } else {
      more_labels += "  " + c.label + "\n";
    }
  }
  for (const auto& [label, outcomes] : recorded) {
    if (produced.count(label) == 0) {
      ++changed;
      more_labels += "  recorded case no longer solved: " + label + "\n";
    }
  }
  if (!more_labels.empty()) ADD_FAILURE() << "further changed cases:\n" << more_labels;
  EXPECT_EQ(changed, 0) << "cases changed; if on purpose, record again with "
                           "QUORVEX_GOLDEN_RECORD=1 build/tests/engine/golden_tests";
}

TEST(GoldenOutcomes, EveryOutcomeEqualsTheRecordedOne) {
  const std::vector<Case> cases = AllCases(/*replay=*/true);
  ASSERT_GT(cases.size(), 10000u);

  if (const char* raw = std::getenv("QUORVEX_GOLDEN_RAW")) {
    std::ofstream out(raw, std::ios::binary);
    out << Serialize(cases, {});
    GTEST_SKIP() << "wrote the outcomes to " << raw;
  }
  if (std::getenv("QUORVEX_GOLDEN_RECORD") != nullptr) {
    Record(cases);
    GTEST_SKIP() << "recorded";
  }
  ExpectRecordedOutcomes(cases);
}

// The replay of later x values is a shortcut: without it, the cycles give the same outcomes.
TEST(GoldenOutcomes, WithoutTheReplayEveryOutcomeEqualsTheRecordedOne) {
  if (std::getenv("QUORVEX_GOLDEN_RAW") != nullptr ||
      std::getenv("QUORVEX_GOLDEN_RECORD") != nullptr) {
    GTEST_SKIP() << "outcomes are recorded with the replay";
  }
  ExpectRecordedOutcomes(AllCases(/*replay=*/false));
}

}  // namespace
}  // namespace quorvex
