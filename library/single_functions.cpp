#include "library/single_functions.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "common/checked_float.h"
#include "common/number_text.h"

namespace quorvex {
namespace {

// The angle factors are double values widened to extended, so results match the program's
// history digit for digit.
constexpr long double kPi = 3.141592653589793;
constexpr long double k2Pi = 6.283185307179586;
constexpr long double k4Pi = 12.566370614359172;
constexpr long double kDegToRad = 0.017453292519943295;
constexpr long double kRadToDeg = 57.29577951308232;
constexpr long double kGradToRad = 0.015707963267948967;
constexpr long double kRadToGrad = 63.66197723675813;
// The unit factors are the nearest extended values, like a typed 273,15 read by the engine:
// double offsets would leave a residue of 2E-14 at the exact boundaries (kel>cel[273,15]).
constexpr long double k1_8 = 1.8L;
constexpr long double k32 = 32;
constexpr long double k273_15 = 273.15L;
constexpr long double k459_67 = 459.67L;
constexpr long double k0_8 = 0.8L;
constexpr long double k1_25 = 1.25L;
constexpr long double k2_25 = 2.25L;
constexpr long double kFeetToMet = 0.3048L;
constexpr long double kMetToFeet = 3.2808L;
constexpr long double kFiveNinths = 5.0L / 9.0L;
constexpr long double kFourNinths = 4.0L / 9.0L;
constexpr long double kThird = 1.0L / 3.0L;

// Stand-in for infinity in atanh: close to the largest extended value, still finite.
constexpr long double kAtanhLimit = 1.1E4932L;

// prime and primepi loop over every number up to their argument; beyond these the wait
// would be unbounded, so they refuse instead.
constexpr long double kPrimeLimit = 1E15L;
constexpr long double kPrimePiLimit = 1E7L;

long double N1(const FunctionArgs& args) { return args.n[0]; }

long double Acosh(long double x) {
  if (!(x > 1)) return 0;
  if (x > 1E10L) return std::log(2.0L) + std::log(x);
  return std::log(CheckedAdd(x, std::sqrt(CheckedMul(CheckedSub(x, 1), CheckedAdd(x, 1)))));
}

long double Asinh(long double x) {
  if (x == 0) return 0;
  const long double a = std::fabs(x);
  long double result;
  if (a > 1E10L) {
    result = std::log(2.0L) + std::log(a);
  } else {
    const long double a2 = CheckedMul(a, a);
    const long double y = CheckedAdd(a, CheckedDiv(a2, CheckedAdd(std::sqrt(a2 + 1), 1)));
    result = std::log1p(y);
  }
  return x < 0 ? -result : result;
}

long double Atanh(long double x) {
  if (x == 0) return 0;
  const long double a = std::fabs(x);
  long double result;
  if (a >= 1) {
    result = kAtanhLimit;
  } else {
    result = CheckedMul(0.5L, std::log1p(CheckedDiv(CheckedMul(2, a), CheckedSub(1, a))));
  }
  return x < 0 ? -result : result;
}

// The sign after rounding to double, as sign, int and frac see it; -0 counts as 0.
long double DoubleSign(long double x) {
  const double d = static_cast<double>(x);
  if (d > 0) return 1;
  if (d < 0) return -1;
  return 0;
}

// n1 - sign * floor(|n1|): the fractional part with the sign of n1.
long double FracPart(long double x) {
  return CheckedSub(x, CheckedMul(DoubleSign(x), std::floor(std::fabs(x))));
}

// Trial division of a whole k >= 2, exact in 64-bit integers below the prime limit.
bool TrialDivisionPrime(uint64_t k) {
  if (k == 2) return true;
  const uint64_t limit =
      static_cast<uint64_t>(std::ceil(std::sqrt(static_cast<long double>(k)))) + 1;
  uint64_t remainder = 1;
  for (uint64_t d = 2; remainder != 0 && d < limit; ++d) remainder = k % d;
  return remainder != 0;
}

// Fibonacci (start 0) and Lucas (start 2) by alternating sums; grows until it overflows.
long double AlternatingSum(long double n1, long double start, long double below_one) {
  const long double m = std::floor(n1);
  if (!(m >= 1)) return below_one;
  if (m == 1) return 1;
  long double a = start;
  long double b = 1;
  long double result = 1;
  for (long double k = 1; k <= m - 1; ++k) {
    if (std::fmod(k, 2.0L) != 0) {
      a = CheckedAdd(a, b);
      result = a;
    } else {
      b = CheckedAdd(b, a);
      result = b;
    }
  }
  return result;
}

long double Power(long double x, int exponent) {
  return std::pow(x, static_cast<long double>(exponent));
}

}  // namespace

long double SingleFactorial(const FunctionArgs& args) {
  const int32_t k = TruncToInt32(N1(args));
  long double product = 1;
  for (int32_t j = 2; j <= k; ++j) product = CheckedMul(product, j);
  return product;
}

long double SingleAbs(const FunctionArgs& args) { return std::fabs(N1(args)); }

long double SingleAcirc(const FunctionArgs& args) { return CheckedMul(Power(N1(args), 2), kPi); }

long double SingleAcos(const FunctionArgs& args) { return std::acos(N1(args)); }

long double SingleAcosh(const FunctionArgs& args) { return Acosh(N1(args)); }

long double SingleAcot(const FunctionArgs& args) { return std::atan(CheckedDiv(1, N1(args))); }

long double SingleAcoth(const FunctionArgs& args) { return Atanh(CheckedDiv(1, N1(args))); }

long double SingleAcsc(const FunctionArgs& args) { return std::asin(CheckedDiv(1, N1(args))); }

long double SingleAcsch(const FunctionArgs& args) { return Asinh(CheckedDiv(1, N1(args))); }

long double SingleAsec(const FunctionArgs& args) { return std::acos(CheckedDiv(1, N1(args))); }

long double SingleAsech(const FunctionArgs& args) { return Acosh(CheckedDiv(1, N1(args))); }

long double SingleAsin(const FunctionArgs& args) { return std::asin(N1(args)); }

long double SingleAsinh(const FunctionArgs& args) { return Asinh(N1(args)); }

long double SingleAsphr(const FunctionArgs& args) { return CheckedMul(Power(N1(args), 2), k4Pi); }

long double SingleAsqr(const FunctionArgs& args) { return Power(N1(args), 2); }

long double SingleAtan(const FunctionArgs& args) { return std::atan(N1(args)); }

long double SingleAtanh(const FunctionArgs& args) { return Atanh(N1(args)); }

long double SingleCcirc(const FunctionArgs& args) { return CheckedMul(k2Pi, N1(args)); }

long double SingleCeil(const FunctionArgs& args) { return std::ceil(N1(args)); }

long double SingleCelFah(const FunctionArgs& args) {
  return CheckedAdd(CheckedMul(N1(args), k1_8), k32);
}

long double SingleCelKel(const FunctionArgs& args) { return CheckedAdd(N1(args), k273_15); }

// Through Kelvin, so that absolute zero gives exactly 0 (n1 * 1.8 + 491.67 leaves 3E-17).
long double SingleCelRan(const FunctionArgs& args) {
  return CheckedMul(CheckedAdd(N1(args), k273_15), k1_8);
}

long double SingleCelRea(const FunctionArgs& args) { return CheckedMul(N1(args), k0_8); }

long double SingleCos(const FunctionArgs& args) { return std::cos(N1(args)); }

long double SingleCosh(const FunctionArgs& args) { return std::cosh(N1(args)); }

long double SingleCot(const FunctionArgs& args) { return CheckedDiv(1, std::tan(N1(args))); }

// The library's tanh, sinh and cosh keep every digit near 0, where (e^2x - 1) / (e^2x + 1)
// and e^x/2 - 0.25/(e^x/2) cancel, and saturate to +-1 or infinity far from it.
long double SingleCoth(const FunctionArgs& args) { return CheckedDiv(1, std::tanh(N1(args))); }

long double SingleCsc(const FunctionArgs& args) { return CheckedDiv(1, std::sin(N1(args))); }

// Far out sinh is infinite and the reciprocal 0 on both sides (+0, never -0).
long double SingleCsch(const FunctionArgs& args) {
  const long double result = CheckedDiv(1, std::sinh(N1(args)));
  return result == 0 ? 0.0L : result;
}

long double SingleCycDeg(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(N1(args), k2Pi), kRadToDeg);
}

long double SingleCycGra(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(N1(args), k2Pi), kRadToGrad);
}

long double SingleCycRad(const FunctionArgs& args) { return CheckedMul(N1(args), k2Pi); }

long double SingleDcount(const FunctionArgs& args) {
  long double x = std::floor(N1(args));
  if (!std::isfinite(x)) return std::isnan(x) ? x : 0;
  long double count = 0;
  while (x > 0) {
    const long double old = x;
    x = old / 2;
    if (std::fmod(old, 2.0L) != 0) {
      count += 1;
      x = std::floor(x);
    }
  }
  return count;
}

long double SingleDegCyc(const FunctionArgs& args) {
  return CheckedDiv(CheckedMul(N1(args), kDegToRad), k2Pi);
}

long double SingleDegGra(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(N1(args), kDegToRad), kRadToGrad);
}

long double SingleDegRad(const FunctionArgs& args) { return CheckedMul(N1(args), kDegToRad); }

long double SingleEven(const FunctionArgs& args) { return std::fmod(N1(args), 2.0L) == 0 ? 1 : 0; }

long double SingleExp(const FunctionArgs& args) { return std::exp(N1(args)); }

long double SingleFahCel(const FunctionArgs& args) {
  return CheckedMul(CheckedSub(N1(args), k32), kFiveNinths);
}

long double SingleFahKel(const FunctionArgs& args) {
  return CheckedMul(CheckedAdd(N1(args), k459_67), kFiveNinths);
}

long double SingleFahRan(const FunctionArgs& args) { return CheckedAdd(N1(args), k459_67); }

long double SingleFahRea(const FunctionArgs& args) {
  return CheckedMul(CheckedSub(N1(args), k32), kFourNinths);
}

long double SingleFeetMet(const FunctionArgs& args) { return CheckedMul(N1(args), kFeetToMet); }

long double SingleFibo(const FunctionArgs& args) { return AlternatingSum(N1(args), 0, 0); }

long double SingleFloor(const FunctionArgs& args) { return std::floor(N1(args)); }

long double SingleFrac(const FunctionArgs& args) { return FracPart(N1(args)); }

long double SingleGraCyc(const FunctionArgs& args) {
  return CheckedDiv(CheckedMul(N1(args), kGradToRad), k2Pi);
}

long double SingleGraDeg(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(N1(args), kGradToRad), kRadToDeg);
}

long double SingleGraRad(const FunctionArgs& args) { return CheckedMul(N1(args), kGradToRad); }

long double SingleInt(const FunctionArgs& args) { return CheckedSub(N1(args), FracPart(N1(args))); }

long double SingleKelCel(const FunctionArgs& args) { return CheckedSub(N1(args), k273_15); }

long double SingleKelFah(const FunctionArgs& args) {
  return CheckedSub(CheckedMul(N1(args), k1_8), k459_67);
}

long double SingleKelRan(const FunctionArgs& args) { return CheckedMul(N1(args), k1_8); }

long double SingleKelRea(const FunctionArgs& args) {
  return CheckedMul(CheckedSub(N1(args), k273_15), k0_8);
}

long double SingleLn(const FunctionArgs& args) { return std::log(N1(args)); }

long double SingleLuca(const FunctionArgs& args) { return AlternatingSum(N1(args), 2, 2); }

long double SingleMetFeet(const FunctionArgs& args) { return CheckedMul(N1(args), kMetToFeet); }

long double SingleNot(const FunctionArgs& args) { return ~TruncToInt32(N1(args)); }

long double SingleOdd(const FunctionArgs& args) {
  const long double x = N1(args);
  return std::fmod(x, 2.0L) != 0 && x == std::trunc(x) ? 1 : 0;
}

long double SinglePrime(const FunctionArgs& args) {
  const long double x = N1(args);
  if (!(x > 1) || std::floor(x) != x) return 0;
  if (x > kPrimeLimit) throw UntrappedFault("'prime' accepts numbers up to 1E15");
  return TrialDivisionPrime(static_cast<uint64_t>(x)) ? 1 : 0;
}

long double SinglePrimepi(const FunctionArgs& args) {
  const long double x = N1(args);
  if (!(x > 1)) return 0;
  if (x > kPrimePiLimit) throw UntrappedFault("'primepi' accepts numbers up to 1E7");
  // A sieve counts the same numbers that trial division finds prime, only faster.
  const auto last = static_cast<size_t>(std::floor(x));
  std::vector<bool> composite(last + 1, false);
  long double count = 0;
  for (size_t k = 2; k <= last; ++k) {
    if (composite[k]) continue;
    count += 1;
    for (size_t multiple = k * k; multiple <= last; multiple += k) composite[multiple] = true;
  }
  return count;
}

long double SingleRadCyc(const FunctionArgs& args) { return CheckedDiv(N1(args), k2Pi); }

long double SingleRadDeg(const FunctionArgs& args) { return CheckedMul(N1(args), kRadToDeg); }

long double SingleRadGra(const FunctionArgs& args) { return CheckedMul(N1(args), kRadToGrad); }

long double SingleRanCel(const FunctionArgs& args) {
  return CheckedMul(CheckedSub(CheckedSub(N1(args), k32), k459_67), kFiveNinths);
}

long double SingleRanFah(const FunctionArgs& args) { return CheckedSub(N1(args), k459_67); }

long double SingleRanKel(const FunctionArgs& args) { return CheckedMul(N1(args), kFiveNinths); }

long double SingleRanRea(const FunctionArgs& args) {
  return CheckedMul(CheckedSub(CheckedSub(N1(args), k459_67), k32), kFourNinths);
}

long double SingleRand(const FunctionArgs& args) {
  const int64_t k = TruncToInt32(N1(args) + 1);
  if (k == 0) return 0;
  const int64_t r = args.random.rand.Draw();
  return static_cast<long double>(r % (k < 0 ? -k : k));
}

long double SingleReaCel(const FunctionArgs& args) { return CheckedMul(N1(args), k1_25); }

long double SingleReaFah(const FunctionArgs& args) {
  return CheckedAdd(CheckedMul(N1(args), k2_25), k32);
}

long double SingleReaKel(const FunctionArgs& args) {
  return CheckedAdd(CheckedMul(N1(args), k1_25), k273_15);
}

long double SingleReaRan(const FunctionArgs& args) {
  return CheckedAdd(CheckedAdd(CheckedMul(N1(args), k2_25), k32), k459_67);
}

long double SingleRec(const FunctionArgs& args) { return CheckedDiv(1, N1(args)); }

long double SingleSec(const FunctionArgs& args) { return CheckedDiv(1, std::cos(N1(args))); }

long double SingleSech(const FunctionArgs& args) { return CheckedDiv(1, std::cosh(N1(args))); }

long double SingleSign(const FunctionArgs& args) { return DoubleSign(N1(args)); }

long double SingleSin(const FunctionArgs& args) { return std::sin(N1(args)); }

long double SingleSinh(const FunctionArgs& args) { return std::sinh(N1(args)); }

long double SingleSqrt(const FunctionArgs& args) { return std::sqrt(N1(args)); }

long double SingleTan(const FunctionArgs& args) { return std::tan(N1(args)); }

long double SingleTanh(const FunctionArgs& args) { return std::tanh(N1(args)); }

long double SingleVcube(const FunctionArgs& args) { return Power(N1(args), 3); }

long double SingleVsphr(const FunctionArgs& args) {
  return CheckedMul(CheckedMul(CheckedMul(Power(N1(args), 3), kPi), 4), kThird);
}

}  // namespace quorvex
