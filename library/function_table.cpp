#include "library/function_table.h"

#include <array>
#include <string>

#include "library/array_functions.h"
#include "library/financial_functions.h"
#include "library/multi_functions.h"
#include "library/single_functions.h"

namespace quorvex {
namespace {

// Grouped by parameter count (1, 2, 3, 4, 5, 0); lookup walks it in this order.
constexpr std::array<FunctionRow, 155> kFunctions = {{
    {"!", 1, "p", "Returns the factorial of n1", SingleFactorial},
    {"abs", 1, "m", "Returns the absolute value of n1, n1 without its sign", SingleAbs},
    {"acirc", 1, "g", "Returns the area of a circle, where n1 is the radius", SingleAcirc},
    {"acos", 1, "t",
     "Returns the arc cosine of n1, where n1 is the angle specified in radians. xE[-1,1]",
     SingleAcos},
    {"acosh", 1, "t",
     "Returns the arc hyperbolic cosine of n1, where n1 is the angle specified in radians",
     SingleAcosh},
    {"acot", 1, "t", "Returns the arc cotangent of n1, where n1 is the angle specified in radians",
     SingleAcot},
    {"acoth", 1, "t",
     "Returns the arc hyperbolic cotangent of n1, where n1 is the angle specified in radians",
     SingleAcoth},
    {"acsc", 1, "t", "Returns the arc cosecant of n1, where n1 is the angle specified in radians",
     SingleAcsc},
    {"acsch", 1, "t",
     "Returns the arc hyperbolic cosecant of n1, where n1 is the angle specified in radians",
     SingleAcsch},
    {"asec", 1, "t", "Returns the arc secant of n1, where n1 is the angle specified in radians",
     SingleAsec},
    {"asech", 1, "t",
     "Returns the arc hyperbolic secant of n1, where n1 is the angle specified in radians",
     SingleAsech},
    {"asin", 1, "t",
     "Returns the arc sine of n1, where n1 is the angle specified in radians. xE[-1,1]",
     SingleAsin},
    {"asinh", 1, "t",
     "Returns the arc hyperbolic sine of n1, where n1 is the angle specified in radians",
     SingleAsinh},
    {"asphr", 1, "g", "Returns the area of a sphere, where n1 is the radius", SingleAsphr},
    {"asqr", 1, "g", "Returns the area of a square, where n1 is the length and height", SingleAsqr},
    {"atan", 1, "t", "Returns the arc tangent of n1, where n1 is the angle specified in radians",
     SingleAtan},
    {"atanh", 1, "t",
     "Returns the arc hyperbolic tangent of n1, where n1 is the angle specified in radians",
     SingleAtanh},
    {"ccirc", 1, "g", "Returns the circumfence of a circle, where n1 is the radius", SingleCcirc},
    {"ceil", 1, "m", "Rounds n1 up toward positive infinity", SingleCeil},
    {"cel>fah", 1, "cu", "Converts n1 measurement in Celsius into Fahrenheit", SingleCelFah},
    {"cel>kel", 1, "cu", "Converts n1 measurement in Celsius into Kelvin", SingleCelKel},
    {"cel>ran", 1, "cu", "Converts n1 measurement in Celsius into Rankine", SingleCelRan},
    {"cel>rea", 1, "cu",
     "Converts n1 measurement in Celsius into R\xE9"
     "aumur",
     SingleCelRea},
    {"cos", 1, "t", "Returns the cosine of n1, where n1 is the angle specified in radians",
     SingleCos},
    {"cosh", 1, "t",
     "Returns the hyperbolic cosine of n1, where n1 is the angle specified in radians", SingleCosh},
    {"cot", 1, "t", "Returns the cotangent of n1, where n1 is the angle specified in radians",
     SingleCot},
    {"coth", 1, "t",
     "Returns the hyperbolic cotangent of n1, where n1 is the angle specified in radians",
     SingleCoth},
    {"csc", 1, "t", "Returns the cosecant of n1, where n1 is the angle specified in radians",
     SingleCsc},
    {"csch", 1, "t",
     "Returns the hyperbolic cosecant of n1, where n1 is the angle specified in radians",
     SingleCsch},
    {"cyc>deg", 1, "c", "Converts angle n1 measurement in cycles into degrees", SingleCycDeg},
    {"cyc>gra", 1, "c", "Converts angle n1 measurement in cycles into grads", SingleCycGra},
    {"cyc>rad", 1, "c", "Converts angle n1 measurement in cycles into radians", SingleCycRad},
    {"dcount", 1, "mi", "Returns the number of digits in the binary representation of n1",
     SingleDcount},
    {"deg>cyc", 1, "c", "Converts angle n1 measurement in degrees into cycles", SingleDegCyc},
    {"deg>gra", 1, "c", "Converts angle n1 measurement in degrees into grads", SingleDegGra},
    {"deg>rad", 1, "c", "Converts angle n1 measurement in degrees into radians", SingleDegRad},
    {"even", 1, "mi", "Returns 1 if the remainder of n1/n2=0, else it returns 0", SingleEven},
    {"exp", 1, "m", "Returns e raised to the xth power", SingleExp},
    {"fah>cel", 1, "cu", "Converts n1 measurement in Fahrenheit into Celsius", SingleFahCel},
    {"fah>kel", 1, "cu", "Converts n1 measurement in Fahrenheit into Kelvin", SingleFahKel},
    {"fah>ran", 1, "cu", "Converts n1 measurement in Fahrenheit into Rankine", SingleFahRan},
    {"fah>rea", 1, "cu",
     "Converts n1 measurement in Fahrenheit into R\xE9"
     "aumur",
     SingleFahRea},
    {"feet>met", 1, "cu", "Converts n1 measurement in Feet into Meters", SingleFeetMet},
    {"fibo", 1, "mi", "Returns the Fibonacci number of n1", SingleFibo},
    {"floor", 1, "m", "Rounds n1 toward negative infinity", SingleFloor},
    {"frac", 1, "m", "Returns the fractional part of n1", SingleFrac},
    {"gra>cyc", 1, "c", "Converts angle n1 measurement in grads into cycles", SingleGraCyc},
    {"gra>deg", 1, "c", "Converts angle n1 measurement in grads into degrees", SingleGraDeg},
    {"gra>rad", 1, "c", "Converts angle n1 measurement in grads into radians", SingleGraRad},
    {"int", 1, "m", "Returns the integer portion of n1", SingleInt},
    {"kel>cel", 1, "cu", "Converts n1 measurement in Kelvin into Celsius", SingleKelCel},
    {"kel>fah", 1, "cu", "Converts n1 measurement in Kelvin into Fahrenheit", SingleKelFah},
    {"kel>ran", 1, "cu", "Converts n1 measurement in Kelvin into Rankine", SingleKelRan},
    {"kel>rea", 1, "cu",
     "Converts n1 measurement in Kelvin into R\xE9"
     "aumur",
     SingleKelRea},
    {"ln", 1, "m", "Returns the natural logarithm of n1", SingleLn},
    {"luca", 1, "mi", "Returns the Lucas number of n1", SingleLuca},
    {"met>feet", 1, "cu", "Converts n1 measurement in Meters into Feet", SingleMetFeet},
    {"not", 1, "b", "Returns bitwise complement. Inverts (~) each bit of n1", SingleNot},
    {"odd", 1, "mi", "Returns 1 if the remainder of n1/n2!=0, else it returns 0", SingleOdd},
    {"prime", 1, "mi",
     "Returns 1 if n1 is a prime number, else it returns 0. Function use Brute Force algorithm",
     SinglePrime},
    {"primepi", 1, "mi", "Returns the number of primes less than or equal to n1", SinglePrimepi},
    {"rad>cyc", 1, "c", "Converts angle n1 measurement in radians into cycles", SingleRadCyc},
    {"rad>deg", 1, "c", "Converts angle n1 measurement in radians into degrees", SingleRadDeg},
    {"rad>gra", 1, "c", "Converts angle n1 measurement in radians into grads", SingleRadGra},
    {"ran>cel", 1, "cu", "Converts n1 measurement in Rankine into Celsius", SingleRanCel},
    {"ran>fah", 1, "cu", "Converts n1 measurement in Rankine into Fahrenheit", SingleRanFah},
    {"ran>kel", 1, "cu", "Converts n1 measurement in Rankine into Kelvin", SingleRanKel},
    {"ran>rea", 1, "cu",
     "Converts n1 measurement in Rankine into R\xE9"
     "aumur",
     SingleRanRea},
    {"rand", 1, "p", "Returns a random number between 0 and n1", SingleRand},
    {"rea>cel", 1, "cu",
     "Converts n1 measurement in R\xE9"
     "aumur into Celsius",
     SingleReaCel},
    {"rea>fah", 1, "cu",
     "Converts n1 measurement in R\xE9"
     "aumur into Fahrenheit",
     SingleReaFah},
    {"rea>kel", 1, "cu",
     "Converts n1 measurement in R\xE9"
     "aumur into Kelvin",
     SingleReaKel},
    {"rea>ran", 1, "cu",
     "Converts n1 measurement in R\xE9"
     "aumur into Rankine",
     SingleReaRan},
    {"rec", 1, "m", "Returns the reciprocal of n1", SingleRec},
    {"sec", 1, "t", "Returns the secant of n1, where n1 is the angle specified in radians",
     SingleSec},
    {"sech", 1, "t",
     "Returns the hyperbolic secant of n1, where n1 is the angle specified in radians", SingleSech},
    {"sign", 1, "m", "Returns 0 if n1=0, 1 if n1>0 or -1 if n1<0", SingleSign},
    {"sin", 1, "t", "Returns the sine of n1, where n1 is the angle specified in radians",
     SingleSin},
    {"sinh", 1, "t",
     "Returns the hyperbolic sine of n1, where n1 is the angle specified in radians", SingleSinh},
    {"sqrt", 1, "m", "Returns the square root of n1", SingleSqrt},
    {"tan", 1, "t", "Returns the tangent of n1, where n1 is the angle specified in radians",
     SingleTan},
    {"tanh", 1, "t",
     "Returns the hyperbolic tangent of n1, where n1 is the angle specified in radians",
     SingleTanh},
    {"vcube", 1, "g", "Returns the volume of a cube, where n1 is the length, width and height",
     SingleVcube},
    {"vsphr", 1, "g", "Returns the volume of a sphere, where n1 is the radius", SingleVsphr},
    {"=", 2, "r", "Returns 1 (true) if n1 equal n2, else it returns 0 (false)", MultiEqual},
    {"<>", 2, "r", "Returns 1 (true) if n1 is different from n2, else it returns 0 (false)",
     MultiNotEqual},
    {">", 2, "r", "Returns 1 (true) if n1 is greater than n2, else it returns 0 (false)",
     MultiGreater},
    {"<", 2, "r", "Returns 1 (true) if n1 is less than n2, else it returns 0 (false)", MultiLess},
    {">=", 2, "r", "Returns 1 (true) if n1 is greater or equal to n2, else it returns 0 (false)",
     MultiGreaterEqual},
    {"<=", 2, "r", "Returns 1 (true) if n1 is less or equal to n2, else it returns 0 (false)",
     MultiLessEqual},
    {"acone", 2, "g", "Returns the area of a cone, where n1 is the radius and n2 is the height",
     MultiAcone},
    {"aelip", 2, "g",
     "Returns the area of a ellipse, where n1 is the long axis and n2 is the short axis",
     MultiAelip},
    {"and", 2, "b",
     "Returns bitwise AND. Compares two bits (n1&&n2) and generates a 1 result if both bits are 1, "
     "otherwise it returns 0",
     MultiAnd},
    {"apoly", 2, "g",
     "Returns the area of a regular polygon, where n1 is the number of sides and n2 is the circle "
     "radius",
     MultiApoly},
    {"arect", 2, "g",
     "Returns the area of a rectangle, where n1 is the length and n2 is the height", MultiArect},
    {"atanxy", 2, "t",
     "Returns the arc tangent of n1/n2, where n1/n2 is the angle specified in radians",
     MultiAtanxy},
    {"atria", 2, "g", "Returns the area of a triangle, where n1 is the length and n2 is the height",
     MultiAtria},
    {"celip", 2, "g",
     "Returns the circumference/perimeter of a ellipse, where n1 is the long axis and n2 is the "
     "short axis",
     MultiCelip},
    {"div", 2, "mi",
     "Returns n1/n2 where the fractional part (remainder) is discarded. Also called integer "
     "division",
     MultiDiv},
    {"gcd", 2, "mi", "Returns the greatest common divisor for n1 and n2", MultiGcd},
    {"lcm", 2, "mi", "Returns the least common multiple for n1 and n2", MultiLcm},
    {"log", 2, "m", "Returns the logarithm of n1 to the base n2", MultiLog},
    {"lsh", 2, "b",
     "Returns bitwise shift left (<<). Moves the bits (n1) to the left (n2), it discards the far "
     "left bit and assigns 0 to the right most bit",
     MultiLsh},
    {"hypot", 2, "m",
     "Returns the length of the hypotenuse of a right-angled triangle. Specify the lengths of "
     "sides adjacent n1 and n2",
     MultiHypot},
    {"mod", 2, "m", "Returns the modulus, or remainder, of n1/n2", MultiMod},
    {"nand", 2, "b",
     "Returns bitwise inverse AND. Compares two bits ~(n1&&n2) and generates a 0 result if both "
     "bits are 1, otherwise it returns 1",
     MultiNand},
    {"ncr", 2, "p",
     "Returns the combinations, where n1 is the possibilities and n2 is the unordered outcomes",
     MultiNcr},
    {"nor", 2, "b",
     "Returns bitwise inverse inclusive OR. Compares two bits ~(n1|n2) and generates a 1 result if "
     "both bits are 0, otherwise it returns 0",
     MultiNor},
    {"npr", 2, "p",
     "Returns the ways of obtaining an ordered subset of n2 elements from a set of n1 elements",
     MultiNpr},
    {"or", 2, "b",
     "Returns bitwise inclusive OR. Compares two bits (n1|n2) and generates a 1 result if either "
     "or both bits are 1, otherwise it returns 0",
     MultiOr},
    {"randg", 2, "p",
     "Returns a random number with gaussian distribution about the mean, where n1 is the mean and "
     "n2 is the sample standard deviation",
     MultiRandg},
    {"randr", 2, "p", "Returns a random number between n1 and n2", MultiRandr},
    {"round", 2, "m",
     "Rounds n1 to a specified digit (n2) or power of ten using 'Banker\x92"
     "s rounding'",
     MultiRound},
    {"rsh", 2, "b",
     "Returns bitwise shift right (>>). Moves the bits (n1) to the right (n2), discards the far "
     "right bit and if unsigned assigns 0 to the left most bit, otherwise sign extends",
     MultiRsh},
    {"vcone", 2, "g", "Returns the volume of a cone, where n1 is the radius and n2 is the height",
     MultiVcone},
    {"vcyl", 2, "g",
     "Returns the volume of a cylinder, where n1 is the radius and n2 is the height", MultiVcyl},
    {"xnor", 2, "b",
     "Returns bitwise inverse exclusive OR. Compares two bits ~(n1^n2) and generates a 1 result if "
     "both bits are 0 or 1, otherwise it returns 0",
     MultiXnor},
    {"xor", 2, "b",
     "Returns bitwise exclusive OR. Compares two bits (n1^n2) and generates a 1 result if the bits "
     "are complementary, otherwise it returns 0",
     MultiXor},
    {"yrtx", 2, "m",
     "Returns any root n2 of n1. n2=2 equals square root of n1, n2=3 equals cube root of n1",
     MultiYrtx},
    {"aseq", 3, "m",
     "Returns the sum of an arithmetic sequence, where n1 is the first term, n2 is the last term "
     "and n3 is the number of terms",
     MultiAseq},
    {"atrap", 3, "g",
     "Returns the area of a trapezoid, where n1 and n2 are base edges, and n3 is the height",
     MultiAtrap},
    {"gseq", 3, "m",
     "Returns the sum of an geometric sequence, where n1 is the first term, n2 is the common ratio "
     "and n3 is the number of terms",
     MultiGseq},
    {"slndep", 3, "f",
     "Returns the straight-line depreciation allowance of an asset. The function divides the cost "
     "n1 minus the salvage n2 by the number of years of useful life n3 of the asset",
     FinancialSlndep},
    {"velip", 3, "g",
     "Returns the volume of a ellipsoid, where n1 is the width axis, n2 is the length axis and n3 "
     "is the height axis",
     MultiVelip},
    {"vpyra", 3, "g",
     "Returns the volume of a pyramid, where n1 is the base length, n2 is the base width and n3 is "
     "the height",
     MultiVpyra},
    {"vrect", 3, "g",
     "Returns the volume of a rectangle, where n1 is the length, n2 is the width and n3 is the "
     "height",
     MultiVrect},
    {"ddbal", 4, "f",
     "Returns the depreciation of an asset using the double-declining balance method. Given the "
     "initial cost n1, salvage n2, life expectancy n3, and depreciation period n4",
     FinancialDdbal},
    {"efut", 4, "f",
     "Returns the future value of an investment of present value n4, where payment n3 is invested "
     "for n2 periods at the rate n1 per period. (Payments are at the end of each period)",
     FinancialEfut},
    {"eirate", 4, "f",
     "Returns the interest rate required in order for an investment of present value n3, with "
     "periodic payments of payment n2, to be worth future value n4 within n1 periods compounding "
     "periods. (Cash flows occur at the end of the period)",
     FinancialEirate},
    {"epay", 4, "f",
     "Returns the fully amortized payment of borrowing present value n3 at rate percent n1 per "
     "period over n2 periods. It assumes that interest is paid at the end of each period. Future "
     "value n4 is the value that the investment will reach at some point. (Cash flows occur at the "
     "end of the period)",
     FinancialEpay},
    {"eper", 4, "f",
     "Returns the number of payment periods required for an investment of present value n3 to "
     "reach a value of future value n4, while making regular payments n2 and accruing interest at "
     "the rate n1 per compounding period. (Cash flows occur at the end of the period)",
     FinancialEper},
    {"epval", 4, "f",
     "Returns the present value of an investment where payment n3 is received for n2 periods and "
     "is discounted at the rate n1 per period. Future value n4 is the value the investment may "
     "reach at some point. (Cash flows occur at the end of the period)",
     FinancialEpval},
    {"sfut", 4, "f",
     "Returns the future value of an investment of present value n4, where payment n3 is invested "
     "for n2 periods at the rate n1 per period. (Payments are at at the beginning of each period)",
     FinancialSfut},
    {"sirate", 4, "f",
     "Returns the interest rate required in order for an investment of present value n3, with "
     "periodic payments of payment n2, to be worth future value n4 within n1 periods compounding "
     "periods. (Cash flows occur at the beginning of the period)",
     FinancialSirate},
    {"spay", 4, "f",
     "Returns the fully amortized payment of borrowing present value n3 at rate percent n1 per "
     "period over n2 periods. It assumes that interest is paid at the end of each period. Future "
     "value n4 is the value that the investment will reach at some point. (Cash flows occur at the "
     "beginning of the period)",
     FinancialSpay},
    {"sper", 4, "f",
     "Returns the number of payment periods required for an investment of present value n3 to "
     "reach a value of future value n4, while making regular payments n2 and accruing interest at "
     "the rate n1 per compounding period. (Cash flows occur at the beginning of the period)",
     FinancialSper},
    {"spval", 4, "f",
     "Returns the present value of an investment where payment n3 is received for n2 periods and "
     "is discounted at the rate n1 per period. Future value n4 is the value the investment may "
     "reach at some point. (Cash flows occur at the beginning of the period)",
     FinancialSpval},
    {"syddep", 4, "f",
     "Returns depreciation for an asset. Cost n1 is the initial cost of the asset. Salvage n2 is "
     "the value of the asset at the end of its life expectancy. Life n3 is the length of the "
     "asset's life expectancy. Period n4 is the period for which to calculate the depreciation",
     FinancialSyddep},
    {"eipay", 5, "f",
     "Returns the portion of a loan payment that reflects the interest. Rate n1 represents the "
     "fixed periodic interest rate. Period n2 identifies the payment period. n3 periods is the "
     "number of periods of the loan. Present value n4 represents the amount borrowed (the "
     "principal). Future value n5 is the future value of the investment. (Cash flows occur at the "
     "end of the period)",
     FinancialEipay},
    {"eppay", 5, "f",
     "Returns the principal amount from a full payment. The rate n1 parameter is the interest "
     "rate. Period n2 is the number of periods into the loan for which the principal is desired, "
     "and n3 periods is the number of periods of the loan. Present value n4, future value n5 is "
     "the value the investment will reach at some point. (Cash flows occur at the end of the "
     "period)",
     FinancialEppay},
    {"sipay", 5, "f",
     "Returns the portion of a loan payment that reflects the interest. Rate n1 represents the "
     "fixed periodic interest rate. Period n2 identifies the payment period. n3 periods is the "
     "number of periods of the loan. Present value n4 represents the amount borrowed (the "
     "principal). Future value n5 is the future value of the investment. (Cash flows occur at the "
     "beginning of the period)",
     FinancialSipay},
    {"sppay", 5, "f",
     "Returns the principal amount from a full payment. The rate n1 parameter is the interest "
     "rate. Period n2 is the number of periods into the loan for which the principal is desired, "
     "and n3 periods is the number of periods of the loan. Present value n4, future value n5 is "
     "the value the investment will reach at some point. (Cash flows occur at the beginning of the "
     "period)",
     FinancialSppay},
    {"ave", 0, "s", "Returns the arithmetic average of all values in an array", ArrayAve},
    {"count", 0, "s", "Returns the number of parameters in use", ArrayCount},
    {"max", 0, "s", "Returns the largest signed value in an array", ArrayMax},
    {"med", 0, "s", "Returns the median of all values in an array", ArrayMed},
    {"min", 0, "s", "Returns the smallest signed value in an array", ArrayMin},
    {"norm", 0, "s", "Returns the Euclidean 'L-2' norm for the values in the array", ArrayNorm},
    {"psdev", 0, "s",
     "Returns the population standard deviation of all values in the array parameter", ArrayPsdev},
    {"pvar", 0, "s", "Returns the population variance of all values in the array parameter",
     ArrayPvar},
    {"sdev", 0, "s", "Returns the sample standard deviation for elements in an array", ArraySdev},
    {"sum", 0, "s", "Returns the sum of the elements in an array", ArraySum},
    {"sumsq", 0, "s", "Returns the sum of the squared values from an array", ArraySumsq},
    {"svar", 0, "s", "Returns the statistical variance from an array of values", ArraySvar},
    {"var", 0, "s", "Returns the statistical sample variance from an array", ArrayVar},
}};

constexpr std::array<CategoryInfo, 11> kCategories = {{
    {"b", "Bitwise Operators"},
    {"c", "Conversion (Trig)"},
    {"cu", "Conversion (Unit)"},
    {"f", "Financial"},
    {"g", "Geometric"},
    {"mi", "Math (Integer)"},
    {"m", "Math (Real)"},
    {"p", "Probability"},
    {"r", "Relational Operators"},
    {"s", "Statistic"},
    {"t", "Trigonometric"},
}};

}  // namespace

std::span<const FunctionRow> FunctionTable() { return kFunctions; }

const FunctionRow* FindFunction(std::string_view name) {
  for (const FunctionRow& row : kFunctions) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

std::span<const CategoryInfo> FunctionCategories() { return kCategories; }

std::string_view FunctionCategoryName(std::string_view code) {
  for (const CategoryInfo& category : kCategories) {
    if (category.code == code) return category.name;
  }
  return {};
}

std::string_view FunctionDescription(std::string_view name) {
  const FunctionRow* row = FindFunction(name);
  return row != nullptr ? row->description : std::string_view();
}

bool DrawsRandomNumbers(const FunctionRow& row) {
  return row.impl == SingleRand || row.impl == MultiRandr || row.impl == MultiRandg;
}

std::string FormulaLine(const FunctionRow& row) {
  std::string line(row.name);
  line += '[';
  if (row.param_count == 0) {
    line += "n1;n2;...";
  } else {
    for (int i = 1; i <= row.param_count; ++i) {
      if (i > 1) line += ';';
      line += 'n' + std::to_string(i);
    }
  }
  line += ']';
  return line;
}

}  // namespace quorvex
