// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quadripolo {

// What a window offers the commands, its controls addressed by name ("Text9", "Label36"): a
// control's text (a field's text or a label's caption) read and written, a modal message, the
// decimal separator of the user's locale, and the opening of the equivalent-parameter window.
// A name that the window does not have is a programming error.
class Window {
public:
    virtual ~Window() = default;

    // Exactly as it stands, untrimmed; UTF-8.
    virtual std::string text(std::string_view control) const = 0;
    // Every text a command writes is a value's: `formedFrom` is that value as the shortest
    // decimal that reads back as the same double, written with the text so that the two never
    // disagree. A result box offers it in full, with its unit, on hover; a field keeps only the
    // text, which the user may change.
    virtual void setText(std::string_view control, const std::string& text,
                         std::string_view formedFrom) = 0;

    // One modal message with an OK button; returns when the user has dismissed it.
    virtual void showMessage(std::string_view message) = 0;

    // One character, UTF-8: "," in an Italian setting.
    virtual std::string decimalSeparator() const = 0;

    // Builds the equivalent-parameter window afresh when it is not open, shows it modeless and
    // without owner, and brings it to the front.
    virtual Window& loadAndShowEquivalentWindow() = 0;
};

}  // namespace quadripolo
