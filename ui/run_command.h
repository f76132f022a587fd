// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "floating_point_fault.h"
#include "window.h"

namespace quadripolo::ui {

// The Italian message that tells the user which fault ended a command, and while computing what.
std::string faultMessage(const FloatingPointFault& fault);

// Runs the command of one click. A floating-point fault ends it where it arose, with no box
// written, and is told in one message of `window`; the program goes on.
void runCommand(Window& window, const std::function<void()>& command);

}  // namespace quadripolo::ui
