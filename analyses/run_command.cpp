// SPDX-License-Identifier: MIT
// Where a click's floating-point fault becomes a message: the only place that catches one.
#include "run_command.h"

#include "core/fault_message.h"

namespace quadripolo {

void runCommand(Command command, NetworkState& state, Window& window) {
    try {
        command(state, window);
    } catch (const FloatingPointFault& fault) {
        window.showMessage(faultMessage(fault));
    }
}

}  // namespace quadripolo
