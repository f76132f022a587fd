#pragma once

#include "colours.h"
#include "control_description.h"

// Short constructors that keep the window tables one row per control.
namespace quadripolo::ui::build {

// A caption on the window background; it wraps within its box.
constexpr ControlDescription caption(std::string_view name, std::string_view text, TwipRect twips,
                                     Alignment alignment = Alignment::Left) {
    return {.kind = ControlKind::Caption,
            .name = name,
            .text = text,
            .twips = twips,
            .alignment = alignment,
            .wordWrap = true};
}

// The ohm sign beside a Ro field.
constexpr ControlDescription ohmSign(std::string_view name, TwipRect twips) {
    return {.kind = ControlKind::Caption,
            .name = name,
            .text = "[\u03A9]",
            .twips = twips,
            .font = FontStyle::Unit};
}

// A single-line input field with its initial text.
constexpr ControlDescription field(std::string_view name, std::string_view text, TwipRect twips,
                                   std::string_view accessibleName,
                                   Rgb background = colours::kWindow) {
    return {.kind = ControlKind::InputField,
            .name = name,
            .text = text,
            .twips = twips,
            .border = Border::Sunken,
            .background = background,
            .accessibleCaption = accessibleName};
}

// A result box: fixed single border, right aligned, empty at start.
constexpr ControlDescription resultBox(std::string_view name, TwipRect twips, Rgb background,
                                       std::string_view accessibleDescription) {
    return {.kind = ControlKind::ResultBox,
            .name = name,
            .text = {},
            .twips = twips,
            .alignment = Alignment::Right,
            .border = Border::FixedSingle,
            .background = background,
            .accessibleCaption = accessibleDescription};
}

// A push button whose caption wraps and whose background colour shows.
constexpr ControlDescription button(std::string_view name, std::string_view text, TwipRect twips,
                                    Rgb background) {
    return {.kind = ControlKind::Button,
            .name = name,
            .text = text,
            .twips = twips,
            .alignment = Alignment::Centre,
            .background = background,
            .wordWrap = true};
}

}  // namespace quadripolo::ui::build
