// A preload library that plays another x86-64 processor: glibc computes these long double
// functions with x87 instructions whose last bit differs between processors, so every inexact
// result is moved one unit in the last place. QUORVEX_ULP_SHIFT=away (the default) moves it
// away from zero, QUORVEX_ULP_SHIFT=toward towards zero. Exact results (expl(0), powl(2, 10),
// logl(1)) stay, as they do on every processor.
//
//   LD_PRELOAD=build/tests/support/libquorvex_ulp_shim.so QUORVEX_ULP_SHIFT=toward <program>
#include <dlfcn.h>

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

enum class Shift { kAway, kToward };

Shift ReadShift() {
  const char* text = std::getenv("QUORVEX_ULP_SHIFT");
  if (text == nullptr || *text == '\0' || std::strcmp(text, "away") == 0) return Shift::kAway;
  if (std::strcmp(text, "toward") == 0) return Shift::kToward;
  // A misspelt direction would quietly test the wrong thing.
  std::fprintf(stderr, "QUORVEX_ULP_SHIFT must be away or toward, not '%s'\n", text);
  std::abort();
}

const Shift kShift = ReadShift();

void* Next(const char* name) {
  void* real = dlsym(RTLD_NEXT, name);
  if (real == nullptr) {
    std::fprintf(stderr, "ulp shim: no %s after the preload\n", name);
    std::abort();
  }
  return real;
}

// A result whose significand fits in 32 bits is taken as exact: glibc's powl raises the
// inexact flag for powl(2, 10) too, and a rounded result ends in 32 zero bits once in 2^32.
bool ShortSignificand(long double result) {
  int exponent = 0;
  const long double scaled = std::ldexp(std::frexp(result, &exponent), 32);
  return scaled == std::trunc(scaled);
}

// Moves an inexact finite result by one unit; the floating-point flags stay as the real
// function left them, and a move never creates an infinity or a zero.
long double Move(long double result, bool inexact) {
  if (!inexact || !std::isfinite(result) || result == 0.0L) return result;
  std::fexcept_t flags;
  std::fegetexceptflag(&flags, FE_ALL_EXCEPT);
  if (ShortSignificand(result)) {
    std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
    return result;
  }
  const long double target =
      kShift == Shift::kAway ? std::copysign(HUGE_VALL, result) : std::copysign(0.0L, result);
  const long double moved = std::nextafter(result, target);
  std::fesetexceptflag(&flags, FE_ALL_EXCEPT);
  return std::isfinite(moved) && moved != 0.0L ? moved : result;
}

// Calls the real function with the inexact flag cleared so that its own rounding shows, then
// puts back the flag the caller had.
template <typename Fn, typename... Args>
long double Call(Fn* real, Args... args) {
  const bool caller_inexact = std::fetestexcept(FE_INEXACT) != 0;
  std::feclearexcept(FE_INEXACT);
  const long double result = real(args...);
  const bool inexact = std::fetestexcept(FE_INEXACT) != 0;
  if (caller_inexact) std::feraiseexcept(FE_INEXACT);
  return Move(result, inexact);
}

using Unary = long double(long double);
using Binary = long double(long double, long double);

}  // namespace

#define QUORVEX_SHIM_UNARY(name)                                      \
  extern "C" long double name(long double x) noexcept {               \
    static Unary* const real = reinterpret_cast<Unary*>(Next(#name)); \
    return Call(real, x);                                             \
  }
#define QUORVEX_SHIM_BINARY(name)                                       \
  extern "C" long double name(long double x, long double y) noexcept {  \
    static Binary* const real = reinterpret_cast<Binary*>(Next(#name)); \
    return Call(real, x, y);                                            \
  }

// The x87 functions and those glibc builds on them.
QUORVEX_SHIM_UNARY(atanl)
QUORVEX_SHIM_BINARY(atan2l)
QUORVEX_SHIM_UNARY(acosl)
QUORVEX_SHIM_UNARY(asinl)
QUORVEX_SHIM_UNARY(logl)
QUORVEX_SHIM_UNARY(log10l)
QUORVEX_SHIM_UNARY(log2l)
QUORVEX_SHIM_UNARY(log1pl)
QUORVEX_SHIM_UNARY(expl)
QUORVEX_SHIM_UNARY(exp2l)
QUORVEX_SHIM_UNARY(exp10l)
QUORVEX_SHIM_UNARY(expm1l)
QUORVEX_SHIM_BINARY(powl)
QUORVEX_SHIM_UNARY(sinhl)
QUORVEX_SHIM_UNARY(coshl)
QUORVEX_SHIM_UNARY(tanhl)
QUORVEX_SHIM_UNARY(asinhl)
QUORVEX_SHIM_UNARY(acoshl)
QUORVEX_SHIM_UNARY(atanhl)
