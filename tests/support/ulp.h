#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <limits>

namespace quadripolo::testing {

// Distance in units in the last place between two finite doubles of the same sign (or zeros).
inline std::int64_t ulpDistance(double a, double b) {
    if (a == b) {
        return 0;
    }
    if (std::signbit(a) != std::signbit(b)) {
        return std::numeric_limits<std::int64_t>::max();
    }
    const auto ia = std::bit_cast<std::int64_t>(std::abs(a));
    const auto ib = std::bit_cast<std::int64_t>(std::abs(b));
    return ia > ib ? ia - ib : ib - ia;
}

inline ::testing::AssertionResult withinUlps(double actual, double expected, std::int64_t ulps) {
    const std::int64_t distance = ulpDistance(actual, expected);
    if (distance <= ulps) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << std::setprecision(17) << actual << " is " << distance << " ulps from " << expected
           << " (allowed " << ulps << ")";
}

// Relative agreement, for values that are known to a given number of significant digits.
inline ::testing::AssertionResult agreesTo(double actual, double expected, double relative) {
    if (std::abs(actual - expected) <= relative * std::abs(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << std::setprecision(17) << actual << " differs from "
                                         << expected << " by more than " << relative << " relative";
}

}  // namespace quadripolo::testing
