// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include <map>
#include <span>
#include <string_view>

#include "command_table.h"
#include "core/network_state.h"
#include "core/window.h"
#include "window_description.h"

namespace quadripolo::ui {

// A top-level window built from its description (caption, client size, background, icon,
// controls, focus order) whose buttons run their commands on the record it is given. It is the
// commands' window: its controls' texts, a modal message, the locale's decimal separator. It
// deletes itself when closed, so closing discards everything shown or typed in it.
class FormWindow final : public QWidget, public Window {
    Q_OBJECT

public:
    FormWindow(const WindowDescription& description, std::span<const ButtonCommand> buttons,
               NetworkState& state);

    // The control of that name; a name the window does not have is a programming error, which
    // ends the program with a message that names it.
    QWidget* control(std::string_view name) const;

    std::string text(std::string_view control) const override;
    void setText(std::string_view control, const std::string& text,
                 std::string_view formedFrom) override;
    void showMessage(std::string_view message) override;
    std::string decimalSeparator() const override;
    // Form2, without owner, so closing this window leaves it open.
    Window& loadAndShowEquivalentWindow() override;

private:
    void createControls(std::span<const ControlDescription> descriptions);
    void setFocusOrder(std::span<const std::string_view> focusOrder);
    void connectButtons(std::span<const ButtonCommand> buttons);

    // A control of the window and the row it was made from.
    struct Control {
        QWidget* widget;
        const ControlDescription* description;
    };
    const Control& find(std::string_view name) const;

    std::map<std::string_view, Control, std::less<>> controls_;  // by name
    NetworkState& state_;
    QPointer<FormWindow> equivalentWindow_;
};

}  // namespace quadripolo::ui
