// SPDX-License-Identifier: MIT
#pragma once

#include "commands.h"

namespace quadripolo {

// Runs the command of one click on the record and the button's window. A floating-point fault
// ends it where it arose, with no box written, and its message is shown in that window; the
// program goes on.
void runCommand(Command command, NetworkState& state, Window& window);

}  // namespace quadripolo
