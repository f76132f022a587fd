// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include "window_description.h"

namespace quadripolo::ui {

// Maps the windows' face, MS Sans Serif, to one with the same metrics where it is missing
// (Liberation Sans, Arial's metrics).
void installFontSubstitutions();

// The font of a control: 8.25 pt (11 px at 96 dpi) bold or regular, or the 9 pt bold unit font.
QFont controlFont(FontStyle style);

}  // namespace quadripolo::ui
