// SPDX-License-Identifier: MIT
// Where a click's floating-point fault becomes a message: the only place that catches one.
#include "run_command.h"

#include "core/fault_message.h"

namespace quadripolo::ui {

void runCommand(Window& window, const std::function<void()>& command) {
    try {
        command();
    } catch (const FloatingPointFault& fault) {
        window.showMessage(faultMessage(fault));
    }
}

}  // namespace quadripolo::ui
