#pragma once

#include <string>
#include <string_view>

#include "input_fields.h"

namespace quadripolo {

// What a window offers the commands: its controls addressed by name ("Text9", "Label32"), a
// modal message, and the decimal separator of the user's locale. A control's text is a field's
// text or a label's caption.
class Window : public FieldSource, public MessageSink {
public:
    virtual std::string text(std::string_view control) const = 0;
    virtual void setText(std::string_view control, const std::string& text) = 0;
    virtual std::string decimalSeparator() const = 0;

    // Offers the full value behind a displayed text (a window may show it as a tooltip).
    virtual void setFullValue(std::string_view /*control*/, double /*value*/) {}

    std::string fieldText(std::string_view control) const final { return text(control); }
};

// The main window also opens the equivalent-parameter window: built afresh when it is not
// open, shown modeless without owner, brought to the front when it is.
class MainWindow : public Window {
public:
    virtual Window& loadAndShowEquivalentWindow() = 0;
};

}  // namespace quadripolo
