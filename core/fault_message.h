// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "floating_point_fault.h"

namespace quadripolo {

// The Italian words for each fault kind and each quantity, one exhaustive switch each: built with
// -Werror=switch, a value without words does not build.
std::string_view faultWords(FaultKind kind);
std::string_view quantityWords(Quantity quantity);

// The message that tells the user which fault ended a command, and while computing what.
std::string faultMessage(const FloatingPointFault& fault);

}  // namespace quadripolo
