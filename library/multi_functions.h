#pragma once

#include "library/function_table.h"

namespace quorvex {

// The non-financial two- and three-parameter functions, one per table row. Faults of their
// own arithmetic throw FloatFault; a standard maths routine out of its domain yields NaN or inf.
long double MultiEqual(const FunctionArgs& args);
long double MultiNotEqual(const FunctionArgs& args);
long double MultiGreater(const FunctionArgs& args);
long double MultiLess(const FunctionArgs& args);
long double MultiGreaterEqual(const FunctionArgs& args);
long double MultiLessEqual(const FunctionArgs& args);
long double MultiAcone(const FunctionArgs& args);
long double MultiAelip(const FunctionArgs& args);
long double MultiAnd(const FunctionArgs& args);
long double MultiApoly(const FunctionArgs& args);
long double MultiArect(const FunctionArgs& args);
long double MultiAtanxy(const FunctionArgs& args);
long double MultiAtria(const FunctionArgs& args);
long double MultiCelip(const FunctionArgs& args);
long double MultiDiv(const FunctionArgs& args);
long double MultiGcd(const FunctionArgs& args);
long double MultiLcm(const FunctionArgs& args);
long double MultiLog(const FunctionArgs& args);
long double MultiLsh(const FunctionArgs& args);
long double MultiHypot(const FunctionArgs& args);
long double MultiMod(const FunctionArgs& args);
long double MultiNand(const FunctionArgs& args);
long double MultiNcr(const FunctionArgs& args);
long double MultiNor(const FunctionArgs& args);
long double MultiNpr(const FunctionArgs& args);
long double MultiOr(const FunctionArgs& args);
long double MultiRandg(const FunctionArgs& args);
long double MultiRandr(const FunctionArgs& args);
long double MultiRound(const FunctionArgs& args);
long double MultiRsh(const FunctionArgs& args);
long double MultiVcone(const FunctionArgs& args);
long double MultiVcyl(const FunctionArgs& args);
long double MultiXnor(const FunctionArgs& args);
long double MultiXor(const FunctionArgs& args);
long double MultiYrtx(const FunctionArgs& args);
long double MultiAseq(const FunctionArgs& args);
long double MultiAtrap(const FunctionArgs& args);
long double MultiGseq(const FunctionArgs& args);
long double MultiVelip(const FunctionArgs& args);
long double MultiVpyra(const FunctionArgs& args);
long double MultiVrect(const FunctionArgs& args);

}  // namespace quorvex
