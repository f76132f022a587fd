// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "floating_point_fault.h"

namespace quadripolo {

// The Italian words for each fault kind and each quantity: exhaustive switches, built with
// -Werror=switch, so that a kind or a quantity without words does not build.
std::string_view faultWords(FaultKind kind);
std::string_view quantityWords(Quantity quantity);

// The message that tells the user which fault ended a command, and while computing what.
std::string faultMessage(const FloatingPointFault& fault);

}  // namespace quadripolo
