// SPDX-License-Identifier: MIT
// Built with -fno-builtin-pow: the compiler would otherwise turn pow(x, 2) into x·x.
#include "checked_double.h"

namespace quadripolo {

CheckedDouble square(CheckedDouble x) {
    return checkedResult(std::pow(static_cast<double>(x), 2.0));
}

CheckedDouble squareRoot(CheckedDouble x) {
    if (x < 0.0) [[unlikely]] {
        raiseFault(FaultKind::InvalidOperation);
    }
    return checkedResult(std::sqrt(static_cast<double>(x)));
}

CheckedDouble cosine(CheckedDouble x) {
    return checkedResult(std::cos(static_cast<double>(x)));
}

CheckedDouble sine(CheckedDouble x) {
    return checkedResult(std::sin(static_cast<double>(x)));
}

CheckedDouble arctangent(CheckedDouble x) {
    return checkedResult(std::atan(static_cast<double>(x)));
}

}  // namespace quadripolo
