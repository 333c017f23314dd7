#pragma once

#include <cstdint>

#include "library/function_table.h"

namespace quorvex {

// The financial functions of category "f". Money paid out is negative, money received
// positive; period counts are read by TruncToInt32. An invalid argument throws UntrappedFault
// with the function's fault text ("Payment", "InterestRate", ...); arithmetic faults throw
// FloatFault.

// When the cash flows of a period happen: "e" functions at its end, "s" functions at its start.
enum class PaymentTiming { kEndOfPeriod = 0, kStartOfPeriod = 1 };

struct AnnuityFactors {
  long double annuity;  // A: the value at the last period of a unit payment per period
  long double growth;   // B: (1 + r)^n
};

// (1 + r)^m by repeated squaring; a negative m gives 1 / (1 + r)^-m.
long double PeriodGrowth(long double rate, int32_t periods);

// The annuity and growth factors of n periods at rate r with the given timing.
AnnuityFactors AnnuityFactor(long double rate, int32_t periods, PaymentTiming timing);

// slndep[cost; salvage; life]
long double FinancialSlndep(const FunctionArgs& args);
// ddbal[cost; salvage; life; period]
long double FinancialDdbal(const FunctionArgs& args);
// syddep[cost; salvage; life; period]
long double FinancialSyddep(const FunctionArgs& args);
// efut[r; n; payment; present value], future value with payments at period end.
long double FinancialEfut(const FunctionArgs& args);
long double FinancialSfut(const FunctionArgs& args);
// eirate[n; payment; present value; future value], rate per period.
long double FinancialEirate(const FunctionArgs& args);
long double FinancialSirate(const FunctionArgs& args);
// epay[r; n; present value; future value], payment per period.
long double FinancialEpay(const FunctionArgs& args);
long double FinancialSpay(const FunctionArgs& args);
// eper[r; payment; present value; future value], number of periods, not rounded.
long double FinancialEper(const FunctionArgs& args);
long double FinancialSper(const FunctionArgs& args);
// epval[r; n; payment; future value], present value.
long double FinancialEpval(const FunctionArgs& args);
long double FinancialSpval(const FunctionArgs& args);
// eipay[r; period; n; present value; future value], interest part of that period's payment.
long double FinancialEipay(const FunctionArgs& args);
long double FinancialSipay(const FunctionArgs& args);
// eppay[r; period; n; present value; future value], principal part of that period's payment.
long double FinancialEppay(const FunctionArgs& args);
long double FinancialSppay(const FunctionArgs& args);

}  // namespace quorvex
