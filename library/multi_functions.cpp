#include "library/multi_functions.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "common/checked_float.h"
#include "common/number_text.h"

namespace quorvex {
namespace {

// Double values widened to extended; 1/3 is full extended precision.
constexpr long double kPi = 3.141592653589793;
constexpr long double k2Pi = 6.283185307179586;
constexpr long double kThird = 1.0L / 3.0L;

long double N1(const FunctionArgs& args) { return args.n[0]; }
long double N2(const FunctionArgs& args) { return args.n[1]; }
long double N3(const FunctionArgs& args) { return args.n[2]; }

int32_t A(const FunctionArgs& args) { return TruncToInt32(N1(args)); }
int32_t B(const FunctionArgs& args) { return TruncToInt32(N2(args)); }

long double Truth(bool holds) { return holds ? 1 : 0; }

long double Square(long double x) { return std::pow(x, 2.0L); }

// The floored parameters, larger first, as gcd and lcm see them.
std::pair<long double, long double> FlooredPair(const FunctionArgs& args) {
  long double a = std::floor(N1(args));
  long double b = std::floor(N2(args));
  if (a < b) std::swap(a, b);
  return {a, b};
}

long double Gcd(long double a, long double b) {
  if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<long double>::quiet_NaN();
  if (!(b >= 1)) return 0;
  if (!std::isfinite(a)) throw FloatFault(FloatFaultKind::kInvalidOperation);  // inf - inf
  // fmod is the exact a - floor(a / b) * b; the quotient form loses digits above 2^64.
  long double divisor = b;
  while (b != 0) {
    divisor = b;
    const long double rest = std::fmod(a, b);
    a = b;
    b = rest;
  }
  return divisor;
}

// The product j0 * (j0 + 1) * ... * n of npr, with j0 = n - k + 1.
long double Permutations(long double n, long double k) {
  long double product = 1;
  for (long double j = TruncToInt32(n - k + 1); j < n + 1; ++j) {
    product = CheckedMul(product, j);
    // Only positive factors follow a zero, so the product stays zero.
    if (product == 0) break;
  }
  return product;
}

// Binary logarithm as the float unit computes it: 0 divides by zero, a negative is invalid.
long double FaultingLog2(long double x) {
  if (x == 0) throw FloatFault(FloatFaultKind::kDivisionByZero);
  if (x < 0) throw FloatFault(FloatFaultKind::kInvalidOperation);
  return std::log2(x);
}

// 10^d by repeated squaring, as 1 / 10^-d for a negative d.
long double PowerOfTen(int d) {
  unsigned exponent = static_cast<unsigned>(d < 0 ? -d : d);
  long double base = 10;
  long double result = 1;
  while (exponent != 0) {
    if (exponent & 1U) result *= base;
    base *= base;
    exponent >>= 1;
  }
  return d < 0 ? 1 / result : result;
}

}  // namespace

long double MultiEqual(const FunctionArgs& args) { return Truth(N1(args) == N2(args)); }

long double MultiNotEqual(const FunctionArgs& args) { return Truth(N1(args) != N2(args)); }

long double MultiGreater(const FunctionArgs& args) { return Truth(N1(args) > N2(args)); }

long double MultiLess(const FunctionArgs& args) { return Truth(N1(args) < N2(args)); }

long double MultiGreaterEqual(const FunctionArgs& args) { return Truth(N1(args) >= N2(args)); }

long double MultiLessEqual(const FunctionArgs& args) { return Truth(N1(args) <= N2(args)); }

long double MultiAcone(const FunctionArgs& args) {
  const long double r = N1(args);
  const long double slant = std::sqrt(CheckedAdd(Square(r), Square(N2(args))));
  return CheckedMul(CheckedAdd(slant, r), CheckedMul(kPi, r));
}

long double MultiAelip(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(CheckedMul(kPi, N1(args)), N2(args)), 0.25L);
}

long double MultiAnd(const FunctionArgs& args) { return A(args) & B(args); }

long double MultiApoly(const FunctionArgs& args) {
  const long double sides = N1(args);
  const long double base = CheckedMul(Square(N2(args)), sides);
  return CheckedMul(CheckedMul(base, std::sin(CheckedDiv(k2Pi, sides))), 0.5L);
}

long double MultiArect(const FunctionArgs& args) { return CheckedMul(N1(args), N2(args)); }

long double MultiAtanxy(const FunctionArgs& args) {
  // The angle of the origin is undefined, not the library's 0.
  if (N1(args) == 0 && N2(args) == 0) return std::numeric_limits<long double>::quiet_NaN();
  return std::atan2(N1(args), N2(args));
}

long double MultiAtria(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(N1(args), N2(args)), 0.5L);
}

long double MultiCelip(const FunctionArgs& args) {
  const long double mean = CheckedMul(CheckedAdd(Square(N1(args)), Square(N2(args))), 0.5L);
  return CheckedMul(CheckedMul(std::sqrt(mean), k2Pi), 0.5L);
}

long double MultiDiv(const FunctionArgs& args) {
  return std::trunc(CheckedDiv(std::trunc(N1(args)), std::trunc(N2(args))));
}

long double MultiGcd(const FunctionArgs& args) {
  const auto [a, b] = FlooredPair(args);
  return Gcd(a, b);
}

long double MultiLcm(const FunctionArgs& args) {
  const auto [a, b] = FlooredPair(args);
  return CheckedDiv(CheckedMul(a, b), Gcd(a, b));
}

long double MultiLog(const FunctionArgs& args) {
  return CheckedDiv(FaultingLog2(N1(args)), FaultingLog2(N2(args)));
}

long double MultiLsh(const FunctionArgs& args) {
  const uint32_t shifted = static_cast<uint32_t>(A(args)) << (B(args) & 31);
  return static_cast<int32_t>(shifted);
}

long double MultiHypot(const FunctionArgs& args) { return std::hypot(N1(args), N2(args)); }

long double MultiMod(const FunctionArgs& args) {
  if (N2(args) == 0 || N1(args) == 0) return 0;
  return std::fmod(N1(args), N2(args));
}

long double MultiNand(const FunctionArgs& args) { return ~(A(args) & B(args)); }

long double MultiNcr(const FunctionArgs& args) {
  const long double k = B(args);
  const long double ordered = Permutations(A(args), k);
  long double k_factorial = 1;
  for (long double j = 2; j <= k; ++j) k_factorial = CheckedMul(k_factorial, j);
  return CheckedDiv(ordered, k_factorial);
}

long double MultiNor(const FunctionArgs& args) { return ~(A(args) | B(args)); }

long double MultiNpr(const FunctionArgs& args) { return Permutations(A(args), B(args)); }

long double MultiOr(const FunctionArgs& args) { return A(args) | B(args); }

long double MultiRandg(const FunctionArgs& args) {
  RangeGenerator& range = args.random.range;
  long double u;
  long double s;
  do {
    u = 2 * range.DrawUnit() - 1;
    const long double v = 2 * range.DrawUnit() - 1;
    s = u * u + v * v;
  } while (!(s < 1) || s == 0);  // s == 0 would need two equal draws in a row: never
  const long double scale = std::sqrt((-2 * std::log(s)) / s);
  return CheckedAdd(CheckedMul(CheckedMul(scale, u), N2(args)), N1(args));
}

long double MultiRandr(const FunctionArgs& args) {
  const int64_t a = A(args);
  // n2 + 1 is one past the largest 32-bit integer when n2 is that integer; in 32 bits it would
  // wrap to -2^31 and the draw would fall below n1. The span, at most 2^32, is taken in 64 bits.
  const long double past = N2(args) + 1;
  const int64_t b = std::trunc(past) == 2147483648.0L ? int64_t{2147483648} : TruncToInt32(past);
  RangeGenerator& range = args.random.range;
  const int64_t low = b >= a ? a : b;
  const uint64_t span = static_cast<uint64_t>(b >= a ? b - a : a - b);
  return static_cast<long double>(low + range.DrawBelow(span));
}

long double MultiRound(const FunctionArgs& args) {
  const int digit = static_cast<int8_t>(static_cast<uint32_t>(B(args)) & 0xFFU);
  const long double factor = static_cast<double>(PowerOfTen(digit));
  const long double value = static_cast<double>(N1(args));
  const long double quotient = std::nearbyint(value / factor);  // ties to even
  constexpr long double kTwoTo63 = 9223372036854775808.0L;
  if (!(quotient >= -kTwoTo63 && quotient < kTwoTo63)) {
    throw FloatFault(FloatFaultKind::kInvalidOperation);
  }
  return static_cast<double>(quotient * factor);
}

long double MultiRsh(const FunctionArgs& args) { return A(args) >> (B(args) & 31); }

long double MultiVcone(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(CheckedMul(Square(N1(args)), kPi), N2(args)), kThird);
}

long double MultiVcyl(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(Square(N1(args)), kPi), N2(args));
}

long double MultiXnor(const FunctionArgs& args) { return ~(A(args) ^ B(args)); }

long double MultiXor(const FunctionArgs& args) { return A(args) ^ B(args); }

long double MultiYrtx(const FunctionArgs& args) {
  return std::exp(CheckedMul(std::log(N1(args)), CheckedDiv(1, N2(args))));
}

long double MultiAseq(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(CheckedAdd(N1(args), N2(args)), N3(args)), 0.5L);
}

long double MultiAtrap(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(N3(args), 0.5L), CheckedAdd(N1(args), N2(args)));
}

long double MultiGseq(const FunctionArgs& args) {
  const long double ratio = N2(args);
  const long double numerator = CheckedMul(CheckedSub(1, std::pow(ratio, N3(args))), N1(args));
  return CheckedDiv(numerator, CheckedSub(1, ratio));
}

long double MultiVelip(const FunctionArgs& args) {
  long double v = CheckedMul(CheckedMul(CheckedMul(kPi, N1(args)), N2(args)), N3(args));
  return CheckedMul(CheckedMul(v, 4), kThird);
}

long double MultiVpyra(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(CheckedMul(N1(args), N2(args)), N3(args)), kThird);
}

long double MultiVrect(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(N1(args), N2(args)), N3(args));
}

}  // namespace quorvex
