#pragma once
// Parameterized tests' cases named after their `name` member, so that a
// failing case says which one it is.
#include <string>

namespace virano::testing {

struct CaseName {
  template <typename Info>
  std::string operator()(const Info& test) const {
    return test.param.name;
  }
};

}  // namespace virano::testing
