#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quadripolo::ui {

// Positions and sizes are stored in twips, as the windows are laid out: 1/1440 inch, so 15
// twips make one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}
constexpr bool isWholePixels(int twips) {
    return twips % kTwipsPerPixel == 0;
}

// Left, Top, Width, Height in twips, relative to the window's client area.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

enum class ControlKind {
    Caption,     // a label on the window background, without border
    ResultBox,   // a label with a fixed single border that a command writes into
    InputField,  // a single-line text field
    Button,      // a push button with a wrapping caption and its own background colour
    Picture,     // a framed box showing the schematic at its natural size
};

enum class Alignment { Left, Right, Centre };

enum class Border { None, FixedSingle, Sunken };

enum class FontStyle {
    Bold,     // MS Sans Serif 8.25 pt bold: every control but two
    Regular,  // the window's default font, regular weight
    Unit,     // 9 pt bold: the ohm sign beside Ro
};

// One control of a window, as data.
struct ControlDescription {
    ControlKind kind;
    std::string_view name;  // the object name by which the commands address it
    std::string_view text;  // caption or initial text, UTF-8
    TwipRect twips;
    Alignment alignment = Alignment::Left;
    Border border = Border::None;
    std::optional<Rgb> background = std::nullopt;  // none: the window's background shows
    FontStyle font = FontStyle::Bold;
    bool wordWrap = false;
    // The caption that names an input field or describes a result box to assistive technology.
    std::string_view accessibleCaption = {};
    bool autoSize = false;  // the label's size follows its text, from its top-left corner
};

// One window, as data.
struct WindowDescription {
    std::string_view name;
    std::string_view caption;  // UTF-8
    int clientWidthTwips;
    int clientHeightTwips;
    Rgb background;
    std::span<const ControlDescription> controls;
    std::span<const std::string_view> focusOrder;  // the first takes the focus at opening
};

// True when every position and size of `controls` is a whole number of pixels.
constexpr bool allWholePixels(std::span<const ControlDescription> controls) {
    for (const ControlDescription& control : controls) {
        const TwipRect& r = control.twips;
        if (!isWholePixels(r.left) || !isWholePixels(r.top) || !isWholePixels(r.width) ||
            !isWholePixels(r.height)) {
            return false;
        }
    }
    return true;
}

}  // namespace quadripolo::ui
