#include "library/financial_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/checked_float.h"
#include "common/number_text.h"
#include "library/function_table.h"

namespace quorvex {
namespace {

long double Call(FunctionImpl fn, const std::vector<long double>& params) {
  RandomGenerators random;
  const FunctionArgs args{params.data(), static_cast<int>(params.size()), random};
  return fn(args);
}

// Relative closeness with an absolute floor for results near zero.
testing::AssertionResult Near(long double actual, long double expected, long double tolerance) {
  const long double scale = std::fmax(1.0L, std::fabs(expected));
  if (std::fabs(actual - expected) <= tolerance * scale) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "got " << static_cast<double>(actual) << ", expected " << static_cast<double>(expected);
}

struct FinancialCase {
  const char* name;
  FunctionImpl fn;
  std::vector<long double> params;
  long double expected;
  long double tolerance;
};

void PrintTo(const FinancialCase& c, std::ostream* os) { *os << c.name; }

class FinancialResultTest : public testing::TestWithParam<FinancialCase> {};

TEST_P(FinancialResultTest, GivesExpectedValue) {
  const FinancialCase& c = GetParam();
  long double result = std::nanl("");
  EXPECT_NO_THROW(result = Call(c.fn, c.params)) << c.name;
  EXPECT_TRUE(Near(result, c.expected, c.tolerance)) << c.name;
}

constexpr long double kExact = 1e-15L;

const FinancialCase kResults[] = {
    // Depreciation.
    {"SlndepSpreadsCostOverLife", FinancialSlndep, {1000, 100, 9}, 100, kExact},
    {"SlndepTruncatesLife", FinancialSlndep, {1000, 100, 9.9L}, 100, kExact},
    {"DdbalFirstPeriod", FinancialDdbal, {1000, 100, 5, 1}, 400, kExact},
    {"DdbalSecondPeriod", FinancialDdbal, {1000, 100, 5, 2}, 240, kExact},
    {"DdbalThirdPeriod", FinancialDdbal, {1000, 100, 5, 3}, 144, 1e-14L},
    {"DdbalLastPeriodStopsAtSalvage", FinancialDdbal, {1000, 100, 5, 5}, 29.6L, 1e-14L},
    {"DdbalShortLifeTakesAllAtOnce", FinancialDdbal, {1000, 100, 2, 1}, 900, kExact},
    {"DdbalShortLifeLaterPeriodIsZero", FinancialDdbal, {1000, 100, 2, 2}, 0, kExact},
    {"DdbalCostBelowSalvageIsZero", FinancialDdbal, {100, 1000, 5, 1}, 0, kExact},
    {"DdbalPeriodZeroIsZero", FinancialDdbal, {1000, 100, 5, 0}, 0, kExact},
    {"DdbalPeriodBeyondLifeIsZero", FinancialDdbal, {1000, 100, 5, 6}, 0, kExact},
    {"DdbalBookValueBelowSalvageIsZero", FinancialDdbal, {1000, 500, 10, 5}, 0, kExact},
    {"SyddepFirstPeriod", FinancialSyddep, {1000, 100, 5, 1}, 300, kExact},
    {"SyddepLastPeriod", FinancialSyddep, {1000, 100, 5, 5}, 60, kExact},
    {"SyddepPeriodBeyondLifeIsZero", FinancialSyddep, {1000, 100, 5, 6}, 0, kExact},
    {"SyddepPeriodZeroIsZero", FinancialSyddep, {1000, 100, 5, 0}, 0, kExact},
    {"SyddepCostBelowSalvageIsZero", FinancialSyddep, {100, 1000, 5, 1}, 0, kExact},
    // 2 * 100000 / (100000 * 100001) would wrap in 32-bit integers.
    {"SyddepLongLifeDoesNotWrap",
     FinancialSyddep,
     {1000, 100, 100000, 1},
     1800.0L / 100001,
     1e-15L},
    // Time value of money, the usual cases.
    {"EfutAtZeroRate", FinancialEfut, {0, 10, -100, 0}, 1000, kExact},
    {"EfutPaymentsAtEnd", FinancialEfut, {0.1L, 2, -100, 0}, 210, 1e-15L},
    {"SfutPaymentsAtStart", FinancialSfut, {0.1L, 2, -100, 0}, 231, 1e-15L},
    {"EfutCompoundsPresentValue",
     FinancialEfut,
     {0.05L, 10, 0, -1000},
     1000 * std::pow(1.05L, 10),
     1e-15L},
    {"EfutTruncatesPeriods", FinancialEfut, {0, 10.9L, -100, 0}, 1000, kExact},
    {"EfutTakesLow32BitsOfPeriods", FinancialEfut, {0, 4294967306.0L, -100, 0}, 1000, kExact},
    {"EpayAtZeroRate", FinancialEpay, {0, 10, 1000, 0}, -100, kExact},
    {"EpayMortgage", FinancialEpay, {0.005L, 360, 100000, 0}, -599.550525152, 1e-11L},
    {"EpayEndlessTermPaysInterestOnly", FinancialEpay, {0.1L, 1000, 1000, 0}, -100, kExact},
    {"SpayEndlessTermDiscountsOnePeriod", FinancialSpay, {0.1L, 1000, 1100, 0}, -100, 1e-15L},
    {"EpvalAtZeroRate", FinancialEpval, {0, 10, -100, 0}, 1000, kExact},
    {"EpvalOrdinaryAnnuity",
     FinancialEpval,
     {0.05L, 10, -100, 0},
     100 * (1 - std::pow(1.05L, -10)) / 0.05L,
     1e-15L},
    {"EpvalEndlessTermIsPerpetuity", FinancialEpval, {0.1L, 1000, -100, 0}, 1000, 1e-15L},
    {"SpvalEndlessTermIsPerpetuityDue", FinancialSpval, {0.1L, 1000, -100, 0}, 1100, 1e-15L},
    {"EperAtZeroRate", FinancialEper, {0, -100, 1000, 0}, 10, kExact},
    {"EperIsNotRounded",
     FinancialEper,
     {0.01L, -100, 1000, 0},
     std::log(1 / 0.9L) / std::log(1.01L),
     1e-15L},
    {"EipayFirstPeriodInterest", FinancialEipay, {0.1L, 1, 2, 1000, 0}, -100, 1e-15L},
    {"EipayAtZeroRateIsZero", FinancialEipay, {0, 1, 4, 1000, 0}, 0, kExact},
    {"EppayAtZeroRate", FinancialEppay, {0, 1, 4, 1000, 0}, -250, kExact},
    // Payments at the start: the first interest part is -(B - 1) * pv / A, not 0.
    {"SipayFirstPeriodIsNotZero",
     FinancialSipay,
     {0.1L, 1, 2, 1000, 0},
     -0.21L * 1000 / (2.1L * 1.1L),
     1e-15L},
    {"EirateOnePeriod", FinancialEirate, {1, 0, 100, -200}, 1, 1e-15L},
    // Rates found by bisection on 100 * (1 + r * t) * (1 - (1 + r)^-10) / r = 800.
    {"EirateLoan", FinancialEirate, {10, -100, 800, 0}, 0.0427749780351113L, 1e-13L},
    {"SirateLoan", FinancialSirate, {10, -100, 800, 0}, 0.0534461673930378L, 1e-13L},
    {"EirateZeroInterestLoan", FinancialEirate, {12, -100, 1200, 0}, 0, 0},
    {"SirateZeroInterestSavings", FinancialSirate, {12, -100, -1200, 2400}, 0, 0},
    // Rates that the iteration used to miss: exact values by bisection in Python decimal.
    // 0,1 exactly: one period, saved 1000 + 100 grows to 1200.
    {"EirateOnePeriodOfSavings", FinancialEirate, {1, -100, -1000, 1200}, 0.1L, 1e-15L},
    // -0,5 exactly: 1000 lent, 500 paid back.
    {"EirateOnePeriodLoss", FinancialEirate, {1, -500, 1000, 0}, -0.5L, 1e-15L},
    // 0,0172568312285377289682282632969794834628356403049513690181250
    {"EirateSavingsOnTopOfDeposit",
     FinancialEirate,
     {10, -100, -100, 1200},
     0.0172568312285377289682282633L,
     1e-15L},
    // The most common savings question starts from nothing.
    // 0,087320521779939787255950131871363625493291285800806121623735
    {"EirateSavingsFromNothing",
     FinancialEirate,
     {10, -100, 0, 1500},
     0.0873205217799397872559501319L,
     1e-15L},
    // 0,072567402109258820280016197938547467881813436534030758347515
    {"SirateSavingsFromNothing",
     FinancialSirate,
     {10, -100, 0, 1500},
     0.0725674021092588202800161979L,
     1e-15L},
    // 0,0122527924284683038073273927922552157975656085930519492086550
    {"SirateMonthlySavingsFromNothing",
     FinancialSirate,
     {12, -100, 0, 1300},
     0.0122527924284683038073273928L,
     1e-15L},
    // Flows that balance at rate 0 give exactly 0, not a fault or 2E-21.
    {"EirateOnePeriodAtZero", FinancialEirate, {1, -1000, 1000, 0}, 0, 0},
    {"SirateZeroWithNothingLeft", FinancialSirate, {5, -200, 1000, 0}, 0, 0},
    {"EirateTenPeriodsAtZero", FinancialEirate, {10, -100, 1000, 0}, 0, 0},
    {"EirateSavingsFromNothingAtZero", FinancialEirate, {10, -100, 0, 1000}, 0, 0},
    // 5 % over 1000 periods grows past 2^64; Newton still has to find the rate.
    {"EirateHugeGrowth",
     FinancialEirate,
     {1000, -100, -1000, 100 * (std::pow(1.05L, 1000) - 1) / 0.05L + 1000 * std::pow(1.05L, 1000)},
     0.05L,
     1e-12L},
};

INSTANTIATE_TEST_SUITE_P(Financial, FinancialResultTest, testing::ValuesIn(kResults),
                         [](const testing::TestParamInfo<FinancialCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(FinancialFunctionsTest, DepreciationSchedulesWriteOffCostMinusSalvage) {
  for (int life : {3, 5, 8}) {
    long double ddbal = 0;
    long double syddep = 0;
    for (int period = 1; period <= life; ++period) {
      ddbal += Call(FinancialDdbal,
                    {1000, 100, static_cast<long double>(life), static_cast<long double>(period)});
      syddep += Call(FinancialSyddep,
                     {1000, 100, static_cast<long double>(life), static_cast<long double>(period)});
    }
    EXPECT_TRUE(Near(syddep, 900, 1e-14L)) << life;
    EXPECT_LE(ddbal, 900 + 1e-12L) << life;
  }
}

TEST(FinancialFunctionsTest, PeriodGrowthAndAnnuityFactor) {
  EXPECT_EQ(PeriodGrowth(0.5L, 0), 1.0L);
  EXPECT_EQ(PeriodGrowth(1, 10), 1024.0L);
  EXPECT_EQ(PeriodGrowth(1, -2), 0.25L);
  EXPECT_TRUE(Near(PeriodGrowth(0.05L, 37), std::pow(1.05L, 37), 1e-17L));
  EXPECT_EQ(PeriodGrowth(-0.5L, 3), 0.125L);

  const AnnuityFactors zero = AnnuityFactor(0, 7, PaymentTiming::kStartOfPeriod);
  EXPECT_EQ(zero.annuity, 7.0L);
  EXPECT_EQ(zero.growth, 1.0L);
  const AnnuityFactors end = AnnuityFactor(0.1L, 2, PaymentTiming::kEndOfPeriod);
  EXPECT_TRUE(Near(end.annuity, 2.1L, 1e-17L));
  EXPECT_TRUE(Near(end.growth, 1.21L, 1e-17L));
  const AnnuityFactors start = AnnuityFactor(0.1L, 2, PaymentTiming::kStartOfPeriod);
  EXPECT_TRUE(Near(start.annuity, 2.31L, 1e-17L));
  // Small rates: a 3650-period term at 0,005 % must match the exact closed form.
  const long double r = 0.00005L;
  const AnnuityFactors small = AnnuityFactor(r, 3650, PaymentTiming::kEndOfPeriod);
  EXPECT_TRUE(Near(small.growth, std::pow(1 + r, 3650), 1e-15L));
  EXPECT_TRUE(Near(small.annuity, (std::pow(1 + r, 3650) - 1) / r, 1e-12L));
}

// The standard closed forms of the time value of money, with payment timing t:
// pv * (1 + r)^n + p * (1 + r * t) * ((1 + r)^n - 1) / r + fv = 0.
struct ClosedForm {
  long double r;
  int n;
  int t;
  // Through log1p and expm1, so that 1 + r does not round away the digits of tiny rates.
  long double Growth() const { return std::exp(n * std::log1p(r)); }
  long double Annuity() const {
    if (r == 0) return n;
    return std::expm1(n * std::log1p(r)) / r * (1 + r * t);
  }
  long double Future(long double p, long double pv) const {
    return -(pv * Growth() + p * Annuity());
  }
  long double Pay(long double pv, long double fv) const {
    return -(pv * Growth() + fv) / Annuity();
  }
  long double Present(long double p, long double fv) const {
    return -(fv + p * Annuity()) / Growth();
  }
};

struct PairFns {
  int t;
  FunctionImpl fut, pay, pval, per, ipay, ppay, irate;
};

const PairFns kPairs[] = {
    {0, FinancialEfut, FinancialEpay, FinancialEpval, FinancialEper, FinancialEipay, FinancialEppay,
     FinancialEirate},
    {1, FinancialSfut, FinancialSpay, FinancialSpval, FinancialSper, FinancialSipay, FinancialSppay,
     FinancialSirate},
};

// Includes 0 and rates on both sides of the small-rate branch at 0,000061.
const long double kRates[] = {-0.3L,    -0.00005L, 0,     1e-9L, 0.00003L,
                              0.00006L, 0.000061L, 0.01L, 0.05L, 0.25L};
const int kPeriods[] = {1, 2, 12, 360};

TEST(FinancialFunctionsTest, MatchClosedFormsOfTheTimeValueOfMoney) {
  for (const PairFns& fns : kPairs) {
    for (long double r : kRates) {
      for (int n : kPeriods) {
        const ClosedForm cf{r, n, fns.t};
        if (cf.Growth() > 1e16L) continue;  // the endless-term rules take over
        const long double ln = n;
        SCOPED_TRACE(testing::Message()
                     << "t=" << fns.t << " r=" << static_cast<double>(r) << " n=" << n);
        EXPECT_TRUE(Near(Call(fns.fut, {r, ln, -100, 1000}), cf.Future(-100, 1000), 1e-12L));
        EXPECT_TRUE(Near(Call(fns.pay, {r, ln, 1000, 250}), cf.Pay(1000, 250), 1e-12L));
        EXPECT_TRUE(Near(Call(fns.pval, {r, ln, -100, 250}), cf.Present(-100, 250), 1e-12L));
      }
    }
  }
}

TEST(FinancialFunctionsTest, EndInterestPartIsInterestOnTheOpenBalance) {
  // Walks the loan balance period by period: interest of period k is r times the balance
  // left after k - 1 payments.
  for (long double r : {0.01L, 0.05L, 0.00003L}) {
    const int n = 12;
    const long double pv = 1000;
    const long double fv = 100;
    const long double payment = Call(FinancialEpay, {r, n, pv, fv});
    long double balance = pv;
    for (int k = 1; k <= n; ++k) {
      const long double interest = -balance * r;
      SCOPED_TRACE(testing::Message() << "r=" << static_cast<double>(r) << " k=" << k);
      EXPECT_TRUE(Near(Call(FinancialEipay, {r, static_cast<long double>(k), n, pv, fv}), interest,
                       1e-12L));
      EXPECT_TRUE(Near(Call(FinancialEppay, {r, static_cast<long double>(k), n, pv, fv}),
                       payment - interest, 1e-12L));
      balance = balance * (1 + r) + payment;
    }
    EXPECT_TRUE(Near(balance, -fv, 1e-11L));
  }
}

TEST(FinancialFunctionsTest, PropertiesHoldOverGridOfRatesPeriodsAndValues) {
  for (const PairFns& fns : kPairs) {
    for (long double r : kRates) {
      for (int n : kPeriods) {
        for (long double pv : {1000.0L, -2500.5L}) {
          for (long double fv : {0.0L, 300.0L}) {
            const long double ln = n;
            SCOPED_TRACE(testing::Message()
                         << "t=" << fns.t << " r=" << static_cast<double>(r) << " n=" << n
                         << " pv=" << static_cast<double>(pv) << " fv=" << static_cast<double>(fv));
            const long double payment = Call(fns.pay, {r, ln, pv, fv});
            // Interest and principal parts add up to the payment in every period.
            for (int k : {1, (n + 1) / 2, n}) {
              const long double lk = k;
              const long double parts =
                  Call(fns.ipay, {r, lk, ln, pv, fv}) + Call(fns.ppay, {r, lk, ln, pv, fv});
              const long double growth = ClosedForm{r, n, fns.t}.Growth();
              // Beyond 1E16 epay switches to its endless-term rule.
              if (growth <= 1e16L) {
                EXPECT_TRUE(Near(parts, payment, 1e-12L)) << "k=" << k;
              }
            }
            // Present value and number of periods of that payment are the ones we started
            // from, wherever the growth factor leaves pv enough digits to be read back (at
            // 0,7^360 the future value swamps it).
            const long double growth = ClosedForm{r, n, fns.t}.Growth();
            if (growth > 1e-4L) {
              EXPECT_TRUE(Near(Call(fns.pval, {r, ln, payment, fv}), pv, 1e-11L));
            }
            if (growth > 1e-4L && growth < 1e8L) {
              EXPECT_TRUE(Near(Call(fns.per, {r, payment, pv, fv}), ln, 1e-9L));
            }
          }
        }
      }
    }
  }
}

// Textbook terms come out correctly rounded to the 15 digits an answer shows. Exact values by
// Python decimal at 50 digits, with the rate as written; none lies near a rounding tie, so one
// unit more or less in the library's last bit cannot change the text.
struct RoundedCase {
  const char* name;
  FunctionImpl fn;
  std::vector<long double> params;
  long double exact;
  const char* text;
};

void PrintTo(const RoundedCase& c, std::ostream* os) { *os << c.name; }

class FinancialRoundingTest : public testing::TestWithParam<RoundedCase> {};

TEST_P(FinancialRoundingTest, MatchesExactValue) {
  const RoundedCase& c = GetParam();
  long double result = std::nanl("");
  EXPECT_NO_THROW(result = Call(c.fn, c.params)) << c.name;
  // A few units of the last bit of the extended result, whatever the library's last bit.
  EXPECT_LE(std::fabs(result - c.exact), 1e-17L * std::fabs(c.exact))
      << c.name << ": got " << static_cast<double>(result);
  EXPECT_EQ(FormatGeneral(result), c.text) << c.name;
}

const RoundedCase kRounded[] = {
    // 441928,2084816803714454242899230
    {"EfutDailyForTenYears",
     FinancialEfut,
     {0.0001L, 3650, -100, -1000},
     441928.2084816803714454242899L,
     "441928,20848168"},
    // 441972,2572537564633906236330089
    {"SfutDailyForTenYears",
     FinancialSfut,
     {0.0001L, 3650, -100, -1000},
     441972.2572537564633906236330L,
     "441972,257253756"},
    // -599,5505251527523945914612437
    {"EpayMortgage",
     FinancialEpay,
     {0.005L, 360, 100000, 0},
     -599.5505251527523945914612L,
     "-599,550525152752"},
    // -596,5676867191566115337922823
    {"SpayMortgage",
     FinancialSpay,
     {0.005L, 360, 100000, 0},
     -596.5676867191566115337923L,
     "-596,567686719157"},
    // 1628,89462677744140625 (exact: 1,05^10)
    {"EfutCompoundsTenYears",
     FinancialEfut,
     {0.05L, 10, 0, -1000},
     1628.89462677744140625L,
     "1628,89462677744"},
    // 12409,0411835058595624372950636
    {"EpvalThirtyYears",
     FinancialEpval,
     {0.07L, 30, -1000, 0},
     12409.04118350585956243730L,
     "12409,0411835059"},
    // 13277,6740663512697318079057181
    {"SpvalThirtyYears",
     FinancialSpval,
     {0.07L, 30, -1000, 0},
     13277.67406635126973180791L,
     "13277,6740663513"},
    // 30849,2973692885446205934757923
    {"SfutTenYearsMonthly",
     FinancialSfut,
     {0.004L, 120, -200, 0},
     30849.29736928854462059348L,
     "30849,2973692885"},
    // -57,1177276279243355609512678
    {"EipayMidTerm",
     FinancialEipay,
     {0.01L, 12, 24, 10000, 0},
     -57.11772762792433556095127L,
     "-57,1177276279243"},
    // -56,5522055722023124365854136
    {"SipayMidTerm",
     FinancialSipay,
     {0.01L, 12, 24, 10000, 0},
     -56.55220557220231243658541L,
     "-56,5522055722023"},
    // 1718268,2371744896680350648244260
    {"EfutTinyRateLongTerm",
     FinancialEfut,
     {0.00001L, 100000, -10, 0},
     1718268.237174489668035064824L,
     "1718268,23717449"},
    // -5,7881882341090653901379796
    {"EpayJustAboveTheSmallRates",
     FinancialEpay,
     {0.0003L, 1000, 5000, 0},
     -5.788188234109065390137980L,
     "-5,78818823410907"},
    // The growth overflows the extended range: the endless-term rule, -pv * r / (t * r + 1).
    {"EpayEndlessTermBeyondOverflow",
     FinancialEpay,
     {0.00006L, 2000000000, 1000, 0},
     -0.06L,
     "-0,06"},
    // -0,059996400215987040777553346799192048 = -0,06 / 1,00006
    {"SpayEndlessTermBeyondOverflow",
     FinancialSpay,
     {0.00006L, 2000000000, 1000, 0},
     -0.05999640021598704077755335L,
     "-0,059996400215987"},
    {"EpvalEndlessTermBeyondOverflow",
     FinancialEpval,
     {0.00006L, 2000000000, -0.06L, 0},
     1000,
     "1000"},
};

INSTANTIATE_TEST_SUITE_P(Textbook, FinancialRoundingTest, testing::ValuesIn(kRounded),
                         [](const testing::TestParamInfo<RoundedCase>& info) {
                           return std::string(info.param.name);
                         });

// The rate is found back from the flows that efut/sfut (savings) and epay/spay (loans and
// savings targets) build from it, to 1E-13 of max(1, |r|), and exactly 0 at rate 0.
struct RateGridCase {
  std::string name;
  int t;
  bool loan;
  long double r;
  int n;
  long double pv;
};

void PrintTo(const RateGridCase& c, std::ostream* os) { *os << c.name; }

std::string GridName(int t, bool loan, size_t r_index, int n, long double pv) {
  static const char* const kRateNames[] = {
      "MinusHalf",     "MinusFiveE5", "Zero",        "OneE9",   "ThreeE5",
      "SixPointOneE5", "OnePercent",  "FivePercent", "Quarter", "One"};
  std::string name = t == 0 ? "End" : "Start";
  name += loan ? "Loan" : "Savings";
  name += std::string("_r") + kRateNames[r_index] + "_n" + std::to_string(n) + "_pv";
  name += pv < 0 ? "Minus" + std::to_string(static_cast<int>(-pv))
                 : std::to_string(static_cast<int>(pv));
  return name;
}

const long double kGridRates[] = {-0.5L,     -0.00005L, 0,     1e-9L, 0.00003L,
                                  0.000061L, 0.01L,     0.05L, 0.25L, 1};

std::vector<RateGridCase> RateGrid() {
  std::vector<RateGridCase> grid;
  for (int t : {0, 1}) {
    for (size_t i = 0; i < std::size(kGridRates); ++i) {
      const long double r = kGridRates[i];
      for (int n : {1, 2, 3, 12, 360, 400}) {
        // efut refuses a growth above 1E16; epay then pays interest only.
        const bool endless = ClosedForm{r, n, t}.Growth() > 1e15L;
        for (long double pv : {-1000.0L, 0.0L}) {
          // Deposits of 100 on top of pv; with nothing at the start and the single payment at
          // the end, one flow alone fixes no rate.
          if (!endless && !(t == 0 && n == 1 && pv == 0)) {
            grid.push_back({GridName(t, false, i, n, pv), t, false, r, n, pv});
          }
        }
        // A loan of 1000 paid off; at the start of a single period it is repaid at once.
        if (!(t == 1 && n == 1))
          grid.push_back({GridName(t, true, i, n, 1000), t, true, r, n, 1000});
        // A target of 5000 saved from nothing; an endless term needs no payment for it.
        if (!endless && !(t == 0 && n == 1)) {
          grid.push_back({GridName(t, true, i, n, 0), t, true, r, n, 0});
        }
      }
    }
  }
  return grid;
}

class RateGridTest : public testing::TestWithParam<RateGridCase> {};

TEST_P(RateGridTest, FindsTheRateBack) {
  const RateGridCase& c = GetParam();
  const PairFns& fns = kPairs[c.t];
  const long double ln = c.n;
  long double payment = -100;
  long double fv = 0;
  if (c.loan) {
    fv = c.pv == 0 ? 5000 : 0;
    EXPECT_NO_THROW(payment = Call(fns.pay, {c.r, ln, c.pv, fv})) << c.name;
  } else {
    EXPECT_NO_THROW(fv = Call(fns.fut, {c.r, ln, payment, c.pv})) << c.name;
  }
  long double rate = std::nanl("");
  EXPECT_NO_THROW(rate = Call(fns.irate, {ln, payment, c.pv, fv}))
      << c.name << ": payment " << static_cast<double>(payment) << ", fv "
      << static_cast<double>(fv);
  if (c.r == 0) {
    EXPECT_EQ(rate, 0.0L) << c.name << ": " << static_cast<double>(rate);
  } else {
    EXPECT_TRUE(Near(rate, c.r, 1e-13L)) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Grid, RateGridTest, testing::ValuesIn(RateGrid()),
                         [](const testing::TestParamInfo<RateGridCase>& info) {
                           return info.param.name;
                         });

struct FaultCase {
  const char* name;
  FunctionImpl fn;
  std::vector<long double> params;
  const char* text;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class FinancialFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(FinancialFaultTest, ThrowsWithText) {
  const FaultCase& c = GetParam();
  try {
    const long double result = Call(c.fn, c.params);
    ADD_FAILURE() << c.name << " did not throw but gave " << static_cast<double>(result);
  } catch (const UntrappedFault& fault) {
    EXPECT_STREQ(fault.what(), c.text) << c.name;
  }
}

const FaultCase kFaults[] = {
    {"SlndepZeroLife", FinancialSlndep, {1000, 100, 0}, "SLNDepreciation"},
    {"SlndepLifeTruncatedToZero", FinancialSlndep, {1000, 100, 0.9L}, "SLNDepreciation"},
    {"SlndepNegativeLife", FinancialSlndep, {1000, 100, -3}, "SLNDepreciation"},
    {"EfutRateMinusOne", FinancialEfut, {-1, 2, 100, 0}, "FutureValue"},
    {"SfutRateBelowMinusOne", FinancialSfut, {-2, 2, 100, 0}, "FutureValue"},
    {"EfutGrowthAbove1E16", FinancialEfut, {1, 60, -100, 0}, "FutureValue"},
    {"SfutGrowthAbove1E16", FinancialSfut, {1, 60, -100, 0}, "FutureValue"},
    {"EpayRateMinusOne", FinancialEpay, {-1, 10, 1000, 0}, "Payment"},
    {"SpayRateBelowMinusOne", FinancialSpay, {-1.5L, 10, 1000, 0}, "Payment"},
    {"EpvalRateMinusOne", FinancialEpval, {-1, 10, -100, 0}, "PresentValue"},
    {"SpvalRateBelowMinusOne", FinancialSpval, {-3, 10, -100, 0}, "PresentValue"},
    {"EperRateMinusOne", FinancialEper, {-1, -100, 1000, 0}, "NumberOfPeriods"},
    {"EperPaymentEqualsInterest", FinancialEper, {0.1L, -100, 1000, 0}, "NumberOfPeriods"},
    {"EperNoPaymentAtZeroRate", FinancialEper, {0, 0, 1000, 0}, "NumberOfPeriods"},
    {"EperPaymentBelowInterest", FinancialEper, {0.1L, -50, 1000, 0}, "NumberOfPeriods"},
    {"SperPaymentBelowInterest", FinancialSper, {0.1L, -50, 1000, 0}, "NumberOfPeriods"},
    {"SperRateBelowMinusOne", FinancialSper, {-1.1L, -100, 1000, 0}, "NumberOfPeriods"},
    {"EipayPeriodBeyondTerm", FinancialEipay, {0.1L, 3, 2, 1000, 0}, "InterestPayment"},
    {"EipayPeriodZero", FinancialEipay, {0.1L, 0, 2, 1000, 0}, "InterestPayment"},
    {"SipayRateMinusOne", FinancialSipay, {-1, 1, 2, 1000, 0}, "InterestPayment"},
    {"EppayPeriodZero", FinancialEppay, {0.1L, 0, 2, 1000, 0}, "PeriodPayment"},
    {"SppayPeriodBeyondTerm", FinancialSppay, {0.1L, 5, 4, 1000, 0}, "PeriodPayment"},
    {"SppayRateMinusOne", FinancialSppay, {-1, 1, 2, 1000, 0}, "PeriodPayment"},
    {"EirateZeroPeriods", FinancialEirate, {0, -100, 800, 0}, "InterestRate"},
    {"SirateNegativePeriods", FinancialSirate, {-5, -100, 800, 0}, "InterestRate"},
    {"EirateNothingAtStart", FinancialEirate, {2, -100, 0, 0}, "InterestRate"},
    {"EirateNoSignChange", FinancialEirate, {10, -100, 1000, 500}, "InterestRate"},
    // Two sign changes: borrowed, paid back, then received again.
    {"EirateTwoSignChanges", FinancialEirate, {10, -100, 500, 200}, "InterestRate"},
    {"SirateTwoSignChanges", FinancialSirate, {10, -100, 1000, 500}, "InterestRate"},
    // Nothing at the start and a single flow at the end: any rate fits.
    {"EirateSingleFlowFromNothing", FinancialEirate, {1, -100, 0, 100}, "InterestRate"},
    {"EirateOnlyDepositsFromNothing", FinancialEirate, {5, -100, 0, -50}, "InterestRate"},
    {"EirateNothingAtAll", FinancialEirate, {5, 0, 0, 0}, "InterestRate"},
    {"SirateNoSignChange", FinancialSirate, {10, 100, 1000, 500}, "InterestRate"},
    // Floating-point faults inside the formulas.
    {"EpayNoPeriodsDividesByZero",
     FinancialEpay,
     {0.05L, 0, 1000, 0},
     "Floating point division by zero"},
    {"EpayNoPeriodsAtZeroRate", FinancialEpay, {0, 0, 1000, 0}, "Floating point division by zero"},
    {"EfutGrowthOverflows", FinancialEfut, {0.5L, 100000, -100, 0}, "Floating point overflow"},
};

INSTANTIATE_TEST_SUITE_P(Faults, FinancialFaultTest, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(FinancialFunctionsTest, TableRowsCallTheseFunctions) {
  struct Entry {
    const char* name;
    FunctionImpl fn;
  };
  const Entry entries[] = {
      {"slndep", FinancialSlndep}, {"ddbal", FinancialDdbal}, {"syddep", FinancialSyddep},
      {"efut", FinancialEfut},     {"sfut", FinancialSfut},   {"eirate", FinancialEirate},
      {"sirate", FinancialSirate}, {"epay", FinancialEpay},   {"spay", FinancialSpay},
      {"eper", FinancialEper},     {"sper", FinancialSper},   {"epval", FinancialEpval},
      {"spval", FinancialSpval},   {"eipay", FinancialEipay}, {"sipay", FinancialSipay},
      {"eppay", FinancialEppay},   {"sppay", FinancialSppay},
  };
  for (const Entry& e : entries) {
    const FunctionRow* row = FindFunction(e.name);
    ASSERT_NE(row, nullptr) << e.name;
    EXPECT_EQ(row->impl, e.fn) << e.name;
    EXPECT_EQ(row->category, "f") << e.name;
  }
}

}  // namespace
}  // namespace quorvex
