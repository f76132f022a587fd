#pragma once

#include "control_description.h"

namespace quadripolo::ui::colours {

// The classic light values of the system colours that the windows use.
inline constexpr Rgb kActiveBorder{212, 208, 200};  // Form1's background
inline constexpr Rgb kMenu{212, 208, 200};          // first row of Form2's z and y boxes
inline constexpr Rgb kCaptionText{255, 255, 255};   // second row of Form2's z and y boxes
inline constexpr Rgb kWindow{255, 255, 255};        // input fields
inline constexpr Rgb kWindowText{0, 0, 0};

// The colours the windows name themselves.
inline constexpr Rgb kSParameterBlock{192, 192, 255};  // S-analysis boxes and their button
inline constexpr Rgb kZParameterBlock{255, 192, 192};  // z-analysis boxes and their button
inline constexpr Rgb kEquivalentWindow{255, 128, 0};   // Form2's background and its button
inline constexpr Rgb kConverter{255, 255, 192};        // Form2's fields, S boxes and buttons
inline constexpr Rgb kContactLine{192, 255, 255};

}  // namespace quadripolo::ui::colours
