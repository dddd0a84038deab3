// Names the cases of a parameterised suite after their `name` field, so a
// case is listed (and found in CTest) as Suite/Test/name rather than as the
// bytes of its parameter. GoogleTest refuses a name that is not a valid
// identifier or that repeats one of the same instantiation.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quillon::testsupport {

struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return std::string(info.param.name);
    }
};

}  // namespace quillon::testsupport
