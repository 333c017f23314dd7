// The preload takes effect: every shimmed function answers one unit away from libm's own
// result in the chosen direction, and exact results stay. Without the preload (or when ctest
// itself runs under it) the test learns the expected move from the environment.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Unary = long double(long double);
using Binary = long double(long double, long double);

// 0 without the preload, +1 away from zero, -1 toward zero.
int ExpectedShift() {
  const char* preload = std::getenv("LD_PRELOAD");
  if (preload == nullptr || std::strstr(preload, "quorvex_ulp_shim") == nullptr) return 0;
  const char* shift = std::getenv("QUORVEX_ULP_SHIFT");
  return shift != nullptr && std::strcmp(shift, "toward") == 0 ? -1 : 1;
}

long double Moved(long double value, int shift) {
  if (shift == 0) return value;
  return std::nextafter(value, shift > 0 ? std::copysign(HUGE_VALL, value) : 0.0L);
}

// libm's own function, whatever is preloaded; the global name is the one the program uses.
template <typename Fn>
Fn* Real(const char* name) {
  void* libm = dlopen("libm.so.6", RTLD_NOW | RTLD_NOLOAD);
  if (libm == nullptr) libm = dlopen("libm.so.6", RTLD_NOW);
  return reinterpret_cast<Fn*>(dlsym(libm, name));
}
template <typename Fn>
Fn* Global(const char* name) {
  return reinterpret_cast<Fn*>(dlsym(RTLD_DEFAULT, name));
}

struct UnaryCase {
  const char* name;
  long double inexact_at;  // an argument whose result is rounded
};

class UlpShimUnary : public ::testing::TestWithParam<UnaryCase> {};

TEST_P(UlpShimUnary, MovesTheRoundedResultOneUnit) {
  const UnaryCase& c = GetParam();
  Unary* real = Real<Unary>(c.name);
  Unary* global = Global<Unary>(c.name);
  ASSERT_NE(real, nullptr);
  ASSERT_NE(global, nullptr);
  EXPECT_EQ(global(c.inexact_at), Moved(real(c.inexact_at), ExpectedShift()));
  EXPECT_EQ(global(c.inexact_at * 1.5L), Moved(real(c.inexact_at * 1.5L), ExpectedShift()));
}

const UnaryCase kUnaryCases[] = {
    {"atanl", 0.7L},  {"acosl", 0.3L},  {"asinl", 0.3L},  {"logl", 3.0L},
    {"log10l", 7.0L}, {"log2l", 3.0L},  {"log1pl", 0.2L}, {"expl", 0.5L},
    {"exp2l", 0.5L},  {"exp10l", 0.5L}, {"expm1l", 0.2L}, {"sinhl", 0.5L},
    {"coshl", 0.5L},  {"tanhl", 0.5L},  {"asinhl", 0.5L}, {"atanhl", 0.5L},
};
INSTANTIATE_TEST_SUITE_P(Functions, UlpShimUnary, ::testing::ValuesIn(kUnaryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UlpShim, MovesBinaryFunctionsAndAcosh) {
  const int shift = ExpectedShift();
  EXPECT_EQ(Global<Binary>("powl")(2.0L, 0.5L), Moved(Real<Binary>("powl")(2.0L, 0.5L), shift));
  EXPECT_EQ(Global<Binary>("atan2l")(1.0L, 3.0L), Moved(Real<Binary>("atan2l")(1.0L, 3.0L), shift));
  EXPECT_EQ(Global<Unary>("acoshl")(3.0L), Moved(Real<Unary>("acoshl")(3.0L), shift));
}

// Results every processor gets exactly must stay exact, or the preload would fail sound tests.
TEST(UlpShim, LeavesExactResults) {
  EXPECT_EQ(Global<Unary>("expl")(0.0L), 1.0L);
  EXPECT_EQ(Global<Unary>("logl")(1.0L), 0.0L);
  EXPECT_EQ(Global<Binary>("powl")(2.0L, 10.0L), 1024.0L);
  EXPECT_EQ(Global<Binary>("powl")(9.0L, 0.5L), 3.0L);
  EXPECT_EQ(Global<Binary>("powl")(4.0L, -1.5L), 0.125L);
  EXPECT_EQ(Global<Unary>("atanl")(0.0L), 0.0L);
  EXPECT_TRUE(std::isinf(Global<Unary>("expl")(20000.0L)));
}

// The program's own calls go through the preload too, not only lookups by name.
TEST(UlpShim, ReachesCallsThroughStdFunctions) {
  volatile long double argument = 0.7L;
  EXPECT_EQ(std::atan(static_cast<long double>(argument)),
            Moved(Real<Unary>("atanl")(argument), ExpectedShift()));
}

}  // namespace
