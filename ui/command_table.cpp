#include "command_table.h"

#include <QAbstractButton>

#include <algorithm>
#include <array>
#include <type_traits>

#include "commands.h"
#include "form_window.h"
#include "text_conversion.h"

namespace quadripolo::ui {

namespace {

constexpr std::array kCommandTable{
    CommandBinding{"Form1", "Command1", &form1::Command1_Click},
    CommandBinding{"Form1", "Command2", &form1::Command2_Click},
    CommandBinding{"Form1", "Command3", &form1::Command3_Click},
    CommandBinding{"Form2", "Command1", &form2::Command1_Click},
    CommandBinding{"Form2", "Command2", &form2::Command2_Click},
};

// Only the main window can open the equivalent-parameter window.
static_assert(std::ranges::all_of(kCommandTable, [](const CommandBinding& binding) {
    return binding.window == "Form1" || std::holds_alternative<WindowCommand>(binding.command);
}));

template <class Target>
void connectTo(FormWindow& form, Target& window) {
    for (const CommandBinding& binding : kCommandTable) {
        if (toQString(binding.window) != form.objectName()) {
            continue;
        }
        auto* button = qobject_cast<QAbstractButton*>(form.control(binding.button));
        Q_ASSERT(button != nullptr);
        const auto command = binding.command;
        QObject::connect(button, &QAbstractButton::clicked, &form, [&window, command] {
            runCommand(window, [&] {
                std::visit(
                    [&](auto run) {
                        if constexpr (std::is_invocable_v<decltype(run), NetworkState&, Target&>) {
                            run(sharedState(), window);
                        }
                    },
                    command);
            });
        });
    }
}

}  // namespace

std::span<const CommandBinding> commandTable() {
    return kCommandTable;
}

void connectCommands(FormWindow& form, MainWindow& window) {
    connectTo(form, window);
}

void connectCommands(FormWindow& form, Window& window) {
    connectTo(form, window);
}

}  // namespace quadripolo::ui
