#include "library/financial_functions.h"

#include <cmath>
#include <utility>

#include "common/checked_float.h"
#include "common/number_text.h"

namespace quorvex {
namespace {

// A growth factor above this makes the term practically endless.
constexpr long double kEndlessGrowth = 1e16L;
constexpr int kRateRounds = 15;
// Cash flows that balance at rate 0 to this fraction of their size have rate 0: the flows are
// read from 15-digit texts, so a smaller rate would be rounding noise, not an answer.
constexpr long double kBalancedAtZero = 1e-15L;
// Below this |n * T| the slope term of the rate iteration comes from its Taylor series, where
// the closed form cancels.
constexpr long double kSmallLogRate = 1e-4L;

// The engine passes exactly the row's count; a missing parameter reads as 0 rather than
// reading past the array.
long double Param(const FunctionArgs& args, int index) {
  return index < args.count ? args.n[index] : 0.0L;
}

int32_t Whole(const FunctionArgs& args, int index) { return TruncToInt32(Param(args, index)); }

long double Timing(PaymentTiming timing) {
  return timing == PaymentTiming::kStartOfPeriod ? 1.0L : 0.0L;
}

// (1 + r)^m as e^(m * log1p r), infinite where it overflows. Repeated squaring of the rounded
// 1 + r would carry that rounding into the 15th digit of ordinary terms (3650 days at 0,01 %).
long double Growth(long double rate, int32_t periods) {
  return std::exp(CheckedMul(static_cast<long double>(periods), std::log1p(rate)));
}

long double FiniteGrowth(long double rate, int32_t periods) {
  const long double growth = Growth(rate, periods);
  if (std::isinf(growth)) throw FloatFault(FloatFaultKind::kOverflow);
  return growth;
}

long double FutureValue(long double rate, int32_t periods, long double payment, long double present,
                        PaymentTiming timing) {
  if (rate <= -1.0L) throw UntrappedFault("FutureValue");
  const AnnuityFactors f = AnnuityFactor(rate, periods, timing);
  if (f.growth > kEndlessGrowth) throw UntrappedFault("FutureValue");
  return CheckedSub(CheckedMul(-payment, f.annuity), CheckedMul(present, f.growth));
}

long double Payment(long double rate, int32_t periods, long double present, long double future,
                    PaymentTiming timing) {
  if (rate <= -1.0L) throw UntrappedFault("Payment");
  // A growth too large for the extended range is all the more an endless term.
  if (Growth(rate, periods) > kEndlessGrowth) {
    return CheckedDiv(CheckedMul(-present, rate),
                      CheckedAdd(CheckedMul(Timing(timing), rate), 1.0L));
  }
  const AnnuityFactors f = AnnuityFactor(rate, periods, timing);
  return CheckedDiv(CheckedSub(CheckedMul(-present, f.growth), future), f.annuity);
}

long double PresentValue(long double rate, int32_t periods, long double payment, long double future,
                         PaymentTiming timing) {
  if (rate <= -1.0L) throw UntrappedFault("PresentValue");
  if (Growth(rate, periods) > kEndlessGrowth) {
    return CheckedDiv(CheckedMul(-payment, CheckedAdd(1.0L, CheckedMul(rate, Timing(timing)))),
                      rate);
  }
  const AnnuityFactors f = AnnuityFactor(rate, periods, timing);
  return CheckedDiv(CheckedSub(CheckedMul(-payment, f.annuity), future), f.growth);
}

long double NumberOfPeriods(long double rate, long double payment, long double present,
                            long double future, PaymentTiming timing) {
  if (rate <= -1.0L) throw UntrappedFault("NumberOfPeriods");
  const long double effective = timing == PaymentTiming::kStartOfPeriod
                                    ? CheckedMul(payment, CheckedAdd(1.0L, rate))
                                    : payment;
  const long double t = CheckedAdd(CheckedMul(present, rate), effective);
  if (t == 0.0L) throw UntrappedFault("NumberOfPeriods");
  const long double total = -CheckedAdd(present, future);
  // Only a zero rate needs the linear limit: log1p keeps small rates exact, whereas the
  // linear form is already off by 0.03 % at 12 periods of 0.005 %.
  if (rate == 0.0L) return CheckedDiv(total, t);
  const long double u = CheckedDiv(CheckedMul(total, rate), t);
  if (u <= -1.0L) throw UntrappedFault("NumberOfPeriods");
  return CheckedDiv(std::log1p(u), std::log1p(rate));
}

struct PaymentParts {
  long double interest;
  long double principal;
};

PaymentParts PartsOfPayment(long double rate, int32_t period, int32_t periods, long double present,
                            long double future, PaymentTiming timing, const char* fault_text) {
  if (rate <= -1.0L || period < 1 || periods < period) throw UntrappedFault(fault_text);
  const long double p = FiniteGrowth(rate, period - 1);
  const AnnuityFactors f = AnnuityFactor(rate, periods, timing);
  const long double interest = CheckedDiv(CheckedSub(CheckedMul(CheckedSub(p, 1.0L), future),
                                                     CheckedMul(CheckedSub(f.growth, p), present)),
                                          f.annuity);
  const long double principal = CheckedDiv(CheckedMul(CheckedSub(-future, present), p), f.annuity);
  return {interest, principal};
}

// Newton iteration on the logarithmic growth rate T of the equation
// first + m * (v + ... + v^(n-1)) + last * v^n = 0 with v = e^T. After the set-up below
// first < 0 and m, last >= 0, so the right-hand sum G(T) = m * D + last * e^(nT) is a positive
// sum of exponentials: ln G is convex and increasing, and Newton on ln(-G / first) converges
// from T = 0 without leaving the domain of the logarithm.
long double InterestRate(int32_t periods, long double payment, long double present,
                         long double future, PaymentTiming timing) {
  if (periods <= 0) throw UntrappedFault("InterestRate");
  long double m = payment;
  long double first = present;
  long double last = CheckedAdd(future, payment);
  if (timing == PaymentTiming::kStartOfPeriod) {
    first = CheckedAdd(present, payment);
    last = future;
  }
  // Read backwards, the cash flows make e^T the growth 1 + rate instead of its inverse. That
  // also serves when nothing flows at the start (a savings plan from 0), which read forwards
  // would leave no first flow to divide by.
  const bool reversed = first == 0.0L || CheckedMul(first, m) > 0.0L;
  if (reversed) std::swap(first, last);
  if (first > 0.0L) {
    first = -first;
    m = -m;
    last = -last;
  }
  const long double n = periods;
  const long double n1 = CheckedSub(n, 1.0L);
  // Two sign changes (last < 0), none (m < 0), or every flow but one zero: no single rate.
  if (first == 0.0L || last < 0.0L || m < 0.0L || (last == 0.0L && (m == 0.0L || n1 == 0.0L))) {
    throw UntrappedFault("InterestRate");
  }
  // Flows that already balance at T = 0 have rate 0, exactly rather than as rounding noise.
  const long double size = CheckedAdd(CheckedAdd(std::fabs(first), CheckedMul(m, n1)), last);
  const long double balance = CheckedAdd(CheckedAdd(first, CheckedMul(m, n1)), last);
  if (std::fabs(balance) <= CheckedMul(size, kBalancedAtZero)) return 0.0L;

  long double t = 0.0L;
  for (int round = 0; round < kRateRounds; ++round) {
    // No shortcut for a huge e^(n * T): the perpetuity limit -m / first only holds where
    // e^(n * T) vanishes, and Newton copes with large finite values on its own.
    const long double x = std::exp(CheckedMul(n, t));
    if (std::isinf(x)) throw UntrappedFault("InterestRate");
    // D = v + ... + v^(n-1) and its derivative E; expm1 keeps their digits near T = 0, where
    // D tends to n - 1 (not n: the last payment is in last) and E to n(n - 1)/2.
    const long double y = std::exp(t);
    const long double z = std::expm1(t);
    long double d = n1;
    long double e = CheckedDiv(CheckedMul(n1, n), 2.0L);
    if (z != 0.0L) d = CheckedDiv(CheckedMul(std::expm1(CheckedMul(n1, t)), y), z);
    if (std::fabs(CheckedMul(n, t)) < kSmallLogRate) {
      // E = sum of j * v^j to first order in T; the closed form below cancels here.
      e = CheckedMul(
          e,
          CheckedAdd(1.0L, CheckedDiv(CheckedMul(CheckedSub(CheckedMul(2.0L, n), 1.0L), t), 3.0L)));
    } else {
      e = CheckedDiv(CheckedSub(CheckedMul(n1, x), d), z);
    }
    const long double g = CheckedAdd(CheckedMul(m, d), CheckedMul(last, x));
    const long double slope =
        CheckedDiv(CheckedAdd(CheckedMul(m, e), CheckedMul(CheckedMul(n, last), x)), g);
    const long double step = CheckedDiv(std::log(CheckedDiv(-g, first)), slope);
    t = CheckedSub(t, step);
    if (std::fabs(step) < std::fabs(t) * 1e-12L + 1e-15L) {
      if (!reversed) t = -t;
      return std::expm1(t);
    }
  }
  throw UntrappedFault("InterestRate");
}

}  // namespace

long double PeriodGrowth(long double rate, int32_t periods) {
  int64_t remaining = periods;
  const bool negative = remaining < 0;
  if (negative) remaining = -remaining;
  long double base = CheckedAdd(1.0L, rate);
  long double result = 1.0L;
  while (remaining > 0) {
    if ((remaining & 1) != 0) result = CheckedMul(result, base);
    remaining >>= 1;
    // Squaring only while bits remain keeps a needless last square from overflowing.
    if (remaining > 0) base = CheckedMul(base, base);
  }
  return negative ? CheckedDiv(1.0L, result) : result;
}

AnnuityFactors AnnuityFactor(long double rate, int32_t periods, PaymentTiming timing) {
  const long double n = periods;
  if (rate == 0.0L) return {n, 1.0L};
  // One logarithm for every rate: expm1 keeps the digits of (1 + r)^n - 1 that the
  // subtraction B - 1 would cancel for small rates.
  const long double log_growth = CheckedMul(n, std::log1p(rate));
  AnnuityFactors f{};
  f.growth = std::exp(log_growth);
  if (std::isinf(f.growth)) throw FloatFault(FloatFaultKind::kOverflow);
  f.annuity = CheckedDiv(std::expm1(log_growth), rate);
  if (timing == PaymentTiming::kStartOfPeriod) {
    f.annuity = CheckedMul(f.annuity, CheckedAdd(1.0L, rate));
  }
  return f;
}

long double FinancialSlndep(const FunctionArgs& args) {
  const int32_t life = Whole(args, 2);
  if (life < 1) throw UntrappedFault("SLNDepreciation");
  return CheckedDiv(CheckedSub(Param(args, 0), Param(args, 1)), life);
}

long double FinancialDdbal(const FunctionArgs& args) {
  const long double cost = Param(args, 0);
  const long double salvage = Param(args, 1);
  const int32_t life = Whole(args, 2);
  const int32_t period = Whole(args, 3);
  if (period < 1 || period > life || life < 1 || cost <= salvage) return 0.0L;
  if (life <= 2) return period == 1 ? CheckedSub(cost, salvage) : 0.0L;
  const long double factor = CheckedDiv(2.0L, life);
  const long double book = CheckedMul(PeriodGrowth(-factor, period - 1), cost);
  long double result = CheckedMul(factor, book);
  const long double remaining = CheckedSub(book, salvage);
  if (result > remaining) result = remaining;
  return result < 0.0L ? 0.0L : result;
}

long double FinancialSyddep(const FunctionArgs& args) {
  const long double cost = Param(args, 0);
  const long double salvage = Param(args, 1);
  const int64_t life = Whole(args, 2);
  const int64_t period = Whole(args, 3);
  if (period < 1 || period > life || cost <= salvage) return 0.0L;
  // 64-bit integers: in 32 bits life * (life + 1) wraps above a life of 46340.
  const int64_t weight = 2 * (life - period + 1);
  const int64_t digits_sum = life * (life + 1);
  return CheckedDiv(CheckedMul(CheckedSub(cost, salvage), static_cast<long double>(weight)),
                    static_cast<long double>(digits_sum));
}

long double FinancialEfut(const FunctionArgs& args) {
  return FutureValue(Param(args, 0), Whole(args, 1), Param(args, 2), Param(args, 3),
                     PaymentTiming::kEndOfPeriod);
}

long double FinancialSfut(const FunctionArgs& args) {
  return FutureValue(Param(args, 0), Whole(args, 1), Param(args, 2), Param(args, 3),
                     PaymentTiming::kStartOfPeriod);
}

long double FinancialEirate(const FunctionArgs& args) {
  return InterestRate(Whole(args, 0), Param(args, 1), Param(args, 2), Param(args, 3),
                      PaymentTiming::kEndOfPeriod);
}

long double FinancialSirate(const FunctionArgs& args) {
  return InterestRate(Whole(args, 0), Param(args, 1), Param(args, 2), Param(args, 3),
                      PaymentTiming::kStartOfPeriod);
}

long double FinancialEpay(const FunctionArgs& args) {
  return Payment(Param(args, 0), Whole(args, 1), Param(args, 2), Param(args, 3),
                 PaymentTiming::kEndOfPeriod);
}

long double FinancialSpay(const FunctionArgs& args) {
  return Payment(Param(args, 0), Whole(args, 1), Param(args, 2), Param(args, 3),
                 PaymentTiming::kStartOfPeriod);
}

long double FinancialEper(const FunctionArgs& args) {
  return NumberOfPeriods(Param(args, 0), Param(args, 1), Param(args, 2), Param(args, 3),
                         PaymentTiming::kEndOfPeriod);
}

long double FinancialSper(const FunctionArgs& args) {
  return NumberOfPeriods(Param(args, 0), Param(args, 1), Param(args, 2), Param(args, 3),
                         PaymentTiming::kStartOfPeriod);
}

long double FinancialEpval(const FunctionArgs& args) {
  return PresentValue(Param(args, 0), Whole(args, 1), Param(args, 2), Param(args, 3),
                      PaymentTiming::kEndOfPeriod);
}

long double FinancialSpval(const FunctionArgs& args) {
  return PresentValue(Param(args, 0), Whole(args, 1), Param(args, 2), Param(args, 3),
                      PaymentTiming::kStartOfPeriod);
}

long double FinancialEipay(const FunctionArgs& args) {
  return PartsOfPayment(Param(args, 0), Whole(args, 1), Whole(args, 2), Param(args, 3),
                        Param(args, 4), PaymentTiming::kEndOfPeriod, "InterestPayment")
      .interest;
}

long double FinancialSipay(const FunctionArgs& args) {
  return PartsOfPayment(Param(args, 0), Whole(args, 1), Whole(args, 2), Param(args, 3),
                        Param(args, 4), PaymentTiming::kStartOfPeriod, "InterestPayment")
      .interest;
}

long double FinancialEppay(const FunctionArgs& args) {
  return PartsOfPayment(Param(args, 0), Whole(args, 1), Whole(args, 2), Param(args, 3),
                        Param(args, 4), PaymentTiming::kEndOfPeriod, "PeriodPayment")
      .principal;
}

long double FinancialSppay(const FunctionArgs& args) {
  return PartsOfPayment(Param(args, 0), Whole(args, 1), Whole(args, 2), Param(args, 3),
                        Param(args, 4), PaymentTiming::kStartOfPeriod, "PeriodPayment")
      .principal;
}

}  // namespace quorvex
