#pragma once

#include "library/function_table.h"

namespace quorvex {

// The one-parameter functions, one per table row; each reads args.n[0]. Faults of their own
// arithmetic throw FloatFault; a standard maths routine out of its domain yields NaN or inf.
long double SingleFactorial(const FunctionArgs& args);
long double SingleAbs(const FunctionArgs& args);
long double SingleAcirc(const FunctionArgs& args);
long double SingleAcos(const FunctionArgs& args);
long double SingleAcosh(const FunctionArgs& args);
long double SingleAcot(const FunctionArgs& args);
long double SingleAcoth(const FunctionArgs& args);
long double SingleAcsc(const FunctionArgs& args);
long double SingleAcsch(const FunctionArgs& args);
long double SingleAsec(const FunctionArgs& args);
long double SingleAsech(const FunctionArgs& args);
long double SingleAsin(const FunctionArgs& args);
long double SingleAsinh(const FunctionArgs& args);
long double SingleAsphr(const FunctionArgs& args);
long double SingleAsqr(const FunctionArgs& args);
long double SingleAtan(const FunctionArgs& args);
long double SingleAtanh(const FunctionArgs& args);
long double SingleCcirc(const FunctionArgs& args);
long double SingleCeil(const FunctionArgs& args);
long double SingleCelFah(const FunctionArgs& args);
long double SingleCelKel(const FunctionArgs& args);
long double SingleCelRan(const FunctionArgs& args);
long double SingleCelRea(const FunctionArgs& args);
long double SingleCos(const FunctionArgs& args);
long double SingleCosh(const FunctionArgs& args);
long double SingleCot(const FunctionArgs& args);
long double SingleCoth(const FunctionArgs& args);
long double SingleCsc(const FunctionArgs& args);
long double SingleCsch(const FunctionArgs& args);
long double SingleCycDeg(const FunctionArgs& args);
long double SingleCycGra(const FunctionArgs& args);
long double SingleCycRad(const FunctionArgs& args);
long double SingleDcount(const FunctionArgs& args);
long double SingleDegCyc(const FunctionArgs& args);
long double SingleDegGra(const FunctionArgs& args);
long double SingleDegRad(const FunctionArgs& args);
long double SingleEven(const FunctionArgs& args);
long double SingleExp(const FunctionArgs& args);
long double SingleFahCel(const FunctionArgs& args);
long double SingleFahKel(const FunctionArgs& args);
long double SingleFahRan(const FunctionArgs& args);
long double SingleFahRea(const FunctionArgs& args);
long double SingleFeetMet(const FunctionArgs& args);
long double SingleFibo(const FunctionArgs& args);
long double SingleFloor(const FunctionArgs& args);
long double SingleFrac(const FunctionArgs& args);
long double SingleGraCyc(const FunctionArgs& args);
long double SingleGraDeg(const FunctionArgs& args);
long double SingleGraRad(const FunctionArgs& args);
long double SingleInt(const FunctionArgs& args);
long double SingleKelCel(const FunctionArgs& args);
long double SingleKelFah(const FunctionArgs& args);
long double SingleKelRan(const FunctionArgs& args);
long double SingleKelRea(const FunctionArgs& args);
long double SingleLn(const FunctionArgs& args);
long double SingleLuca(const FunctionArgs& args);
long double SingleMetFeet(const FunctionArgs& args);
long double SingleNot(const FunctionArgs& args);
long double SingleOdd(const FunctionArgs& args);
long double SinglePrime(const FunctionArgs& args);
long double SinglePrimepi(const FunctionArgs& args);
long double SingleRadCyc(const FunctionArgs& args);
long double SingleRadDeg(const FunctionArgs& args);
long double SingleRadGra(const FunctionArgs& args);
long double SingleRanCel(const FunctionArgs& args);
long double SingleRanFah(const FunctionArgs& args);
long double SingleRanKel(const FunctionArgs& args);
long double SingleRanRea(const FunctionArgs& args);
long double SingleRand(const FunctionArgs& args);
long double SingleReaCel(const FunctionArgs& args);
long double SingleReaFah(const FunctionArgs& args);
long double SingleReaKel(const FunctionArgs& args);
long double SingleReaRan(const FunctionArgs& args);
long double SingleRec(const FunctionArgs& args);
long double SingleSec(const FunctionArgs& args);
long double SingleSech(const FunctionArgs& args);
long double SingleSign(const FunctionArgs& args);
long double SingleSin(const FunctionArgs& args);
long double SingleSinh(const FunctionArgs& args);
long double SingleSqrt(const FunctionArgs& args);
long double SingleTan(const FunctionArgs& args);
long double SingleTanh(const FunctionArgs& args);
long double SingleVcube(const FunctionArgs& args);
long double SingleVsphr(const FunctionArgs& args);

}  // namespace quorvex
