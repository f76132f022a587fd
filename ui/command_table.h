#pragma once

#include <span>
#include <string_view>
#include <variant>

#include "network_state.h"
#include "window.h"

namespace quadripolo::ui {

class FormWindow;

using MainWindowCommand = void (*)(NetworkState&, MainWindow&);
using WindowCommand = void (*)(NetworkState&, Window&);

// One entry of the wiring: the click of a window's button runs one command.
struct CommandBinding {
    std::string_view window;  // object name of the window
    std::string_view button;  // object name of the button
    std::variant<MainWindowCommand, WindowCommand> command;
};

// The whole wiring: nothing else reacts to the user.
std::span<const CommandBinding> commandTable();

// Connects the clicks of the buttons of `form` that the table names to their commands, run on
// the program's shared state; an arithmetic fault becomes one message of `window`.
void connectCommands(FormWindow& form, MainWindow& window);
void connectCommands(FormWindow& form, Window& window);

}  // namespace quadripolo::ui
