// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

// The two windows as data: every control one row, every column obeyed on screen.
namespace quadripolo::ui {

// Positions and sizes are in twips, as the windows are laid out: 1/1440 inch, so 15 twips make
// one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) {
    return twips / kTwipsPerPixel;
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

namespace colours {
// The classic light values of the system colours that the windows use.
inline constexpr Rgb kActiveBorder{212, 208, 200};  // Form1's background
inline constexpr Rgb kMenu{212, 208, 200};          // first row of Form2's z and y boxes
inline constexpr Rgb kCaptionText{255, 255, 255};   // second row of Form2's z and y boxes
inline constexpr Rgb kWindow{255, 255, 255};        // input fields and the schematic
// The colours the windows name themselves.
inline constexpr Rgb kSParameterBlock{192, 192, 255};  // S-analysis boxes and their button
inline constexpr Rgb kZParameterBlock{255, 192, 192};  // z-analysis boxes and their button
inline constexpr Rgb kEquivalentWindow{255, 128, 0};   // Form2's background and its button
inline constexpr Rgb kConverter{255, 255, 192};        // Form2's fields, S boxes and buttons
inline constexpr Rgb kContactLine{192, 255, 255};
}  // namespace colours

enum class ControlKind {
    Label,       // a caption: a text on the window
    ResultBox,   // a label that a command writes a result into, described by its quantity
    InputField,  // a single-line text field
    Button,      // a push button with a wrapping caption and its own background colour
    Picture,     // a box showing the schematic at its natural size
};

enum class Alignment { Left, Right, Centre };

enum class Border {
    None,
    FixedSingle,  // a plain one-pixel line
    Sunken,       // the platform's sunken field frame
};

enum class FontStyle {
    Bold,     // MS Sans Serif 8.25 pt bold: every control but two
    Regular,  // the window's default font, regular weight
    Unit,     // 9 pt bold: the ohm sign beside Ro
};

// The unit a field or a result box holds, which assistive technology reads with it.
enum class Unit { None, Ohm, Volt, Ampere, Watt, Siemens, Degree };

// What a field or a result box holds, as assistive technology reads it ("Re(Zi)"), and its unit.
struct Described {
    std::string_view words;
    Unit unit = Unit::None;

    constexpr bool empty() const { return words.empty(); }
    constexpr bool operator==(const Described&) const = default;
};

// One control of a window, as data.
struct ControlDescription {
    ControlKind kind;
    std::string_view name;  // the object name by which the commands address it
    std::string_view text;  // caption or initial text, UTF-8
    TwipRect twips;
    Alignment alignment = Alignment::Left;
    Border border = Border::None;
    const Rgb* background = nullptr;  // none: the window's background shows
    FontStyle font = FontStyle::Bold;
    bool wordWrap = false;
    bool autoSize = false;  // the label's size follows its text, from its top-left corner
    // What assistive technology says of a field or a result box besides its text: the quantity
    // with its unit, and the block it belongs to.
    Described quantity = {};
    std::string_view block = {};
    std::string_view buddy = {};  // the field or box that a caption names
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
    return std::ranges::all_of(controls, [](const ControlDescription& control) {
        const TwipRect& r = control.twips;
        return r.left % kTwipsPerPixel == 0 && r.top % kTwipsPerPixel == 0 &&
               r.width % kTwipsPerPixel == 0 && r.height % kTwipsPerPixel == 0;
    });
}

// True when every column of every row means what it says for the row's kind: a column that a kind
// does not show holds its default. A caption is described by nothing, and names at most its
// box; a result box is described by its quantity and names nothing; a field has no word wrap, no
// caption to name it by and no single-line border; a button's caption is aligned and wrapped as its
// row says, and it has no border and no description besides its caption; a picture shows no text,
// from its top-left corner, and is described by its quantity alone, without a unit. Only a label's
// size follows its text.
constexpr bool obeysEveryColumn(std::span<const ControlDescription> controls) {
    return std::ranges::all_of(controls, [](const ControlDescription& c) {
        const bool describedOrNot = !c.quantity.empty() || c.block.empty();
        switch (c.kind) {
            case ControlKind::Label:
                return c.quantity.empty() && describedOrNot;
            case ControlKind::ResultBox:
                return !c.quantity.empty() && c.buddy.empty();
            case ControlKind::InputField:
                return describedOrNot && !c.wordWrap && !c.autoSize && c.buddy.empty() &&
                       c.border != Border::FixedSingle;
            case ControlKind::Button:
                return c.border == Border::None && !c.autoSize && c.quantity.empty() &&
                       c.block.empty() && c.buddy.empty();
            case ControlKind::Picture:
                return c.text.empty() && c.alignment == Alignment::Left && !c.wordWrap &&
                       c.font == FontStyle::Bold && !c.autoSize && c.quantity.unit == Unit::None &&
                       c.block.empty() && c.buddy.empty();
        }
        return false;
    });
}

// True when the names point one way: no two controls share a name, no two read the same to
// assistive technology (quantity and block), a caption names a field or a result box that no other
// caption names, and the focus order lists every control that takes the focus (fields, buttons,
// the picture) exactly once.
constexpr bool namesPointOneWay(std::span<const ControlDescription> controls,
                                std::span<const std::string_view> focusOrder) {
    const auto rows = [&](std::string_view name) {
        return std::ranges::count(controls, name, &ControlDescription::name);
    };
    const auto captions = [&](std::string_view name) {
        return std::ranges::count(controls, name, &ControlDescription::buddy);
    };
    const auto focusStops = [&](std::string_view name) {
        return std::ranges::count(focusOrder, name);
    };
    const auto readings = [&](const ControlDescription& c) {
        return std::ranges::count_if(controls, [&](const ControlDescription& other) {
            return other.quantity.words == c.quantity.words && other.block == c.block;
        });
    };
    return std::ranges::all_of(controls,
                               [&](const ControlDescription& c) {
                                   const bool takesFocus = c.kind != ControlKind::Label &&
                                                           c.kind != ControlKind::ResultBox;
                                   const bool named = c.kind == ControlKind::InputField ||
                                                      c.kind == ControlKind::ResultBox;
                                   return rows(c.name) == 1 &&
                                          focusStops(c.name) == (takesFocus ? 1 : 0) &&
                                          (c.quantity.empty() || readings(c) == 1) &&
                                          captions(c.name) <= (named ? 1 : 0) &&
                                          (c.buddy.empty() || rows(c.buddy) == 1);
                               }) &&
           std::ranges::all_of(focusOrder, [&](std::string_view name) { return rows(name) == 1; });
}

// The main window: the fourteen inputs, the two result blocks, the schematic and three buttons.
const WindowDescription& form1Description();
// The equivalent-parameter window: the z and y boxes, the y fields with Ro, the S boxes and two
// buttons.
const WindowDescription& form2Description();

// Short constructors that keep the window tables one row per control.
namespace rows {

// A caption on the window background, wrapping within its box; `buddy` is what it names.
constexpr ControlDescription caption(std::string_view name, std::string_view text, TwipRect twips,
                                     Alignment alignment = Alignment::Left,
                                     std::string_view buddy = {}) {
    return {.kind = ControlKind::Label,
            .name = name,
            .text = text,
            .twips = twips,
            .alignment = alignment,
            .wordWrap = true,
            .buddy = buddy};
}

// The ohm sign beside a Ro field.
constexpr ControlDescription ohmSign(std::string_view name, TwipRect twips) {
    return {.kind = ControlKind::Label,
            .name = name,
            .text = "[\u03A9]",
            .twips = twips,
            .font = FontStyle::Unit};
}

// A single-line input field with its initial text.
constexpr ControlDescription field(std::string_view name, std::string_view text, TwipRect twips,
                                   const Rgb& background, Described quantity,
                                   std::string_view block) {
    return {.kind = ControlKind::InputField,
            .name = name,
            .text = text,
            .twips = twips,
            .border = Border::Sunken,
            .background = &background,
            .quantity = quantity,
            .block = block};
}

// A result box: fixed single border, right aligned, empty at start.
constexpr ControlDescription resultBox(std::string_view name, TwipRect twips, const Rgb& background,
                                       Described quantity, std::string_view block) {
    return {.kind = ControlKind::ResultBox,
            .name = name,
            .text = {},
            .twips = twips,
            .alignment = Alignment::Right,
            .border = Border::FixedSingle,
            .background = &background,
            .quantity = quantity,
            .block = block};
}

// A push button whose caption wraps and whose background colour shows.
constexpr ControlDescription button(std::string_view name, std::string_view text, TwipRect twips,
                                    const Rgb& background) {
    return {.kind = ControlKind::Button,
            .name = name,
            .text = text,
            .twips = twips,
            .alignment = Alignment::Centre,
            .background = &background,
            .wordWrap = true};
}

}  // namespace rows

}  // namespace quadripolo::ui
