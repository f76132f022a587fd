// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "core/window.h"

namespace quadripolo::ui {

// Runs the command of one click. A floating-point fault ends it where it arose, with no box
// written, and its message is shown in `window`; the program goes on.
void runCommand(Window& window, const std::function<void()>& command);

}  // namespace quadripolo::ui
