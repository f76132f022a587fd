// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "floating_point_fault.h"

namespace quadripolo {

// The message that tells the user which fault ended a command, and while computing what.
std::string faultMessage(const FloatingPointFault& fault);

}  // namespace quadripolo
