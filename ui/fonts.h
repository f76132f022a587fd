#pragma once

#include <QFont>

#include "control_description.h"

namespace quadripolo::ui {

// The face the windows are drawn in. Where it is missing, a metric-compatible face stands in.
inline constexpr char kControlFamily[] = "MS Sans Serif";

// Maps the windows' face to one with the same metrics (Liberation Sans, Arial's metrics).
void installFontSubstitutions();

// The font of a control: 8.25 pt (11 px at 96 dpi) bold or regular, or the 9 pt bold unit font.
QFont controlFont(FontStyle style);

}  // namespace quadripolo::ui
