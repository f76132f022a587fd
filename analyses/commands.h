#pragma once

#include <functional>
#include <string>

#include "floating_point_fault.h"
#include "network_state.h"
#include "window.h"

namespace quadripolo {

// The commands of the main window's three buttons.
namespace form1 {
// Analysis with S parameters: the upper result block.
void Command1_Click(NetworkState& state, MainWindow& form1);
// Analysis with z parameters: the lower result block, and PL and Pin of the S analysis again.
void Command2_Click(NetworkState& state, MainWindow& form1);
// Equivalent z and y parameters, shown in the equivalent-parameter window.
void Command3_Click(NetworkState& state, MainWindow& form1);
}  // namespace form1

// The commands of the equivalent-parameter window's two buttons.
namespace form2 {
// Conversion of the typed y parameters, with Ro, to S parameters.
void Command1_Click(NetworkState& state, Window& form2);
// Copy of the y parameters held in the record into the y fields.
void Command2_Click(NetworkState& state, Window& form2);
}  // namespace form2

// The Italian message that tells the user which fault ended a command and where.
std::string faultMessage(const FloatingPointFault& fault);

// Runs one command started by a click. A floating-point fault ends it where it arose, with no
// box written, and is told to the user in one message; the program goes on.
void runCommand(MessageSink& messages, const std::function<void()>& command);

}  // namespace quadripolo
