#pragma once

#include <string_view>

#include "checked_double.h"

namespace quadripolo {

// (p + jq) · (r + js). re is stored before im is computed, so the result must not share
// storage with an operand; callers pass the work operands of the shared record.
void complexMultiply(CheckedDouble& p, CheckedDouble& q, CheckedDouble& r, CheckedDouble& s,
                     CheckedDouble& re, CheckedDouble& im);

// (p + jq) / (r + js), formed as written, without rescaling: r² + s² may overflow or underflow
// where the quotient itself would be representable, and then the step faults.
void complexDivide(CheckedDouble& p, CheckedDouble& q, CheckedDouble& r, CheckedDouble& s,
                   CheckedDouble& re, CheckedDouble& im);

// The 15-digit literal with which phases are converted; its double lies 7 units in the last
// place below the double nearest to pi, and every stored phase depends on it.
inline constexpr double kPi15 = 3.14159265358979;

// (degrees × 3.14159265358979) / 180: the product first, then the quotient.
CheckedDouble degreesToRadians(CheckedDouble degrees);

}  // namespace quadripolo
