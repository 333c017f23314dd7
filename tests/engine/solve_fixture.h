#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/solver.h"

namespace quorvex::testing_support {

// One engine state with its settings, solving expressions the way a solve does.
struct SolveFixture {
  std::unique_ptr<EngineState> state = std::make_unique<EngineState>();
  GeneralSettings general;
  MaskSettings mask;
  VariableStore variables;
  SolveDisplay output;
  SolveResult result;

  // Returns whether the whole solve succeeded.
  bool Solve(std::string_view expression) {
    const SolveSettings settings{general, mask, variables};
    Solver solver(*state, settings, output);
    result = solver.Solve(expression);
    return result.kind == SolveKind::kReduce && result.succeeded;
  }

  void Declare(std::string name, std::string assignment) {
    variables.declarations.push_back(std::move(name));
    variables.assignments.push_back(std::move(assignment));
  }
};

}  // namespace quorvex::testing_support
